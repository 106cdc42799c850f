// The board in words from the keyboard: F3 in the game reads the robot's surroundings and the
// counters aloud, and the editor's grid tells the cell under its cursor.
#include <QAccessible>
#include <QTest>

#include "WindowTesting.h"
#include "core/sound/Sounds.h"
#include "qt/Accessibility.h"
#include "qt/EditorKeyboard.h"
#include "qt/Filesel.h"
#include "qt/GameWindow.h"
#include "qt/Redaktor.h"
#include "qt/SpokenLine.h"
#include "support/Rig.h"

using namespace boltik;

namespace {

// What a screen reader reads as the widget's description.
QString description(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

QLabel* spokenLine(QWidget& window) {
    return window.findChild<QLabel*>(QStringLiteral("spokenLine"));
}

}  // namespace

class BoardInWordsTest : public QObject {
    Q_OBJECT

private slots:
    void f3InTheGameReadsTheRobotsSurroundingsAloud() {
        testing::TempDir dir;
        dir.write("1.tur", testing::levelFileText({{"######", "#P*.C#", "######"}, {}, "1"}));
        sound::SilentSounds sounds;
        qt::GameWindow window(sounds);
        window.setNanosPerRound(0);
        qt::describeGameWindow(window);
        window.show();
        window.start();
        const QString expected = QStringLiteral(
            "Робот: столбец 1, ряд 1. Сверху стена, справа болт, снизу стена, слева стена. "
            "Болтов осталось 1. Жизни: 10, ключи: 0, патроны: 0.");
        int presses = 0;
        QWidget* focus = nullptr;
        QString shown, said;
        testing::poll([&] {
            if (auto* chooser = testing::visibleWindow<qt::Filesel>()) {
                chooser->activateWindow();
                if (chooser->isActiveWindow()) QTest::keyClick(chooser, Qt::Key_Return);
                return false;
            }
            if (!window.isActiveWindow()) {
                window.activateWindow();  // the offscreen platform gives the focus to no one
                return false;
            }
            if (window.context().cycles < 3) return false;
            focus = QApplication::focusWidget();
            QTest::keyClick(focus, Qt::Key_F3);
            said = description(focus);
            ++presses;
            // The line under the board shows what was said.
            QLabel* line = spokenLine(window);
            shown =
                line && line->isVisible() && line->y() > window.boardCanvas().geometry().bottom()
                    ? line->text()
                    : QString();
            window.close();
            return true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 20000);
        QCOMPARE(presses, 1);
        QCOMPARE(shown, expected);
        // The widget with the focus, the one a screen reader follows, is described by it.
        QCOMPARE(said, expected);
    }

    void theEditorsGridTellsTheCellUnderItsCursor() {
        testing::TempDir dir;
        qt::Redaktor editor;
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        auto* keys = new qt::EditorKeyboard(editor);
        editor.show();
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QWidget* grid = editor.grid();
        QCOMPARE(grid->accessibleDescription(),
                 QStringLiteral("Курсор: столбец 0, ряд 0, стена. Сверху край поля, справа "
                                "стена, снизу стена, слева край поля. Болтов: 0."));
        // Right, Down: the first floor cell; a bolt painted there is told at once.
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Down);
        const QString floor = QStringLiteral(
            "Курсор: столбец 1, ряд 1, пусто. Сверху стена, слева стена. Болтов: 0.");
        QCOMPARE(description(grid), floor);
        QTest::keyClick(grid, Qt::Key_6);  // the bolt tool
        QTest::keyClick(grid, Qt::Key_Space);
        const QString bolt =
            QStringLiteral("Курсор: столбец 1, ряд 1, болт. Сверху стена, слева стена. Болтов: 1.");
        QCOMPARE(grid->accessibleDescription(), bolt);
        QCOMPARE(description(grid), bolt);
        // F3 reads it aloud on the line under the grid.
        QTest::keyClick(grid, Qt::Key_F3);
        QLabel* line = spokenLine(editor);
        QVERIFY(line && line->isVisible());
        QCOMPARE(line->text(), bolt);
        QCOMPARE(keys->cellText(), bolt);
    }
};

QTEST_MAIN(BoardInWordsTest)
#include "test_board_in_words.moc"
