// The game window played through its real event handling: the chooser, keys, the finish,
// the next level, the questions of Escape, the replay button and closing.
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "WindowTesting.h"
#include "qt/Filesel.h"
#include "qt/GameKeys.h"
#include "qt/GameWindow.h"
#include "qt/MsgBo.h"
#include "support/Rig.h"

using boltik::qt::GameWindow;
using boltik::testing::levelFileText;
using boltik::testing::poll;

namespace {

// Posts a key tap to the window; it is handled at the game's next yield, as a real one is.
void postKey(QWidget* window, Qt::Key key) {
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

boltik::qt::Filesel* openChooser() {
    return boltik::testing::visibleWindow<boltik::qt::Filesel>();
}

struct Game {
    boltik::sound::SilentSounds sounds;
    GameWindow window{sounds};
    QSignalSpy ended{&window, &GameWindow::gameEnded};

    Game() {
        window.setNanosPerRound(0);
        window.show();
        window.start();
    }
    // Runs the window until the game ends, or fails after a while.
    void runToEnd() { QTRY_VERIFY_WITH_TIMEOUT(ended.count() == 1, 20000); }
};

}  // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private slots:
    void arrowsAndEscapeAreTheGameKeys() {
        using boltik::board::Dir;
        using boltik::qt::GameKey;
        struct Case {
            Qt::Key key;
            GameKey::Kind kind;
            Dir dir;
        };
        const Case cases[] = {
            {Qt::Key_Up, GameKey::Kind::Arrow, Dir::Up},
            {Qt::Key_Right, GameKey::Kind::Arrow, Dir::Right},
            {Qt::Key_Down, GameKey::Kind::Arrow, Dir::Down},
            {Qt::Key_Left, GameKey::Kind::Arrow, Dir::Left},
            {Qt::Key_Escape, GameKey::Kind::Escape, Dir::Up},
            {Qt::Key_A, GameKey::Kind::Other, Dir::Up},
            {Qt::Key_Shift, GameKey::Kind::Other, Dir::Up},
            {Qt::Key_Space, GameKey::Kind::Other, Dir::Up},
        };
        for (const Case& c : cases) {
            const GameKey key = boltik::qt::gameKey(c.key);
            QCOMPARE(key.kind, c.kind);
            if (c.kind == GameKey::Kind::Arrow) QCOMPARE(key.dir, c.dir);
        }
    }

    void onlyShiftAloneAsksForAShot() {
        struct Case {
            Qt::KeyboardModifiers modifiers;
            bool shot;
        };
        const Case cases[] = {
            {Qt::NoModifier, false},
            {Qt::ShiftModifier, true},
            {Qt::ShiftModifier | Qt::ControlModifier, false},
            {Qt::ShiftModifier | Qt::AltModifier, false},
            {Qt::ControlModifier, false},
            {Qt::AltModifier, false},
            // The keypad's arrows carry the keypad flag; Shift is still alone among the three.
            {Qt::ShiftModifier | Qt::KeypadModifier, true},
            {Qt::KeypadModifier, false},
        };
        for (const Case& c : cases) {
            QCOMPARE(boltik::qt::asksForShot(c.modifiers), c.shot);
        }
    }

    void shortLevelPlayedToTheFinishThenTheNextNumber() {
        boltik::testing::TempDir dir;
        dir.write("1.tur", levelFileText({{"#####", "#P*C#", "#####"}, {}, "1"}));
        dir.write("2.tur", levelFileText({{"#####", "#P..#", "#####"}}));
        Game game;
        poll([] {
            auto* chooser = openChooser();
            if (chooser) QTest::keyClick(chooser->nameBox(), Qt::Key_Return);
            return chooser != nullptr;
        });
        int taps = 0;
        poll([&] {
            auto& w = game.window.world();
            if (w.levelName == "2.tur") {
                game.window.close();
                return true;
            }
            if (w.levelName == "1.tur" && taps < 40) {
                ++taps;
                postKey(&game.window, Qt::Key_Right);  // a quick tap still moves
            }
            return false;
        });
        game.runToEnd();
        QCOMPARE(game.window.world().startMode,
                 boltik::board::StartMode::Next);  // after the curtain
        QCOMPARE(game.window.counterLabel(1)->text(), QStringLiteral("0"));
    }

    void escapeAnsweredNoTwiceChangesNothingThenYesWrecks() {
        boltik::testing::TempDir dir;
        dir.write("1.tur", levelFileText({{"#####", "#P..#", "#####"}}));
        Game game;
        int step = 0;
        poll([&] {
            if (auto* chooser = openChooser()) {
                QTest::keyClick(chooser->nameBox(), Qt::Key_Return);
                return false;
            }
            auto* box = qobject_cast<boltik::qt::MsgBo*>(QApplication::activeModalWidget());
            if (box) {
                // "Нет", "Нет"; then "Нет", "Да".
                QTest::mouseClick(box->clickArea(step == 3 ? 1 : 2), Qt::LeftButton);
                ++step;
            } else if (game.window.context().cycles > 2 && (step == 0 || step == 2)) {
                postKey(&game.window, Qt::Key_Escape);
            } else if (step == 4) {
                game.window.close();
                return true;
            }
            return false;
        });
        game.runToEnd();
        QCOMPARE(game.window.world().kolLives.caption(), std::string("9"));
    }

    void replayButtonWrecksAndReplays() {
        boltik::testing::TempDir dir;
        dir.write("1.tur", levelFileText({{"#####", "#P.B#", "#####"}}));
        Game game;
        bool clicked = false;
        poll([&] {
            if (auto* chooser = openChooser()) {
                QTest::keyClick(chooser->nameBox(), Qt::Key_Return);
            } else if (!clicked && game.window.context().cycles > 2) {
                QTest::mouseClick(game.window.replayButton(), Qt::LeftButton);
                clicked = true;
            } else if (clicked &&
                       game.window.world().startMode == boltik::board::StartMode::Choose) {
                game.window.close();  // replayed: mode 2 was used up by the reload
                return true;
            }
            return false;
        });
        game.runToEnd();
        QCOMPARE(game.window.counterLabel(0)->text(), QStringLiteral("9"));
        QCOMPARE(game.window.world().levelName, std::string("1.tur"));
    }

    void closingDuringALevelEndsAtOnce() {
        boltik::testing::TempDir dir;
        dir.write("1.tur", levelFileText({{"#####", "#P..#", "#####"}}));
        Game game;
        game.window.setNanosPerRound(2630);  // the real pace
        poll([&] {
            if (auto* chooser = openChooser()) QTest::keyClick(chooser->nameBox(), Qt::Key_Return);
            if (game.window.context().cycles < 3) return false;
            game.window.close();
            return true;
        });
        game.runToEnd();
        const long cycles = game.window.context().cycles;
        QTest::qWait(300);
        QCOMPARE(game.window.context().cycles, cycles);  // the main loop has stopped
        QVERIFY(!game.window.isVisible());
    }

    void cancelledFirstChoiceClosesTheGame() {
        boltik::testing::TempDir dir;
        Game game;
        poll([] {
            auto* chooser = openChooser();
            if (chooser) chooser->close();
            return chooser != nullptr;
        });
        game.runToEnd();
        QVERIFY(!game.window.isVisible());
    }

    void missingNextLevelAsksAndNoEndsTheGame() {
        boltik::testing::TempDir dir;
        dir.write("5.tur", levelFileText({{"####", "#PC#", "####"}}));
        Game game;
        QString question;
        poll([&] {
            if (auto* chooser = openChooser()) {
                chooser->nameBox()->setText("5");
                QTest::keyClick(chooser->nameBox(), Qt::Key_Return);
            } else if (auto* box =
                           qobject_cast<boltik::qt::MsgBo*>(QApplication::activeModalWidget())) {
                question = box->findChildren<QLabel*>().first()->text();
                QTest::mouseClick(box->clickArea(2), Qt::LeftButton);
                return true;
            } else if (game.window.world().levelName == "5.tur") {
                postKey(&game.window, Qt::Key_Right);
            }
            return false;
        });
        game.runToEnd();
        QCOMPARE(question, QStringLiteral("Тура6.turне существует, продолжить ?"));
    }

    void narrowScreenUsesSmallCellsAndMovesCounters() {
        // The offscreen screen is 800 pixels wide: narrower than 866.
        boltik::sound::SilentSounds sounds;
        GameWindow window(sounds);
        window.show();
        QCOMPARE(window.boardCanvas().width(), 19 * 32);
        QVERIFY(window.counterLabel(1)->y() > window.boardCanvas().geometry().bottom());
        QVERIFY(window.counterLabel(0)->y() < window.boardCanvas().y());
    }
};

QTEST_MAIN(GameWindowTest)
#include "test_game_window.moc"
