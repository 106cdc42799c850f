// Test-play from the level editor: the board as it stands plays in a game window over the
// editor, and every way out of it (finishing, a wreck, Escape, closing) brings the editor back
// with its board unchanged, the program still running and nothing written.
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "WindowTesting.h"
#include "core/board/Codes.h"
#include "core/settings/Settings.h"
#include "qt/FrmMeny.h"
#include "qt/GameWindow.h"
#include "qt/Program.h"
#include "qt/ProofDialog.h"
#include "qt/Redaktor.h"
#include "support/Rig.h"

using namespace boltik;
using qt::Redaktor;

namespace {

void click(Redaktor& r, int x, int y) {
    const QPoint at(x * 32 + 16, y * 32 + 16);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(at), r.grid()->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(r.grid(), &event);
    }
}

void put(Redaktor& r, int tool, int x, int y) {
    QTest::mouseClick(r.paletteItem(tool), Qt::LeftButton);
    click(r, x, y);
}

// A robot, a bolt and the capsule in a row: two steps to the right finish it.
void paintShortLevel(Redaktor& r) {
    put(r, editor::kToolPlayer, 1, 1);
    put(r, editor::kToolBolt, 2, 1);
    put(r, 8, 3, 1);  // the capsule
}

void tap(QWidget* window, Qt::Key key) {
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

enum class Way { Finish, Wreck, Escape, Close };

// The level editor as the program opens it, which plays its trials.
Redaktor& openEditor(qt::Program& program) {
    program.openEditor();
    return *qobject_cast<Redaktor*>(program.editor());
}

// Starts a test-play with F5 and leaves it the given way once the level is running; true
// when the trial window has gone and the editor is shown again.
bool playAndLeave(qt::Program& program, Way way) {
    Redaktor& r = *qobject_cast<Redaktor*>(program.editor());
    r.activateWindow();
    if (!QTest::qWaitForWindowActive(&r)) return false;
    QTest::keyClick(&r, Qt::Key_F5);
    qt::GameWindow* trial = program.trialWindow();
    if (!trial) return false;
    trial->setNanosPerRound(0);
    bool left = false;
    bool gone = false;
    testing::poll(
        [&] {
            gone = program.trialWindow() == nullptr;
            if (gone) return true;
            if (left || trial->context().cycles < 2) return false;
            switch (way) {
                case Way::Finish:
                    tap(trial, Qt::Key_Right);
                    return false;  // until the capsule is entered
                case Way::Wreck:
                    QTest::mouseClick(trial->replayButton(), Qt::LeftButton);
                    break;
                case Way::Escape:
                    tap(trial, Qt::Key_Escape);
                    break;
                case Way::Close:
                    trial->close();
                    break;
            }
            left = true;
            return false;
        },
        15000);
    // The poll must have ended before its locals go.
    return QTest::qWaitFor([&] { return gone; }, 20000) && r.isVisible();
}

}  // namespace

class TrialTest : public QObject {
    Q_OBJECT

private slots:
    void everyWayOutReturnsToTheUnchangedEditorAndWritesNothing() {
        testing::TempDir dir;
        qt::Program program;
        Redaktor& r = openEditor(program);
        paintShortLevel(r);
        const board::Board before = r.model().board();
        const int16_t bolts = r.model().boltCount();
        const QString title = r.windowTitle();
        for (const Way way : {Way::Finish, Way::Wreck, Way::Escape, Way::Close}) {
            QVERIFY2(playAndLeave(program, way),
                     qPrintable(QString::number(static_cast<int>(way))));
            QVERIFY(r.model().board() == before);
            QCOMPARE(r.model().boltCount(), bolts);
            // The trial's copy is not a save: the level is still unsaved, under no file name.
            QVERIFY(r.model().modified());
            QVERIFY(r.model().fileName().empty());
            QCOMPARE(r.windowTitle(), title);
        }
        // Nothing of the trials is left in the play directory: no counter file, no recording,
        // no progress mark, no level file.
        QVERIFY(std::filesystem::is_empty(dir.path()));
    }

    void theMenuItemPlaysTheBoardWithoutLives() {
        testing::TempDir dir;
        qt::Program program;
        Redaktor& r = openEditor(program);
        paintShortLevel(r);
        r.testPlayAction()->trigger();
        qt::GameWindow* trial = program.trialWindow();
        QVERIFY(trial);
        trial->setNanosPerRound(0);
        bool seen = false;
        bool secondStarted = false;
        QString caption;
        bool livesShown = true;
        bool boltsShown = false;
        testing::poll([&] {
            if (trial->context().cycles == 0) return false;
            const board::Board& b = trial->world().board;
            seen = b.code(1, 1) == board::code::kPlayer && b.code(2, 1) == board::code::kBolt;
            caption = trial->levelCaption()->text();
            livesShown = trial->counterLabel(0)->isVisible();
            boltsShown = trial->counterLabel(1)->isVisible();
            // A second F5 while a trial runs starts no other.
            r.testPlay();
            secondStarted = program.trialWindow() != trial;
            trial->close();
            return true;
        });
        QTRY_VERIFY(program.trialWindow() == nullptr);
        QVERIFY(seen);
        QCOMPARE(caption, QStringLiteral("Проверка"));
        QVERIFY(!livesShown);
        QVERIFY(boltsShown);
        QVERIFY(!secondStarted);
    }

    void theProofAnswersAndShowsTheSolution() {
        testing::TempDir dir;
        qt::Program program;
        Redaktor& r = openEditor(program);
        paintShortLevel(r);
        const board::Board before = r.model().board();
        r.proveAction()->trigger();
        auto* proof = testing::visibleWindow<qt::ProofDialog>();
        QVERIFY(proof);
        QTRY_VERIFY_WITH_TIMEOUT(!proof->searching(), 20000);
        QVERIFY2(proof->answer()->text().startsWith(
                     QStringLiteral("Решаем: кратчайшее решение — 2 цикла")),
                 qPrintable(proof->answer()->text()));
        QVERIFY(proof->showButton()->isVisible());
        proof->showButton()->click();
        qt::GameWindow* shown = program.trialWindow();
        QVERIFY(shown);
        shown->setNanosPerRound(0);
        QSignalSpy levels(shown, &qt::GameWindow::levelEnded);
        // The solution plays to its end, and the window closes by itself.
        QTRY_VERIFY_WITH_TIMEOUT(program.trialWindow() == nullptr, 20000);
        QCOMPARE(levels.count(), 1);
        QCOMPARE(levels.at(0).at(0).toBool(), true);
        QVERIFY(r.model().board() == before);
        QString left;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            left += QString::fromStdString(entry.path().filename().string()) + ' ';
        QVERIFY2(left.isEmpty(), qPrintable(left));
    }

    void theProofSaysWhenABoardCannotBeWonOrTheSearchWasStopped() {
        testing::TempDir dir;
        qt::Program program;
        Redaktor& r = openEditor(program);
        // No capsule: nothing to search.
        put(r, editor::kToolPlayer, 1, 1);
        put(r, editor::kToolBolt, 2, 1);
        r.prove();
        auto* proof = testing::visibleWindow<qt::ProofDialog>();
        QVERIFY(proof);
        QTRY_VERIFY_WITH_TIMEOUT(!proof->searching(), 20000);
        QVERIFY2(proof->answer()->text().startsWith(QStringLiteral("Нерешаем")),
                 qPrintable(proof->answer()->text()));
        QVERIFY(!proof->showButton()->isVisible());
        proof->stopButton()->click();  // «Закрыть»
        QTRY_VERIFY(testing::visibleWindow<qt::ProofDialog>() == nullptr);

        // Bolts all over an open hall: a long search, stopped at once.
        const char* hall[] = {"P...........*...*", "....*.......*....", ".........*.......",
                              ".................", ".*....*..........", ".................",
                              "......*..*...*...", "................*", "*........*.......",
                              "..*.............C"};
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 17; ++x) {
                const char c = hall[y][x];
                if (c == 'P') put(r, editor::kToolPlayer, x + 1, y + 1);
                if (c == '*') put(r, editor::kToolBolt, x + 1, y + 1);
                if (c == 'C') put(r, 8, x + 1, y + 1);
                if (c == '.') put(r, editor::kToolEraser, x + 1, y + 1);
            }
        }
        r.prove();
        proof = testing::visibleWindow<qt::ProofDialog>();
        QVERIFY(proof);
        QVERIFY(proof->searching());
        QCOMPARE(proof->stopButton()->text(), QStringLiteral("Остановить"));
        proof->stopButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!proof->searching(), 20000);
        QVERIFY2(proof->answer()->text().startsWith(QStringLiteral("Поиск остановлен через")),
                 qPrintable(proof->answer()->text()));
        QCOMPARE(proof->stopButton()->text(), QStringLiteral("Закрыть"));
    }

    void theProgramGoesOnAfterATrial() {
        testing::TempDir dir;
        dir.write("settings.ini", settings::settingsText(settings::defaultSettings()));
        qt::Program program;
        QSignalSpy finished(&program, &qt::Program::finished);
        QVERIFY(program.start());
        program.menu()->editorButton()->click();
        QTRY_VERIFY(program.editor() != nullptr);
        auto* editor = qobject_cast<Redaktor*>(program.editor());
        QVERIFY(editor);
        paintShortLevel(*editor);
        QVERIFY(playAndLeave(program, Way::Close));
        QCOMPARE(finished.count(), 0);
        QVERIFY(editor->isVisible());
    }
};

QTEST_MAIN(TrialTest)
#include "test_trial.moc"
