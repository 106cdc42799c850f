// Finding one's way in the game window: the level on screen, and the help on F1.
#include <QSignalSpy>
#include <QTest>

#include "WindowTesting.h"
#include "qt/Filesel.h"
#include "qt/GameWindow.h"
#include "qt/MsgBo.h"
#include "support/Rig.h"

using namespace boltik;
using qt::GameWindow;
using testing::levelFileText;
using testing::poll;

namespace {

void tap(QWidget* window, Qt::Key key) {
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

void choose(const QString& name) {
    testing::whenShown<qt::Filesel>([name](qt::Filesel* chooser) {
        chooser->nameBox()->setText(name);
        QTest::keyClick(chooser->nameBox(), Qt::Key_Return);
    });
}

const testing::Level kShort{{"#####", "#P*C#", "#####"}, {}, "1"};

}  // namespace

class OrientationTest : public QObject {
    Q_OBJECT

private slots:
    void aLevelIsNamedByItsNumberOrElseItsFileName() {
        using boltik::qt::levelTitle;
        QCOMPARE(levelTitle("7.tur"), QStringLiteral("7"));
        QCOMPARE(levelTitle("007.tur"), QStringLiteral("7"));
        QCOMPARE(levelTitle("/some/where/24.tur"), QStringLiteral("24"));
        QCOMPARE(levelTitle("-1.tur"), QStringLiteral("-1"));
        QCOMPARE(levelTitle("abc.tur"), QStringLiteral("abc"));
        QCOMPARE(levelTitle("99999.tur"), QStringLiteral("99999"));
        // Far too long to be a number worth reading: the name as it is, never 922337…
        const std::string digits(300, '9');
        QCOMPARE(levelTitle(digits + ".tur"), QString::fromStdString(digits));
    }

    // The caption follows every load: the chosen level, a replay after a wreck, the next
    // number; a name without a number shows whole.
    void theLevelCaptionFollowsEveryLoad() {
        testing::TempDir dir;
        dir.write("07.tur", levelFileText(kShort));
        dir.write("8.tur", levelFileText(kShort));
        sound::SilentSounds sounds;
        GameWindow game(sounds);
        game.setNanosPerRound(0);
        choose(QStringLiteral("07"));
        QStringList seen;
        int wrecks = 0;
        poll([&] {
            const QString caption = game.levelCaption()->text();
            if (seen.isEmpty() || seen.back() != caption) seen << caption;
            if (auto* box = testing::visibleWindow<qt::MsgBo>()) {  // 9.tur is missing
                QTest::mouseClick(box->clickArea(2), Qt::LeftButton);
                return true;
            }
            if (game.context().cycles >= 3 && wrecks == 0 && game.world().levelName == "07.tur") {
                ++wrecks;
                QTest::mouseClick(game.replayButton(), Qt::LeftButton);  // wrecked, replayed
            } else if (wrecks > 0 && game.context().cycles > 3 &&
                       game.world().wreckCountdown == 0) {
                tap(&game, Qt::Key_Right);
            }
            return false;
        });
        game.show();
        game.start();
        QTRY_VERIFY_WITH_TIMEOUT(!game.isVisible(), 20000);
        QVERIFY2(seen.contains(QStringLiteral("Тур 7")), qPrintable(seen.join(',')));
        QVERIFY(seen.contains(QStringLiteral("Тур 8")));
        QVERIFY(seen.contains(QStringLiteral("Тур 9")));  // asked about, but named
        QCOMPARE(wrecks, 1);

        dir.write("extra.tur", levelFileText(kShort));
        GameWindow other(sounds);
        other.world().levelName = "extra.tur";
        choose(QStringLiteral("extra.tur"));
        poll([&] {
            if (other.levelCaption()->text() != QStringLiteral("Тур extra")) return false;
            other.close();
            return true;
        });
        other.show();
        other.start();  // the counters and the caption catch up at the first yield
        QTRY_VERIFY_WITH_TIMEOUT(!other.isVisible(), 10000);
        QCOMPARE(other.levelCaption()->text(), QStringLiteral("Тур extra"));
    }

    void f1ShowsTheHelpAndPausesUntilP() {
        testing::TempDir dir;
        dir.write("1.tur", levelFileText({{"#######", "#.b...#", "#######", "#P.*C.#", "#######"},
                                          {{2, 1, board::layer::kParamA, board::Dir::Right}},
                                          "1"}));
        sound::SilentSounds sounds;
        GameWindow game(sounds);
        game.setNanosPerRound(0);
        choose(QStringLiteral("1"));
        int step = 0;
        bool helpShownAndPaused = false, closedByAKeyStillPaused = false;
        long cycles = 0;
        poll([&] {
            switch (step) {
                case 0:
                    if (game.context().cycles < 3) return false;
                    tap(&game, Qt::Key_F1);
                    ++step;
                    return false;
                case 1:
                    if (!game.helpPlate()->isVisible()) return false;
                    // The help alone over the board: the pause plate waits behind it.
                    helpShownAndPaused = game.paused() && !game.pausePlate()->isVisible();
                    cycles = game.context().cycles;
                    QCoreApplication::postEvent(
                        &game, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier));
                    ++step;
                    return false;
                case 2:
                    if (game.helpPlate()->isVisible()) return false;
                    closedByAKeyStillPaused = game.paused() && game.context().cycles == cycles &&
                                              game.pausePlate()->isVisible();
                    tap(&game, Qt::Key_P);
                    ++step;
                    return false;
                default:
                    if (game.context().cycles < cycles + 5) return false;
                    game.close();
                    return true;
            }
        });
        game.show();
        game.start();
        QTRY_VERIFY_WITH_TIMEOUT(!game.isVisible(), 20000);
        QVERIFY(helpShownAndPaused);
        QVERIFY(closedByAKeyStillPaused);
    }
};

QTEST_MAIN(OrientationTest)
#include "test_orientation.moc"
