// What players expect beside the rules: pause, the sound toggle and its memory, the chooser's
// marks of finished levels, and recordings of won levels that play back exactly.
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <ctime>
#include <filesystem>
#include <sstream>

#include "Commands.h"
#include "Subcommands.h"
#include "WindowTesting.h"
#include "core/progress/Progress.h"
#include "core/session/Sessions.h"
#include "qt/Filesel.h"
#include "qt/GameKeys.h"
#include "qt/GameWindow.h"
#include "qt/MsgBo.h"
#include "support/Rig.h"

using namespace boltik;
using qt::GameWindow;
using testing::levelFileText;
using testing::poll;

namespace {

class MutingSounds : public sound::SilentSounds {
public:
    void setMuted(bool muted) override { mutes.push_back(muted); }
    std::vector<bool> mutes;
};

void post(QWidget* window, QEvent::Type type, Qt::Key key,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QCoreApplication::postEvent(window, new QKeyEvent(type, key, modifiers));
}

void tap(QWidget* window, Qt::Key key) {
    post(window, QEvent::KeyPress, key);
    post(window, QEvent::KeyRelease, key);
}

// The process's own CPU time, in milliseconds.
double cpuMilliseconds() {
    return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}

// The chooser answered with a level name once it opens.
void choose(const QString& name) {
    testing::whenShown<qt::Filesel>([name](qt::Filesel* chooser) {
        chooser->nameBox()->setText(name);
        QTest::keyClick(chooser->nameBox(), Qt::Key_Return);
    });
}

// Three guns over a wall, drawing numbers at every step, and a robot safe below them.
const testing::Level kGunRoom{
    {"#########", "#.v.v.v.#", "#.......#", "#.......#", "#########", "#P..*..C#", "#########"},
    {},
    "1"};

// A room with a bat shuttling forever, so cycles always change something.
const testing::Level kBatRoom{{"#######", "#.b...#", "#######", "#P.*C.#", "#######"},
                              {{2, 1, board::layer::kParamA, board::Dir::Right}},
                              "1"};

std::string dump(GameWindow& window, const char* result) {
    std::ostringstream out;
    turtool::printDump(out, result, window.context());
    return out.str();
}

}  // namespace

class ComfortsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The player's choices go to a configuration folder of this test's own.
        config_ = QDir::temp().filePath(QStringLiteral("boltik-config-test"));
        QDir(config_).removeRecursively();
        qputenv("XDG_CONFIG_HOME", config_.toUtf8());
        QCoreApplication::setOrganizationName(QStringLiteral("boltik"));
        QCoreApplication::setApplicationName(QStringLiteral("boltik"));
    }

    // The game runs inside the window's timer until it ends, so each test drives it from a
    // polling step that runs at the game's own yields, and checks what it saw at the end.
    void pauseStopsTheLoopAndSleepsUntilTheKey() {
        testing::TempDir dir;
        dir.write("1.tur", levelFileText(kBatRoom));
        sound::SilentSounds sounds;
        GameWindow game(sounds);
        game.setNanosPerRound(0);
        choose(QStringLiteral("1"));
        int step = 0;
        long cyclesAtPause = 0;
        long cyclesAfterWait = -1;
        double cpuWhilePaused = 0;
        bool plateShown = false;
        QElapsedTimer clock;
        double cpu = 0;
        poll([&] {
            const long cycles = game.context().cycles;
            switch (step) {
                case 0:
                    if (cycles > 5) tap(&game, Qt::Key_P), ++step;
                    return false;
                case 1:
                    if (!game.paused()) return false;
                    plateShown =
                        game.pausePlate()->isVisible() &&
                        game.pausePlate()->text() == QStringLiteral("Пауза\nP — продолжить");
                    cyclesAtPause = cycles;
                    cpu = cpuMilliseconds();
                    clock.start();
                    ++step;
                    return false;
                case 2:
                    if (clock.elapsed() < 400) return false;
                    cyclesAfterWait = cycles;
                    cpuWhilePaused = cpuMilliseconds() - cpu;
                    tap(&game, Qt::Key_Pause);
                    ++step;
                    return false;
                default:
                    if (cycles <= cyclesAtPause + 5) return false;
                    plateShown = plateShown && !game.pausePlate()->isVisible();
                    game.close();
                    return true;
            }
        });
        game.show();
        game.start();
        QTRY_VERIFY_WITH_TIMEOUT(!game.isVisible(), 20000);
        QVERIFY(plateShown);
        QCOMPARE(cyclesAfterWait, cyclesAtPause);  // nothing advanced while paused
        QVERIFY2(cpuWhilePaused < 150, "the pause must sleep, not spin");
    }

    void losingTheFocusPausesAndAReleaseClearsItsRequest() {
        testing::TempDir dir;
        dir.write("1.tur", levelFileText(kBatRoom));
        sound::SilentSounds sounds;
        GameWindow game(sounds);
        game.setNanosPerRound(0);
        choose(QStringLiteral("1"));
        int step = 0;
        long cyclesAtResume = 0;
        bool pausedByFocus = false, stillPaused = false;
        int16_t requestAfterRelease = -1;
        poll([&] {
            const long cycles = game.context().cycles;
            switch (step) {
                case 0:  // the right arrow held down: its first press moves the robot
                    if (cycles <= 5) return false;
                    post(&game, QEvent::KeyPress, Qt::Key_Right);
                    ++step;
                    return false;
                case 1:  // then a repeat asks again, and the focus goes
                    if (game.world().playerX != 2) return false;
                    post(&game, QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
                    game.applicationStateChanged(Qt::ApplicationInactive);
                    pausedByFocus = game.paused();
                    post(&game, QEvent::KeyPress, Qt::Key_Right);  // ignored while paused
                    post(&game, QEvent::KeyRelease, Qt::Key_Right);
                    ++step;
                    return false;
                case 2:
                    requestAfterRelease = game.world().requests.key[board::Dir::Right];
                    game.applicationStateChanged(Qt::ApplicationActive);
                    stillPaused = game.paused();  // only the key resumes
                    tap(&game, Qt::Key_P);
                    cyclesAtResume = cycles;
                    ++step;
                    return false;
                default:
                    if (cycles <= cyclesAtResume + 10) return false;
                    game.close();
                    return true;
            }
        });
        game.show();
        game.start();
        QTRY_VERIFY_WITH_TIMEOUT(!game.isVisible(), 20000);
        QVERIFY(pausedByFocus);
        QVERIFY(stillPaused);
        QCOMPARE(requestAfterRelease, int16_t{0});
        QCOMPARE(int(game.world().playerX), 2);  // nothing moved by itself
    }

    void theSoundToggleIsRemembered() {
        testing::TempDir dir;
        QSettings().remove(QStringLiteral("sound/muted"));
        {
            MutingSounds sounds;
            GameWindow game(sounds);
            QVERIFY(!game.muted());
            QTest::keyClick(&game, Qt::Key_M);
            QVERIFY(game.muted());
            QCOMPARE(sounds.mutes.back(), true);
        }
        MutingSounds sounds;
        GameWindow again(sounds);
        QVERIFY(again.muted());
        QCOMPARE(sounds.mutes, std::vector<bool>{true});
        QTest::keyClick(&again, Qt::Key_M);
        QCOMPARE(QSettings().value(QStringLiteral("sound/muted")).toBool(), false);
        QVERIFY(std::filesystem::exists(config_.toStdString() + "/boltik/boltik.conf"));
    }

    void pauseAndMuteAreKeysByTheirPlaceOnARussianLayout() {
        testing::TempDir dir;
        QSettings().remove(QStringLiteral("sound/muted"));
        MutingSounds sounds;
        GameWindow game(sounds);
        // The keys that type З and Ь on a Russian layout are where P and M are; X11 gives their
        // scan codes too, the offscreen platform only the letters.
        const auto press = [&game](Qt::Key key, quint32 scanCode, const QString& text) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, scanCode, 0, 0, text);
            QApplication::sendEvent(&game, &event);
        };
        press(Qt::Key(u'З'), 33, QStringLiteral("з"));
        QVERIFY(game.paused());
        press(Qt::Key(u'З'), 33, QStringLiteral("з"));
        QVERIFY(!game.paused());
        press(Qt::Key(u'Ь'), 58, QStringLiteral("ь"));
        QVERIFY(game.muted());
        // A short note says which.
        QVERIFY(game.notePlate()->isVisibleTo(&game));
        QCOMPARE(game.notePlate()->text(), QStringLiteral("Звук выключен"));
        press(Qt::Key(u'Ь'), 58, QStringLiteral("ь"));
        QVERIFY(!game.muted());
        QCOMPARE(game.notePlate()->text(), QStringLiteral("Звук включён"));
        // The letters by place, as the editor's Ctrl+Z and Ctrl+S take them too.
        QCOMPARE(qt::keyByPlace(u'Я'), int(Qt::Key_Z));
        QCOMPARE(qt::keyByPlace(u'Ы'), int(Qt::Key_S));
        QCOMPARE(qt::keyByPlace(u'Н'), int(Qt::Key_Y));
        QCOMPARE(qt::keyByPlace(Qt::Key_F1), int(Qt::Key_F1));
    }

    void theBoardShowsWhatStruckTheRobotTheTeleporterPairsAndAReadyShot() {
        testing::TempDir dir;
        // The ammunition lies next to the robot; a magnet at (6, 2) faces the row below, and a
        // teleporter pair waits further down.
        const testing::Level level{{"########", "#Pa....#", "#.....M#", "#.T..T.#", "#......#"},
                                   {{6, 2, board::layer::kParamB, board::Dir::Left},
                                    {2, 3, board::layer::kParamA, 5},
                                    {2, 3, board::layer::kParamB, 3},
                                    {5, 3, board::layer::kParamA, 2},
                                    {5, 3, board::layer::kParamB, 3}}};
        dir.write("1.tur", levelFileText(level));
        sound::SilentSounds sounds;
        GameWindow game(sounds);
        game.setNanosPerRound(qt::kDefaultNanosPerRound / 3);
        choose(QStringLiteral("1"));
        bool pairsShown = false, pairsGone = false, readyShown = false;
        std::optional<QRect> struck;
        enum { Start, Pairs, Ammo, Loaded, Ready, Wreck } phase = Start;
        long loadedAt = 0;
        poll([&] {
            const long cycles = game.context().cycles;
            switch (phase) {
                case Start:
                    if (cycles < 3) return false;
                    // Held T: one line for the pair; released, none. The key that types Е
                    // on a Russian layout is where T is.
                    post(&game, QEvent::KeyPress, Qt::Key(u'Е'));
                    phase = Pairs;
                    return false;
                case Pairs:
                    pairsShown = game.boardMarks()->pairs().size() == 1;
                    post(&game, QEvent::KeyRelease, Qt::Key_T);
                    phase = Ammo;
                    return false;
                case Ammo:
                    pairsGone = !game.boardMarks()->showsPairs();
                    tap(&game, Qt::Key_Right);  // the ammunition
                    loadedAt = cycles;
                    phase = Loaded;
                    return false;
                case Loaded:
                    // The shot is ready ten cycles after the start; then down into the
                    // magnet's line of fire.
                    readyShown = readyShown || game.shotReadySign()->isVisible();
                    if (readyShown || cycles > loadedAt + 40) {
                        tap(&game, Qt::Key_Down);
                        phase = Ready;
                    }
                    return false;
                case Ready:
                    if (game.world().wreckCountdown != 0) {
                        struck = game.boardMarks()->struck();
                        phase = Wreck;
                    }
                    return false;
                case Wreck:
                    game.close();
                    return true;
            }
            return true;
        });
        game.show();
        game.start();
        QTRY_VERIFY_WITH_TIMEOUT(!game.isVisible(), 20000);
        QVERIFY(pairsShown);
        QVERIFY(pairsGone);
        QVERIFY(readyShown);
        QVERIFY(struck);
        const board::Board& b = game.world().board;
        QCOMPARE(struck->topLeft(),
                 QPoint(b.at(6, 2, board::layer::kLeft), b.at(6, 2, board::layer::kTop)));
    }

    void theChooserMarksFinishedLevels() {
        testing::TempDir dir;
        dir.write("1.tur", levelFileText(kBatRoom));
        dir.write("2.tur", levelFileText(kBatRoom));
        progress::Progress progress;
        progress.record("2.tur", 40, 1);
        progress.record("2.tur", 55, 0);
        QVERIFY(progress.save());
        qt::Filesel chooser;
        QCOMPARE(chooser.nameBox()->text(), QStringLiteral("1"));
        QCOMPARE(chooser.fileList()->count(), 2);
        QListWidgetItem* open = chooser.fileList()->item(0);
        QListWidgetItem* done = chooser.fileList()->item(1);
        QCOMPARE(open->text(), QStringLiteral("1.tur"));
        QCOMPARE(done->text(), QStringLiteral("2.tur"));
        QVERIFY(open->icon().isNull());
        QVERIFY(!done->icon().isNull());
        QCOMPARE(done->toolTip(),
                 QStringLiteral("Пройден. Лучший результат: 40 циклов, потеряно жизней: 0"));
    }

    // Backspace twice, then the level won: the recording holds the timeline finally played.
    void rewindTakesTheLevelBackAndTheRecordingKeepsWhatWasPlayed() {
        testing::TempDir dir;
        // The guns draw at every step: a rewind must put their generator back too.
        dir.write("7.tur", levelFileText(kGunRoom));
        sound::SilentSounds sounds;
        std::string live;
        int rewinds = 0;
        bool wentBack = false;
        {
            GameWindow game(sounds);
            game.setNanosPerRound(qt::kDefaultNanosPerRound /
                                  3);  // thirty cycles a second: each is seen
            QObject::connect(&game, &GameWindow::levelEnded, [&](bool finished) {
                if (finished) live = dump(game, "done");
            });
            choose(QStringLiteral("7"));
            enum { Walk, Rewound, WalkOn, RewoundAgain, Finish } phase = Walk;
            long last = 0;
            poll([&] {
                if (auto* box = testing::visibleWindow<qt::MsgBo>()) {  // 8.tur is missing
                    QTest::mouseClick(box->clickArea(2), Qt::LeftButton);
                    return true;
                }
                if (game.world().levelName != "7.tur") return false;
                const long cycles = game.context().cycles;
                const int x = game.world().playerX;
                switch (phase) {
                    case Walk:  // two steps, then back to before the second
                        if (cycles >= 20 && x == 1) tap(&game, Qt::Key_Right);
                        if (cycles >= 60 && x == 2) tap(&game, Qt::Key_Right);
                        if (x == 3) {
                            // Thirty cycles back from just after the second step.
                            tap(&game, Qt::Key_Backspace);
                            ++rewinds;
                            last = cycles;
                            phase = Rewound;
                        }
                        break;
                    case Rewound:  // the second step undone
                        if (cycles < last) {
                            wentBack = x < 3;
                            phase = WalkOn;
                        }
                        break;
                    case WalkOn:
                        if (cycles >= last + 10) {
                            tap(&game, Qt::Key_Backspace);
                            ++rewinds;
                            last = cycles;
                            phase = RewoundAgain;
                        }
                        break;
                    case RewoundAgain:
                        if (cycles < last) phase = Finish;
                        break;
                    case Finish:  // on to the bolt and the capsule
                        if (cycles % 5 == 0) tap(&game, Qt::Key_Right);
                        break;
                }
                return false;
            });
            game.show();
            game.start();
            QTRY_VERIFY_WITH_TIMEOUT(!live.empty() && !game.isVisible(), 20000);
            QCOMPARE(game.world().kolLives.caption(), std::string("10"));
        }
        QCOMPARE(rewinds, 2);
        QVERIFY(wentBack);
        const QStringList replays = QDir(QStringLiteral("replays")).entryList(QDir::Files);
        QCOMPARE(replays.size(), 1);
        std::ostringstream out, err;
        QCOMPARE(
            turtool::runCommand({"replay", "replays/" + replays.first().toStdString()}, out, err),
            0);
        QCOMPARE(QString::fromStdString(out.str()), QString::fromStdString(live));
        // The best result says it was played with rewind.
        QVERIFY(progress::Progress::load().best("7.tur")->rewound);
    }

    // A level with guns played through the window; turtool replays the recording it wrote to
    // the same end, and the window plays it back to the same end too.
    void aWonLevelIsRecordedAndPlaysBackExactly() {
        testing::TempDir dir;
        dir.write("7.tur", levelFileText(kGunRoom));
        sound::SilentSounds sounds;
        std::string live;
        {
            GameWindow game(sounds);
            game.setNanosPerRound(0);
            QObject::connect(&game, &GameWindow::levelEnded, [&](bool finished) {
                if (finished) live = dump(game, "done");
            });
            choose(QStringLiteral("7"));
            int steps = 0;
            poll([&] {
                if (auto* box = testing::visibleWindow<qt::MsgBo>()) {  // 8.tur is missing
                    QTest::mouseClick(box->clickArea(2), Qt::LeftButton);
                    return true;
                }
                if (game.world().levelName == "7.tur" && game.context().cycles > 20 * (steps + 1)) {
                    ++steps;
                    tap(&game, Qt::Key_Right);
                }
                return false;
            });
            game.show();
            game.start();
            QTRY_VERIFY_WITH_TIMEOUT(!live.empty() && !game.isVisible(), 20000);
        }
        const QStringList replays = QDir(QStringLiteral("replays")).entryList(QDir::Files);
        QCOMPARE(replays.size(), 1);
        const std::string file = "replays/" + replays.first().toStdString();

        std::ostringstream out, err;
        QCOMPARE(turtool::runCommand({"replay", file}, out, err), 0);
        QCOMPARE(QString::fromStdString(out.str()), QString::fromStdString(live));

        std::string shown;
        {
            GameWindow game(sounds);
            game.setNanosPerRound(0);
            QObject::connect(&game, &GameWindow::levelEnded, [&](bool finished) {
                if (finished) shown = dump(game, "done");
            });
            std::ifstream in(file);
            std::string error;
            auto recording = recording::parseRecording(
                std::string(std::istreambuf_iterator<char>(in), {}), error);
            QVERIFY(recording);
            game.show();
            game.play(std::make_unique<session::Playback>(std::move(*recording)));
            QTRY_VERIFY_WITH_TIMEOUT(!game.isVisible(), 20000);
        }
        QCOMPARE(QString::fromStdString(shown), QString::fromStdString(live));

        // The level recorded in the progress file, with no life lost.
        QCOMPARE(progress::Progress::load().best("7.tur")->livesLost, 0L);

        // A changed level is refused.
        std::string level = dir.read("7.tur");
        level[level.size() - 3] = '2';
        dir.write("7.tur", level);
        std::ostringstream out2, err2;
        QCOMPARE(turtool::runCommand({"replay", file}, out2, err2), 1);
        QVERIFY(err2.str().find("is not the one this game was played on") != std::string::npos);
    }

private:
    QString config_;
};

QTEST_MAIN(ComfortsTest)
#include "test_comforts.moc"
