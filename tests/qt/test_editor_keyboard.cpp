// The level editor driven by the keyboard alone: the grid cursor and painting from it, Shift
// strokes, the palette's keys and Tab order, KudaSow's arrows, teleporter pairs, the menus'
// mnemonics on either layout, and a level painted and saved without the mouse.
#include <QAccessible>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include "WindowTesting.h"
#include "core/board/Codes.h"
#include "core/board/LevelFile.h"
#include "qt/EditorKeyboard.h"
#include "qt/Filesel.h"
#include "qt/KudaSow.h"
#include "qt/Mnemonics.h"
#include "qt/Redaktor.h"
#include "support/Rig.h"

using namespace boltik;
using editor::Cell;
using qt::EditorKeyboard;
using qt::Redaktor;
using testing::whenShown;

namespace {

// A key pressed and let go where the keyboard's focus is, as a real keyboard's are: the focused
// widget, or the active window when nothing in it has the focus.
void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key), mods);
}

void pressTimes(int key, int times, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    for (int i = 0; i < times; ++i)
        press(key, mods);
}

// Shift held down while arrows are tapped, then let go, as a hand does it.
void shiftArrows(std::vector<Qt::Key> arrows) {
    const auto send = [](QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers mods) {
        QKeyEvent event(type, key, mods);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    };
    send(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    for (Qt::Key arrow : arrows) {
        send(QEvent::KeyPress, arrow, Qt::ShiftModifier);
        send(QEvent::KeyRelease, arrow, Qt::ShiftModifier);
    }
    send(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
}

// An editor window with its keyboard, open and active.
struct Desk {
    Redaktor window;
    EditorKeyboard* keys = new EditorKeyboard(window);

    Desk() {
        window.show();
        reactivate();
    }
    // The offscreen platform gives the focus back to no window when a dialog closes; a
    // desktop gives it to the editor.
    void reactivate() {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    int16_t code(int x, int y) { return window.model().board().code(x, y); }
    // Moves the cursor from where it stands to a cell with the plain arrows.
    void goTo(int x, int y) {
        const Cell from = keys->cursor();
        pressTimes(x > from.x ? Qt::Key_Right : Qt::Key_Left, std::abs(x - from.x));
        pressTimes(y > from.y ? Qt::Key_Down : Qt::Key_Up, std::abs(y - from.y));
        QCOMPARE(keys->cursor(), (Cell{x, y}));
    }
};

}  // namespace

class EditorKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void theArrowsMoveTheCursorAndSpaceOrEnterPaints() {
        Desk desk;
        QCOMPARE(QApplication::focusWidget(), desk.window.grid());
        QVERIFY(desk.keys->cursorFrame()->isVisible());
        desk.goTo(3, 2);
        QCOMPARE(desk.window.columnLabel()->text(), QStringLiteral("3"));
        QCOMPARE(desk.window.rowLabel()->text(), QStringLiteral("2"));
        QVERIFY(QRect(3 * 32, 2 * 32, 32, 32).contains(desk.keys->cursorFrame()->geometry()));
        press(Qt::Key_1);  // the wall
        QCOMPARE(desk.window.model().tool(), editor::kToolWall);
        QCOMPARE(desk.window.selectionFrame()->pos(), desk.window.paletteItem(1)->pos());
        QCOMPARE(desk.code(3, 2), board::code::kEmpty);  // moving alone paints nothing
        press(Qt::Key_Space);
        QCOMPARE(desk.code(3, 2), board::code::kWall);
        press(Qt::Key_Right);
        press(Qt::Key_Return);
        QCOMPARE(desk.code(4, 2), board::code::kWall);
        press(Qt::Key_6);  // the bolt, counted as a click counts it
        press(Qt::Key_Down);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(desk.code(4, 3), board::code::kBolt);
        QCOMPARE(desk.window.boltCounter()->text(), QStringLiteral("1"));
        // The cursor stops at the grid's edges.
        pressTimes(Qt::Key_Left, 30);
        pressTimes(Qt::Key_Up, 30);
        QCOMPARE(desk.keys->cursor(), (Cell{0, 0}));
        pressTimes(Qt::Key_Right, 30);
        pressTimes(Qt::Key_Down, 30);
        QCOMPARE(desk.keys->cursor(), (Cell{18, 11}));
    }

    void shiftAndTheArrowsPaintAsADragDoes() {
        Desk desk;
        desk.goTo(2, 2);
        press(Qt::Key_2);  // the box
        shiftArrows({Qt::Key_Right, Qt::Key_Right, Qt::Key_Down});
        press(Qt::Key_Right);
        const auto picture = testing::boardPicture(desk.window.model().board());
        QCOMPARE(QString::fromStdString(picture[2].substr(0, 6)), QStringLiteral("#.BBB."));
        QCOMPARE(QString::fromStdString(picture[3].substr(0, 6)), QStringLiteral("#...B."));
        // One stroke is one step, as a drag is: one undo takes all of it back.
        press(Qt::Key_Z, Qt::ControlModifier);
        for (int x : {2, 3, 4})
            QCOMPARE(desk.code(x, 2), board::code::kEmpty);
        QCOMPARE(desk.code(4, 3), board::code::kEmpty);
        // A stroke ends when Shift is let go: the next Shift press starts another step.
        shiftArrows({Qt::Key_Right});
        shiftArrows({Qt::Key_Right});
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(desk.code(6, 3), board::code::kBox);
        QCOMPARE(desk.code(7, 3), board::code::kEmpty);
    }

    void numberKeysChooseEveryTool() {
        Desk desk;
        for (int tool = editor::kTools - 1; tool >= 0; --tool) {
            const QKeySequence key = EditorKeyboard::toolKey(tool);
            press(key[0].key(), key[0].keyboardModifiers());
            QCOMPARE(desk.window.model().tool(), tool);
            QCOMPARE(desk.window.selectionFrame()->pos(), desk.window.paletteItem(tool)->pos());
        }
    }

    void thePaletteIsInTheTabOrderByItsColumns() {
        Desk desk;
        const int order[] = {0, 10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 13, 12, 11};
        desk.window.paletteItem(0)->setFocus();
        for (int i = 0; i < editor::kTools; ++i) {
            QLabel* tile = desk.window.paletteItem(order[i]);
            QCOMPARE(QApplication::focusWidget(), tile);
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(tile);
            QCOMPARE(button->role(), QAccessible::Button);
            QCOMPARE(button->text(QAccessible::Name), EditorKeyboard::toolName(order[i]));
            press(Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), desk.window.grid());
        // Space on a tile chooses it; the chosen tile reads as checked.
        desk.window.paletteItem(12)->setFocus();
        press(Qt::Key_Space);
        QCOMPARE(desk.window.model().tool(), editor::kToolBat);
        QVERIFY(
            QAccessible::queryAccessibleInterface(desk.window.paletteItem(12))->state().checked);
        QVERIFY(
            !QAccessible::queryAccessibleInterface(desk.window.paletteItem(0))->state().checked);
    }

    void kudaSowAnswersTheArrowsAndEnter() {
        struct Case {
            std::vector<Qt::Key> keys;
            int choice;
        };
        const Case cases[] = {
            {{Qt::Key_Return}, 0},
            {{Qt::Key_Right, Qt::Key_Space}, 1},
            {{Qt::Key_Down, Qt::Key_Return}, 2},
            {{Qt::Key_Left, Qt::Key_Up, Qt::Key_Enter}, 3},
            {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}, 0},
        };
        Desk desk;
        press(Qt::Key_1, Qt::ControlModifier);  // the crawler
        desk.goTo(2, 2);
        for (const Case& c : cases) {
            const int x = desk.keys->cursor().x;
            whenShown<qt::KudaSow>([c](qt::KudaSow* w) {
                QVERIFY(QTest::qWaitForWindowActive(w));
                QCOMPARE(QApplication::focusWidget(), w->picture(0));
                for (Qt::Key key : c.keys)
                    press(key);
            });
            press(Qt::Key_Space);
            desk.reactivate();
            const editor::CrawlerChoice& chosen = editor::kCrawlerChoices[c.choice];
            QCOMPARE(desk.code(x, 2), board::code::kCrawler);
            QCOMPARE(desk.window.model().board().at(x, 2, board::layer::kParamA),
                     board::index(chosen.heading));
            QCOMPARE(desk.window.model().board().at(x, 2, board::layer::kParamB),
                     board::index(chosen.hand));
            press(Qt::Key_Right);
        }
        // Escape closes it without a choice, as closing it does.
        whenShown<qt::KudaSow>([](qt::KudaSow* w) {
            QVERIFY(QTest::qWaitForWindowActive(w));
            press(Qt::Key_Escape);
        });
        press(Qt::Key_Space);
        QCOMPARE(desk.code(desk.keys->cursor().x, 2), board::code::kCrawler);
        QCOMPARE(qt::KudaSow::choiceName(0), QStringLiteral("Вверх, стена справа"));
        QCOMPARE(qt::KudaSow::choiceName(3), QStringLiteral("Вниз, стена слева"));
    }

    void aTeleporterPairFromTheKeyboard() {
        Desk desk;
        press(Qt::Key_3, Qt::ControlModifier);  // the teleporter
        desk.goTo(2, 2);
        press(Qt::Key_Space);
        QVERIFY(desk.window.model().pairingCell());
        desk.goTo(9, 6);
        // While the partner is awaited, the pairing frame follows the keyboard's cursor.
        QCOMPARE(desk.window.grid()->grab().toImage().pixelColor(9 * 32, 6 * 32 + 16),
                 QColor(192, 255, 192));
        press(Qt::Key_Return);
        QCOMPARE(desk.code(9, 6), board::code::kTeleporter);
        QCOMPARE(desk.window.model().board().at(2, 2, board::layer::kParamA), 9);
        QCOMPARE(desk.window.model().board().at(9, 6, board::layer::kParamA), 2);
    }

    void cyrillicMnemonicsHaveLatinTwins() {
        const struct {
            QChar cyrillic, latin;
        } cases[] = {
            {QChar(u'Ф'), QLatin1Char('F')}, {QChar(u'п'), QLatin1Char('P')},
            {QChar(u'В'), QLatin1Char('V')}, {QChar(u'ё'), QLatin1Char('E')},
            {QChar(u'Я'), QChar()},          {QChar(u'ж'), QChar()},
            {QLatin1Char('S'), QChar()},     {QChar(u'ы'), QLatin1Char('Y')},
        };
        for (const auto& c : cases) {
            QCOMPARE(qt::latinFor(c.cyrillic), c.latin);
        }
        // Alt+F opens «&Файл» as Alt+Ф does; in it V chooses «&Выход» as В does.
        Desk desk;
        QMenuBar* bar = desk.window.menuBar();
        QMenu* file = bar->actions().first()->menu();
        QCOMPARE(bar->actions().first()->text(), QStringLiteral("&Файл"));
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), file);
        file->close();
        desk.reactivate();
        QSignalSpy trial(&desk.window, &Redaktor::testPlayRequested);
        press(Qt::Key_P, Qt::AltModifier);  // «&Проверить»
        QCOMPARE(trial.count(), 1);

        QPointer<Redaktor> leaving = new Redaktor;
        leaving->show();
        leaving->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(leaving));
        QSignalSpy closed(leaving.data(), &Redaktor::closed);
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_V);
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY(!leaving);
    }

    void aLevelIsPaintedAndSavedWithoutTheMouse() {
        testing::TempDir dir;
        Desk desk;
        press(Qt::Key_9);  // the robot
        desk.goTo(2, 2);
        press(Qt::Key_Space);
        press(Qt::Key_6);  // two bolts in a stroke
        desk.goTo(3, 2);
        shiftArrows({Qt::Key_Right});
        press(Qt::Key_8);  // the capsule
        desk.goTo(6, 2);
        press(Qt::Key_Return);
        whenShown<qt::Filesel>([](qt::Filesel* chooser) {
            QVERIFY(QTest::qWaitForWindowActive(chooser));
            QCOMPARE(QApplication::focusWidget(), chooser->nameBox());
            QTest::keyClicks(QApplication::focusWidget(), "kbd");
            press(Qt::Key_Return);
        });
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);  // «&Save(сохранить)»
        QCOMPARE(QString::fromStdString(desk.window.model().fileName()), QStringLiteral("kbd.tur"));
        board::Board saved;
        QVERIFY(board::readLevelFile("kbd.tur", saved).ok);
        QCOMPARE(testing::boardPicture(saved)[2].substr(0, 8), std::string("#.P**.C."));
    }
};

QTEST_MAIN(EditorKeyboardTest)
#include "test_editor_keyboard.moc"
