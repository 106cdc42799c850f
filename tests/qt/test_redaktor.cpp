// The level editor's window driven by synthesized mouse and key events: painting, the palette,
// KudaSow, teleporter pairs, the file menu through the chooser, undo and redo, the question
// before unsaved changes go, and a level it made played.
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

#include "WindowTesting.h"
#include "core/board/Codes.h"
#include "core/board/LevelFile.h"
#include "qt/EditorGrid.h"
#include "qt/Filesel.h"
#include "qt/GameWindow.h"
#include "qt/KudaSow.h"
#include "qt/MsgBo.h"
#include "qt/Program.h"
#include "qt/Redaktor.h"
#include "support/Rig.h"

using namespace boltik;
using editor::Cell;
using qt::Redaktor;
using testing::whenShown;

namespace {

// The centre of a grid cell, in pixels of the grid.
QPoint centre(int x, int y) {
    return QPoint(x * 32 + 16, y * 32 + 16);
}

void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void click(Redaktor& r, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    send(r.grid(), QEvent::MouseButtonPress, centre(x, y), button);
    send(r.grid(), QEvent::MouseButtonRelease, centre(x, y), button);
}

void tool(Redaktor& r, int k) {
    QTest::mouseClick(r.paletteItem(k), Qt::LeftButton);
}

int16_t code(Redaktor& r, int x, int y) {
    return r.model().board().code(x, y);
}

// Answers the chooser with a name, or closes it without a choice.
void answerChooser(const QString& name) {
    whenShown<qt::Filesel>([name](qt::Filesel* chooser) {
        if (name.isEmpty()) {
            chooser->close();
            return;
        }
        chooser->nameBox()->setText(name);
        QTest::keyClick(chooser->nameBox(), Qt::Key_Return);
    });
}

// Answers the next question with its first or second button; asked tells whether it was the
// editor's question about unsaved changes.
void answerQuestion(int button, bool* asked = nullptr) {
    whenShown<qt::MsgBo>([button, asked](qt::MsgBo* box) {
        if (asked) {
            *asked = false;
            for (const QLabel* label : box->findChildren<QLabel*>())
                *asked = *asked || label->text() == QStringLiteral("Уровень изменён. Сохранить ?");
        }
        QTest::mouseClick(box->clickArea(button), Qt::LeftButton);
    });
}

const QString kCaption = QStringLiteral("****Разработчик****");

}  // namespace

class RedaktorTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithAWallRingAndTheGridLines() {
        Redaktor r;
        r.show();
        QCOMPARE(r.grid()->size(), QSize(614, 390));
        QCOMPARE(r.gridPicture().pixelColor(32 * 5, 32 * 5 + 10), QColor(Qt::black));
        // Past the last whole square, right and below, the grid is clear: no white strip.
        QCOMPARE(r.gridPicture().pixelColor(611, 100).alpha(), 0);
        QCOMPARE(r.gridPicture().pixelColor(100, 388).alpha(), 0);
        QCOMPARE(code(r, 0, 0), board::code::kWall);
        QCOMPARE(r.boltCounter()->text(), QStringLiteral("0"));
    }

    void paintAndDragAcrossCells() {
        Redaktor r;
        r.show();
        tool(r, 2);
        QCOMPARE(r.model().tool(), 2);
        QCOMPARE(r.selectionFrame()->pos(), r.paletteItem(2)->pos());
        const QImage floor = r.gridPicture().copy(32 * 3 + 8, 32 * 3 + 8, 8, 8);
        send(r.grid(), QEvent::MouseButtonPress, centre(3, 3));
        send(r.grid(), QEvent::MouseMove, centre(4, 3));
        send(r.grid(), QEvent::MouseMove, centre(5, 3) + QPoint(0, 10));
        send(r.grid(), QEvent::MouseButtonRelease, centre(5, 3));
        send(r.grid(), QEvent::MouseMove, centre(6, 3));
        for (int x : {3, 4, 5})
            QCOMPARE(code(r, x, 3), board::code::kBox);
        QCOMPARE(code(r, 6, 3), board::code::kEmpty);
        QVERIFY(r.gridPicture().copy(32 * 3 + 8, 32 * 3 + 8, 8, 8) != floor);
        QCOMPARE(r.columnLabel()->text(), QStringLiteral("6"));
        QCOMPARE(r.rowLabel()->text(), QStringLiteral("3"));
    }

    void everyPaletteItemSelectsItsOwnTool() {
        Redaktor r;
        r.show();
        // The frame and the preview open on the tool the editor opens with.
        QCOMPARE(r.selectionFrame()->geometry(), r.paletteItem(r.model().tool())->geometry());
        for (int i = editor::kTools - 1; i >= 0; --i) {
            const QByteArray name = editor::kPalette[i].picture;
            tool(r, i);
            QVERIFY2(r.model().tool() == i, name);
            QVERIFY2(r.selectionFrame()->geometry() == r.paletteItem(i)->geometry(), name);
            QVERIFY2(r.preview()->pixmap().toImage() == r.paletteItem(i)->pixmap().toImage(), name);
        }
    }

    void aClickOutsideTheSquaresChangesNothing() {
        Redaktor r;
        r.show();
        tool(r, 1);
        const auto before = testing::boardPicture(r.model().board());
        const QImage picture = r.gridPicture();
        click(r, 0, 0);  // a wall on a wall, to begin with
        send(r.grid(), QEvent::MouseButtonPress, QPoint(610, 100));
        send(r.grid(), QEvent::MouseButtonRelease, QPoint(610, 100));
        send(r.grid(), QEvent::MouseButtonPress, QPoint(100, 387));
        send(r.grid(), QEvent::MouseButtonRelease, QPoint(100, 387));
        QCOMPARE(testing::boardPicture(r.model().board()), before);
        QVERIFY(!qt::EditorGrid::cellAt(QPoint(610, 100)));
        QCOMPARE(qt::EditorGrid::cellAt(QPoint(32, 32)), (Cell{0, 0}));  // edges go to the first
        QCOMPARE(qt::EditorGrid::cellAt(QPoint(33, 32)), (Cell{1, 0}));
    }

    void theCrawlerAsksKudaSow() {
        Redaktor r;
        r.show();
        tool(r, editor::kToolCrawler);
        whenShown<qt::KudaSow>([](qt::KudaSow* w) {
            QCOMPARE(w->picture(0)->pixmap().size(), QSize(120, 61));
            QTest::mousePress(w->picture(3), Qt::LeftButton);
        });
        click(r, 7, 7);
        QCOMPARE(code(r, 7, 7), board::code::kCrawler);
        QCOMPARE(r.model().board().at(7, 7, board::layer::kParamA), 2);
        QCOMPARE(r.model().board().at(7, 7, board::layer::kParamB), 3);
        whenShown<qt::KudaSow>([](qt::KudaSow* w) { w->close(); });
        click(r, 8, 8);  // closed: the choice before is applied again
        QCOMPARE(r.model().board().at(8, 8, board::layer::kParamA), 2);
    }

    void aTeleporterPairAndEscape() {
        Redaktor r;
        r.show();
        tool(r, editor::kToolTeleporter);
        click(r, 2, 2);
        send(r.grid(), QEvent::MouseMove, centre(9, 6));
        QCOMPARE(r.gridPicture().pixelColor(centre(9, 6)),
                 r.gridPicture().pixelColor(centre(9, 5)));
        QCOMPARE(r.grid()->grab().toImage().pixelColor(9 * 32, 6 * 32 + 5), QColor(192, 255, 192));
        click(r, 9, 6);
        QCOMPARE(code(r, 9, 6), board::code::kTeleporter);
        QCOMPARE(r.model().board().at(2, 2, board::layer::kParamA), 9);
        click(r, 4, 4);
        QTest::keyClick(&r, Qt::Key_Escape);
        QCOMPARE(code(r, 4, 4), board::code::kEmpty);
        QVERIFY(!r.model().pairingCell());
    }

    void newSaveAndLoadThroughTheChooser() {
        testing::TempDir dir;
        Redaktor r;
        r.show();
        tool(r, editor::kToolBolt);
        click(r, 3, 3);
        click(r, 4, 3);
        answerChooser(QStringLiteral("mine"));
        r.saveAction()->trigger();
        QVERIFY(std::filesystem::exists("mine.tur"));
        r.newAction()->trigger();
        QCOMPARE(r.boltCounter()->text(), QStringLiteral("0"));
        QCOMPARE(code(r, 3, 3), board::code::kEmpty);
        answerChooser(QString());  // closed without a choice: nothing is loaded
        r.loadAction()->trigger();
        QCOMPARE(code(r, 3, 3), board::code::kEmpty);
        answerChooser(QStringLiteral("mine.tur"));
        r.loadAction()->trigger();
        QCOMPARE(code(r, 3, 3), board::code::kBolt);
        QCOMPARE(r.boltCounter()->text(), QStringLiteral("2"));
    }

    void aFailedLoadShowsItsMessageAndKeepsTheBoard() {
        testing::TempDir dir;
        dir.write("bad.tur", "1\r\n2\r\n");
        Redaktor r;
        r.show();
        tool(r, 2);
        click(r, 5, 5);
        answerQuestion(2);  // the box is not saved first
        answerChooser(QStringLiteral("bad"));
        QString message;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            message = box->text();
            icon = box->icon();
            box->accept();
        });
        r.loadAction()->trigger();
        QCOMPARE(message, QStringLiteral("!!!"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(code(r, 5, 5), board::code::kBox);
    }

    void savingOverAnotherLevelAsksFirst() {
        testing::TempDir dir;
        dir.write("1.tur", testing::levelFileText({{"#P.C#"}}));
        const std::string before = dir.read("1.tur");
        Redaktor r;
        r.show();
        tool(r, editor::kToolBolt);
        click(r, 3, 3);
        answerChooser(QStringLiteral("mine"));
        r.saveAction()->trigger();
        QVERIFY(std::filesystem::exists("mine.tur"));
        const std::string mine = dir.read("mine.tur");
        // Over another existing level: the question, and «Нет» keeps both files.
        click(r, 4, 3);
        QString asked;
        testing::whenShown<qt::MsgBo>([&](qt::MsgBo* box) {
            for (const QLabel* label : box->findChildren<QLabel*>())
                asked += label->text() + '|';
            QTest::mouseClick(box->clickArea(2), Qt::LeftButton);
        });
        answerChooser(QStringLiteral("1"));
        r.saveAction()->trigger();
        QVERIFY2(asked.contains(QStringLiteral("Файл 1.tur уже есть. Заменить ?")),
                 qPrintable(asked));
        QCOMPARE(dir.read("1.tur"), before);
        QCOMPARE(dir.read("mine.tur"), mine);
        // Over the level being edited, and with Ctrl+S: no question.
        bool askedAgain = false;
        QTimer::singleShot(1500, [&askedAgain] {
            if (auto* box = qobject_cast<qt::MsgBo*>(QApplication::activeModalWidget())) {
                askedAgain = true;
                box->reject();
            }
        });
        answerChooser(QStringLiteral("mine"));
        QTest::keyClick(&r, Qt::Key_S, Qt::ControlModifier);
        QTest::qWait(1600);
        QVERIFY(!askedAgain);
        QVERIFY(dir.read("mine.tur") != mine);
    }

    void undoAndRedoFromTheKeyboard() {
        Redaktor r;
        r.show();
        tool(r, editor::kToolBolt);
        const QRect inside(32 * 4 + 8, 32 * 3 + 8, 8, 8);
        const QImage floor = r.gridPicture().copy(inside);
        send(r.grid(), QEvent::MouseButtonPress, centre(3, 3));
        send(r.grid(), QEvent::MouseMove, centre(4, 3));
        send(r.grid(), QEvent::MouseButtonRelease, centre(4, 3));
        const QImage bolt = r.gridPicture().copy(inside);
        QVERIFY(bolt != floor);
        QTest::keyClick(&r, Qt::Key_Z, Qt::ControlModifier);  // the whole stroke
        QCOMPARE(code(r, 3, 3), board::code::kEmpty);
        QCOMPARE(code(r, 4, 3), board::code::kEmpty);
        QCOMPARE(r.boltCounter()->text(), QStringLiteral("0"));
        QCOMPARE(r.gridPicture().copy(inside), floor);
        QTest::keyClick(&r, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(code(r, 4, 3), board::code::kBolt);
        QCOMPARE(r.boltCounter()->text(), QStringLiteral("2"));
        QCOMPARE(r.gridPicture().copy(inside), bolt);
        QTest::keyClick(&r, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&r, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(code(r, 3, 3), board::code::kBolt);
        QTest::keyClick(&r, Qt::Key_Z);  // no Ctrl: nothing
        QCOMPARE(code(r, 3, 3), board::code::kBolt);
    }

    void newAndLoadAskBeforeUnsavedChangesGo() {
        testing::TempDir dir;
        Redaktor r;
        r.show();
        QCOMPARE(r.windowTitle(), kCaption);
        tool(r, 2);
        click(r, 5, 5);
        QCOMPARE(r.windowTitle(), kCaption + QStringLiteral(" *"));
        // "Да", and the chooser closed: nothing is cleared.
        bool asked = false;
        answerQuestion(1, &asked);
        answerChooser(QString());
        r.newAction()->trigger();
        QVERIFY(asked);
        QCOMPARE(code(r, 5, 5), board::code::kBox);
        // "Да" and a name: saved first, then cleared.
        answerQuestion(1);
        answerChooser(QStringLiteral("mine"));
        r.newAction()->trigger();
        QVERIFY(std::filesystem::exists("mine.tur"));
        QCOMPARE(code(r, 5, 5), board::code::kEmpty);
        QCOMPARE(r.windowTitle(), kCaption);
        // New undone is a change again; "Нет" loads over it without saving.
        QTest::keyClick(&r, Qt::Key_Z, Qt::ControlModifier);
        click(r, 6, 6);
        answerQuestion(2);
        answerChooser(QStringLiteral("mine.tur"));
        r.loadAction()->trigger();
        QCOMPARE(code(r, 5, 5), board::code::kBox);
        QCOMPARE(code(r, 6, 6), board::code::kEmpty);
        QCOMPARE(r.windowTitle(), kCaption + QStringLiteral(" — mine.tur"));
        click(r, 7, 7);
        QCOMPARE(r.windowTitle(), kCaption + QStringLiteral(" — mine.tur *"));
        QTest::keyClick(&r, Qt::Key_Z, Qt::ControlModifier);  // back to what was saved
        QCOMPARE(r.windowTitle(), kCaption + QStringLiteral(" — mine.tur"));
    }

    void leavingAsksAndAFailedSaveKeepsTheWindow() {
        testing::TempDir dir;
        std::filesystem::create_directory("taken.tur.part");
        QPointer<Redaktor> r = new Redaktor;
        QSignalSpy closed(r.data(), &Redaktor::closed);
        r->show();
        tool(*r, 2);
        click(*r, 5, 5);
        answerQuestion(1);
        answerChooser(QStringLiteral("taken"));
        whenShown<QMessageBox>([](QMessageBox* box) { box->accept(); });
        r->exitAction()->trigger();
        QVERIFY(r && r->isVisible());
        QCOMPARE(closed.count(), 0);
        QCOMPARE(code(*r, 5, 5), board::code::kBox);
        // The highlight starts on «Да»; Escape puts the question away and cancels the leaving.
        int highlighted = 0;
        whenShown<qt::MsgBo>([&highlighted](qt::MsgBo* box) {
            highlighted = box->selected();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QVERIFY(!r->close());
        QCOMPARE(highlighted, 1);
        QCOMPARE(closed.count(), 0);
        QCOMPARE(code(*r, 5, 5), board::code::kBox);
        answerQuestion(2);
        QVERIFY(r->close());
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY(r.isNull());
    }

    void closingBringsTheMenuBack() {
        testing::TempDir dir;
        dir.write("settings.ini", settings::settingsText(settings::defaultSettings()));
        qt::Program program;
        QVERIFY(program.start());
        QPointer<qt::FrmMeny> menu = program.menu();
        menu->editorButton()->click();
        QTRY_VERIFY(menu.isNull());
        auto* editor = qobject_cast<Redaktor*>(program.editor());
        QVERIFY(editor && editor->isVisible());
        editor->exitAction()->trigger();
        QTRY_VERIFY(program.menu() && program.menu()->isVisible());
    }

    void aLevelMadeInTheEditorPlaysInTheGame() {
        testing::TempDir dir;
        {
            Redaktor r;
            r.show();
            tool(r, editor::kToolPlayer);
            click(r, 1, 1);
            tool(r, editor::kToolBolt);
            click(r, 2, 1);
            tool(r, 8);  // the capsule
            click(r, 3, 1);
            answerChooser(QStringLiteral("made"));
            r.saveAction()->trigger();
        }
        sound::SilentSounds sounds;
        qt::GameWindow game(sounds);
        game.setNanosPerRound(0);
        QSignalSpy ended(&game, &qt::GameWindow::gameEnded);
        answerChooser(QStringLiteral("made"));
        int taps = 0;
        QString asked;
        testing::poll([&] {
            // Finished, the game takes the next number, which is missing: it asks.
            if (auto* box = testing::visibleWindow<qt::MsgBo>()) {
                asked = box->findChildren<QLabel*>().first()->text();
                QTest::mouseClick(box->clickArea(2), Qt::LeftButton);
                return true;
            }
            if (game.world().levelName == "made.tur" && ++taps % 5 == 0) {
                QCoreApplication::postEvent(
                    &game, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
            }
            return false;
        });
        game.show();
        game.start();
        QTRY_VERIFY_WITH_TIMEOUT(ended.count() == 1, 20000);
        QCOMPARE(asked, QStringLiteral("Тура1.turне существует, продолжить ?"));
    }
};

QTEST_MAIN(RedaktorTest)
#include "test_redaktor.moc"
