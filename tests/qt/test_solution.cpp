// The game window's help for a stuck player: F2 finds the level's solution and shows it, then
// puts the player back at the level's start; a plate says when the level is certainly lost.
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "WindowTesting.h"
#include "qt/Filesel.h"
#include "qt/GameWindow.h"
#include "qt/MsgBo.h"
#include "support/Rig.h"

using boltik::qt::GameWindow;
using boltik::testing::Level;
using boltik::testing::levelFileText;
using boltik::testing::poll;

namespace {

void postKey(QWidget* window, Qt::Key key) {
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

struct Game {
    boltik::sound::SilentSounds sounds;
    GameWindow window{sounds};
    QSignalSpy ended{&window, &GameWindow::gameEnded};
    QSignalSpy levels{&window, &GameWindow::levelEnded};

    explicit Game(long nanosPerRound = 0) {
        window.setNanosPerRound(nanosPerRound);
        window.show();
        window.start();
    }
    // Picks 1.tur in the chooser when it opens; true once the level is in play.
    bool inPlay() {
        if (auto* chooser = boltik::testing::visibleWindow<boltik::qt::Filesel>()) {
            QTest::keyClick(chooser->nameBox(), Qt::Key_Return);
            return false;
        }
        return window.context().cycles > 2;
    }
    void runToEnd() { QTRY_VERIFY_WITH_TIMEOUT(ended.count() == 1, 20000); }
};

// Nothing but the level and the counter file: no recording, no progress mark.
QStringList filesLeft() {
    QStringList files = QDir(".").entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    files.removeAll(QStringLiteral("1.tur"));
    files.removeAll(QStringLiteral("kilometrach.txt"));
    return files;
}

}  // namespace

class SolutionTest : public QObject {
    Q_OBJECT

private slots:
    void theSolutionIsShownToItsEndAndThePlayerIsBackAtTheStart() {
        boltik::testing::TempDir dir;
        dir.write("1.tur", levelFileText(Level({"##########", "#P..*...C#"}, {}, "1")));
        Game game;
        enum { Choosing, Stepped, Asked, Back } step = Choosing;
        poll([&] {
            auto& w = game.window.world();
            switch (step) {
                case Choosing:
                    if (!game.inPlay()) return false;
                    postKey(&game.window, Qt::Key_Right);  // away from the start
                    step = Stepped;
                    return false;
                case Stepped:
                    if (w.playerX != 2) return false;
                    postKey(&game.window, Qt::Key_F2);
                    step = Asked;
                    return false;
                case Asked:
                    // The solution's level has ended.
                    if (game.levels.count() == 0) return false;
                    step = Back;
                    return false;
                case Back:
                    // The level has loaded again, from its start.
                    if (game.window.showingSolution() || game.window.context().cycles < 2) {
                        return false;
                    }
                    game.window.close();
                    return true;
            }
            return true;
        });
        game.runToEnd();
        const auto& w = game.window.world();
        // The solution won its level; the player's level was left without an end of its own.
        QCOMPARE(game.levels.count(), 1);
        QCOMPARE(game.levels.at(0).at(0).toBool(), true);
        QCOMPARE(w.kolLives.caption(), std::string("10"));
        QCOMPARE(w.kolBolt.caption(), std::string("1"));
        QCOMPARE(w.playerX, int16_t{1});
        QCOMPARE(w.levelName, std::string("1.tur"));
        QCOMPARE(filesLeft(), QStringList());
        QVERIFY(game.window.notePlate()->isHidden());
    }

    void escapeEndsTheShowingWithoutAQuestion() {
        boltik::testing::TempDir dir;
        dir.write("1.tur", levelFileText(Level({"###################", "#P...............C#"})));
        Game game(2630);  // the real pace: the showing takes a few seconds
        bool asked = false, escaped = false, toldEscape = false;
        poll([&] {
            if (qobject_cast<boltik::qt::MsgBo*>(QApplication::activeModalWidget())) {
                asked = true;
                boltik::testing::closeAllWindows();
                return true;
            }
            if (!asked && !escaped && !game.window.showingSolution()) {
                if (game.inPlay()) postKey(&game.window, Qt::Key_F2);
                return false;
            }
            if (!escaped) {
                // Showing, and the robot has started to walk.
                if (game.window.world().playerX < 4) return false;
                toldEscape = game.window.notePlate()->text().contains(QStringLiteral("Esc"));
                postKey(&game.window, Qt::Key_Escape);
                escaped = true;
                return false;
            }
            // The showing ends at once; the level starts again at the next turn of the loop,
            // which on a slow machine may come a little later. Back at the start, with the
            // robot where the level puts it, or the wait runs out and the test fails.
            if (game.window.showingSolution() || game.window.context().cycles < 2 ||
                game.window.world().playerX != 1)
                return false;
            game.window.close();
            return true;
        });
        game.runToEnd();
        QVERIFY(!asked);
        QVERIFY(toldEscape);
        QCOMPARE(game.window.world().playerX, int16_t{1});
        QCOMPARE(game.window.world().kolLives.caption(), std::string("10"));
    }

    void escapeDuringTheSearchCancelsIt() {
        boltik::testing::TempDir dir;
        // Bolts all over an open hall: a search of some seconds.
        dir.write("1.tur", levelFileText(Level(
                               {"###################", "#P...........*...*#", "#....*.......*....#",
                                "#.........*.......#", "#.*....*..........#", "#......*..*...*...#",
                                "#*........*.......#", "#..*.............C#"},
                               {}, "13")));
        Game game;
        bool searching = false, waited = false, told = false;
        poll([&] {
            if (!searching) {
                if (!game.inPlay()) return false;
                game.window.showSolution();
                searching = true;
                // The search waits with the level: nothing moves meanwhile.
                waited = game.window.paused();
                told = game.window.notePlate()->isVisible();
                postKey(&game.window, Qt::Key_Escape);
                return false;
            }
            if (game.window.showingSolution()) return false;
            game.window.close();
            return true;
        });
        game.runToEnd();
        // Stopped, not answered: no note is left, nor a plate of a lost level.
        QVERIFY(game.window.notePlate()->isHidden());
        QVERIFY(game.window.lostPlate()->isHidden());
        QVERIFY(waited);
        QVERIFY(told);
        QCOMPARE(game.levels.count(), 0);  // nothing was shown
    }

    void aResultThatCannotBeWrittenIsToldOnce() {
        boltik::testing::TempDir dir;
        dir.write("1.tur", levelFileText(Level({"#####", "#P.C#"})));
        // The progress file and the recordings' folder are in the way.
        QDir().mkdir(QStringLiteral(".boltik-progress"));
        dir.write("replays", "not a folder");
        Game game;
        QString told;
        poll([&] {
            if (auto* box = qobject_cast<boltik::qt::MsgBo*>(QApplication::activeModalWidget())) {
                // 2.tur is missing: the game ends here.
                told = game.window.notePlate()->text();
                QTest::mouseClick(box->clickArea(2), Qt::LeftButton);
                return true;
            }
            if (game.inPlay() && game.window.world().playerX < 3) {
                postKey(&game.window, Qt::Key_Right);
            }
            return false;
        });
        game.runToEnd();
        QVERIFY2(told.startsWith(QStringLiteral("Результат не записан в папку ")),
                 qPrintable(told));
        QVERIFY(told.contains(QDir::toNativeSeparators(QDir::currentPath())));
    }

    void thePlateSaysSoOnlyWhenTheLevelIsCertainlyLost() {
        struct Case {
            Level level;
            bool lost;
        };
        const Case cases[] = {
            // The bolt is walled off.
            {Level({"#########", "#P..C#*.#"}, {}, "1"), true},
            // Lost too, but only a box is in the way, and boxes are no walls: no plate.
            {Level({"#######", "#PB*.C#"}, {}, "1"), false},
            {Level({"#######", "#P.*.C#"}, {}, "1"), false},
        };
        for (const Case& c : cases) {
            boltik::testing::TempDir dir;
            dir.write("1.tur", levelFileText(c.level));
            Game game;
            poll([&] {
                if (!game.inPlay() || game.window.context().cycles < 5) return false;
                game.window.close();
                return true;
            });
            game.runToEnd();
            QCOMPARE(!game.window.lostPlate()->isHidden(), c.lost);
            QCOMPARE(game.window.lostPlate()->text(),
                     QStringLiteral("Тур не пройти — нажмите «Заново»"));
        }
    }
};

QTEST_MAIN(SolutionTest)
#include "test_solution.moc"
