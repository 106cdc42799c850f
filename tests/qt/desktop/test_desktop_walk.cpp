// The whole program on a real desktop (Weston, or an X server), walked as a player would: the
// menu, the game, the chooser, the arrows, the Escape question answered «Нет», the arrows
// again, the question again answered «Да». Run by
// run_on_desktop.sh, which starts the desktop; the keys and clicks go through Qt's window
// system interface, and the focus each step waits for is the one the desktop gives.
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <filesystem>

#include "WindowTesting.h"
#include "qt/Filesel.h"
#include "qt/FrmMeny.h"
#include "qt/GameWindow.h"
#include "qt/MsgBo.h"
#include "qt/Program.h"
#include "support/Rig.h"

namespace {

using boltik::qt::Outline;

bool hasFocus(QWidget* window) {
    return window && window->windowHandle() &&
           QGuiApplication::focusWindow() == window->windowHandle();
}

// Presses a key in the window that has the focus, later, from the event loop: a key that opens
// a modal question does not return until it is answered.
void pressLater(int key, bool release = true) {
    QTimer::singleShot(0, qApp, [key, release] {
        QWindow* focus = QGuiApplication::focusWindow();
        if (!focus) return;
        QTest::keyPress(focus, Qt::Key(key));
        if (release) QTest::keyRelease(focus, Qt::Key(key));
    });
}

void releaseLater(int key) {
    QTimer::singleShot(0, qApp, [key] {
        if (QWindow* focus = QGuiApplication::focusWindow()) QTest::keyRelease(focus, Qt::Key(key));
    });
}

// The window as it stands, saved as NAME.png in the folder BOLTIK_WALK_SHOTS names, if any: a
// look at what the walk saw.
void shoot(QWidget* window, const char* name) {
    const QString folder = qEnvironmentVariable("BOLTIK_WALK_SHOTS");
    if (!folder.isEmpty())
        window->grab().save(folder + QLatin1Char('/') + QLatin1String(name) + ".png");
}

// A shown widget of type T, a window or inside one.
template <typename T>
T* shownAnywhere() {
    for (QWidget* w : QApplication::allWidgets()) {
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) return t;
    }
    return nullptr;
}

// Whether the widget's window is exposed and has the keyboard, and the focus is inside it.
bool hasKeyboard(QWidget* widget) {
    QWidget* focus = QApplication::focusWidget();
    return widget->window()->windowHandle() && widget->window()->windowHandle()->isExposed() &&
           hasFocus(widget->window()) && focus && (focus == widget || widget->isAncestorOf(focus));
}

// A window without those buttons, or no window at all.
bool noMinimiseOrMaximise(QWidget* window) {
    return !window->isWindow() ||
           !(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

}  // namespace

class DesktopWalk : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // As the program runs: it ends when it says so, not when its last window closes.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void menuGameChooserArrowsQuestionLeave() {
        boltik::testing::TempDir dir;
        for (const auto& entry : std::filesystem::directory_iterator(BOLTIK_DATA_DIR)) {
            if (entry.is_regular_file())
                std::filesystem::copy_file(entry.path(), dir.path() / entry.path().filename());
        }
        const bool wayland = QGuiApplication::platformName() == QStringLiteral("wayland");

        int step = 0;
        // A desktop that never gives the focus leaves the walk waiting inside the game's own
        // loops; it then ends, saying where, before the test's time runs out.
        QTimer::singleShot(100000, qApp, [&step] {
            qCritical("the walk stopped at step %d", step);
            std::_Exit(1);
        });
        boltik::qt::Program program;
        QSignalSpy finished(&program, &boltik::qt::Program::finished);
        QVERIFY(program.start());
        boltik::qt::FrmMeny* menu = program.menu();
        QVERIFY(menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu, 10000));
        if (wayland) {
            // A translucent surface of the shape's size, painted round; no mask, nothing past
            // the shape to take the mouse.
            QCOMPARE(menu->outline(), Outline::Painted);
            QVERIFY(menu->testAttribute(Qt::WA_TranslucentBackground));
            QVERIFY(menu->mask().isEmpty());
            QCOMPARE(menu->size(), QSize(334, 234));
        } else {
            QCOMPARE(menu->outline(), Outline::Mask);
            QCOMPARE(menu->mask().boundingRect(), QRect(0, 0, 334, 234));
        }
        QCOMPARE(menu->dragHandle()->width(), menu->width());

        // «Игра», clicked through the menu's window, later, from the event loop: the game it
        // starts may run its own loop before the click returns.
        QWidget* gameButton = menu->gameButton();
        QTimer::singleShot(0, menu, [menu, gameButton] {
            QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                              gameButton->mapTo(menu, gameButton->rect().center()));
        });

        QPoint robot;
        QString failure;
        int arrow = 0;
        int questions = 0;
        QElapsedTimer pressed;
        const int arrows[] = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up};
        boltik::testing::poll(
            [&] {
                boltik::qt::GameWindow* game = program.gameWindow();
                switch (step) {
                    case 0: {
                        // The chooser opens over the game, the game's, with the keyboard: on
                        // Wayland inside the full-screen game's own window, elsewhere as a
                        // window of the game's.
                        auto* chooser = shownAnywhere<boltik::qt::Filesel>();
                        if (!game || !chooser || !hasKeyboard(chooser)) return false;
                        if (wayland ? chooser->window() != game
                                    : chooser->windowHandle()->transientParent() !=
                                          game->windowHandle())
                            failure = "the chooser is not the game window's";
                        if (wayland && !chooser->testAttribute(Qt::WA_TranslucentBackground))
                            failure = "the chooser is not painted round";
                        shoot(game, "chooser");
                        step = 1;
                        pressLater(Qt::Key_Return);  // «1», as the box holds it
                        return false;
                    }
                    case 1: {
                        // Back in the game, which has the keyboard without a click; level 1
                        // is on the board.
                        const auto& w = game->world();
                        if (shownAnywhere<boltik::qt::Filesel>() ||
                            shownAnywhere<boltik::qt::MsgBo>() || !hasFocus(game) ||
                            w.levelName != "1.tur" ||
                            !boltik::board::Board::inside(w.playerX, w.playerY) ||
                            w.board.code(w.playerX, w.playerY) != boltik::board::code::kPlayer ||
                            game->context().cycles < 5)
                            return false;
                        robot = QPoint(w.playerX, w.playerY);
                        step = 2;
                        pressLater(arrows[arrow], false);
                        pressed.start();
                        return false;
                    }
                    case 2: {
                        // The arrows move the robot: one of the four ways is open.
                        const auto& w = game->world();
                        if (QPoint(w.playerX, w.playerY) != robot) {
                            releaseLater(arrows[arrow]);
                            step = 3;
                            return false;
                        }
                        if (pressed.elapsed() < 1500) return false;
                        releaseLater(arrows[arrow]);
                        if (++arrow == 4) {
                            failure = "no arrow moved the robot";
                            return true;
                        }
                        pressLater(arrows[arrow], false);
                        pressed.start();
                        return false;
                    }
                    case 3:
                        step = 4;
                        pressLater(Qt::Key_Escape);
                        return false;
                    case 4: {
                        // The question opens over the game, the game's, with no minimise or
                        // maximise, and its highlighted answer has the focus.
                        auto* box = shownAnywhere<boltik::qt::MsgBo>();
                        if (!box || !hasKeyboard(box)) return false;
                        if (wayland
                                ? box->window() != game
                                : box->windowHandle()->transientParent() != game->windowHandle())
                            failure = "the question is not the game window's";
                        if (!noMinimiseOrMaximise(box))
                            failure = "the question can be minimised or maximised";
                        shoot(game, "question");
                        if (++questions == 1) {
                            // «Нет», and «Нет» to the restart question after it: back to the
                            // game, whose arrows work again at once.
                            step = 6;
                            pressLater(Qt::Key_Right);
                            pressLater(Qt::Key_Return);
                            return false;
                        }
                        // «Да»: leave the game.
                        step = 5;
                        pressLater(Qt::Key_Left);
                        pressLater(Qt::Key_Return);
                        return true;
                    }
                    case 6: {
                        auto* box = shownAnywhere<boltik::qt::MsgBo>();
                        if (!box ||
                            !box->accessibleName().contains(QStringLiteral("перезапустить")) ||
                            !hasKeyboard(box))
                            return false;
                        step = 1;
                        pressLater(Qt::Key_Right);
                        pressLater(Qt::Key_Return);
                        return false;
                    }
                }
                return true;
            },
            60000, "the walk through the game");
        QVERIFY2(finished.wait(60000) || finished.count() > 0, "the program did not end");
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(step, 5);
    }
};

QTEST_MAIN(DesktopWalk)
#include "test_desktop_walk.moc"
