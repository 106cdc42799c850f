// Starting the program: a sound that cannot be set up ends it before the game window, the play
// directory, and a recording shown with --replay.
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "WindowTesting.h"
#include "core/io/Files.h"
#include "core/recording/RecordingFile.h"
#include "qt/GameWindow.h"
#include "qt/PlayDirectory.h"
#include "qt/Program.h"
#include "support/Rig.h"

namespace {

// Copies the game's sounds into the current directory, leaving one out.
void copySoundsExcept(const std::string& missing) {
    for (auto name : boltik::sound::kEffectFiles) {
        if (name == missing) continue;
        std::filesystem::copy_file(std::filesystem::path(BOLTIK_DATA_DIR) / name, name);
    }
}

// Reads the text of the message box once it is open, then presses OK.
void readMessage(QString& text) {
    boltik::testing::whenShown<QMessageBox>([&text](QMessageBox* box) {
        text = box->text();
        box->accept();
    });
}

// Where the checksum of a file stands in the text of the seed list: its start and length.
std::pair<std::size_t, std::size_t> seededSum(const std::string& list, const std::string& name) {
    const auto at = list.find(" " + name + "\n");
    const auto from = list.rfind('\n', at) + 1;  // npos + 1 is the start
    return {from, at - from};
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void missingSoundNamesThatFileAndOpensNoWindow() {
        boltik::testing::TempDir dir;
        copySoundsExcept("zerk.wav");
        QString text;
        readMessage(text);
        boltik::qt::Program program;
        QVERIFY(!program.openGame());
        QCOMPARE(text, QStringLiteral("Невозможно найти файл zerk.wav"));
        QVERIFY(program.gameWindow() == nullptr);
        QCOMPARE(program.exitCode(), 1);  // a failure, for whoever started the program
    }

    void thePlayDirectoryIsSeededAndEntered() {
        boltik::testing::TempDir dir;
        const QString play = QString::fromStdString((dir.path() / "data" / "boltik").string());
        qputenv("BOLTIK_PLAY_DIR", play.toUtf8());
        QVERIFY(boltik::qt::enterPlayDirectory());
        QCOMPARE(QDir::currentPath(), play);
        for (const char* file : {"settings.ini", "1.tur", "mus1.wav"})
            QVERIFY2(QFile::exists(file), file);
        // Without an override, the place follows XDG_DATA_HOME.
        qunsetenv("BOLTIK_PLAY_DIR");
        const QString xdg = QString::fromStdString((dir.path() / "xdg").string());
        qputenv("XDG_DATA_HOME", xdg.toUtf8());
        QVERIFY(boltik::qt::enterPlayDirectory());
        QCOMPARE(QDir::currentPath(), xdg + "/boltik");
        qunsetenv("XDG_DATA_HOME");
    }

    void aChangedLevelThatANewDefaultPassesByIsTold() {
        boltik::testing::TempDir dir;
        const std::string play = (dir.path() / "play").string();
        qputenv("BOLTIK_PLAY_DIR", QByteArray(play.c_str()));
        QVERIFY(boltik::qt::enterPlayDirectory());
        // The player changed 1.tur, which was seeded from an older default than the shipped one.
        dir.write("play/1.tur", "my own level");
        std::string list = dir.read("play/.boltik-seeded");
        const auto [at, length] = seededSum(list, "1.tur");
        dir.write("play/.boltik-seeded", list.replace(at, length, "older"));
        QString text;
        readMessage(text);
        QVERIFY(boltik::qt::enterPlayDirectory());
        QVERIFY2(text.contains(QStringLiteral("оставлены как были: 1.tur.")), qPrintable(text));
        QCOMPARE(QString::fromStdString(dir.read("play/1.tur")), QStringLiteral("my own level"));
        qunsetenv("BOLTIK_PLAY_DIR");
    }

    void aBestFollowsItsLevelWhenTheCampaignIsRenumbered() {
        boltik::testing::TempDir dir;
        const std::string play = (dir.path() / "play").string();
        qputenv("BOLTIK_PLAY_DIR", QByteArray(play.c_str()));
        QVERIFY(boltik::qt::enterPlayDirectory());
        // As if an earlier edition had levels 1 and 2 the other way round, both finished.
        const std::string one = dir.read("play/1.tur");
        const std::string two = dir.read("play/2.tur");
        dir.write("play/1.tur", two);
        dir.write("play/2.tur", one);
        std::string list = dir.read("play/.boltik-seeded");
        const auto [oneAt, oneLength] = seededSum(list, "1.tur");
        const auto [twoAt, twoLength] = seededSum(list, "2.tur");
        const std::string oneSum = list.substr(oneAt, oneLength);
        const std::string twoSum = list.substr(twoAt, twoLength);
        list.replace(twoAt, twoLength, oneSum);  // 2.tur comes after 1.tur in the list
        list.replace(oneAt, oneLength, twoSum);
        dir.write("play/.boltik-seeded", list);
        dir.write("play/.boltik-progress", "100 0 1.tur\n200 1 2.tur\n300 0 my.tur\n");
        QVERIFY(boltik::qt::enterPlayDirectory());
        QCOMPARE(dir.read("play/1.tur"), one);
        QCOMPARE(QString::fromStdString(dir.read("play/.boltik-progress")),
                 QStringLiteral("200 1 1.tur\n100 0 2.tur\n300 0 my.tur\n"));
        qunsetenv("BOLTIK_PLAY_DIR");
    }

    void noPlaceToPlayIsToldAndEndsTheStart() {
        boltik::testing::TempDir dir;
        dir.write("blocked", "a file, not a directory");
        qputenv("BOLTIK_PLAY_DIR", QByteArray((dir.path() / "blocked" / "play").string().c_str()));
        QString text;
        readMessage(text);
        QVERIFY(!boltik::qt::enterPlayDirectory());
        QVERIFY(text.startsWith(QStringLiteral("Не удалось создать папку игры")));
        qunsetenv("BOLTIK_PLAY_DIR");
    }

    // Recordings are shared: one that names its level by a path, or is too large, is refused
    // with a message before any file is touched or the game window opens.
    void aRecordingOutOfBoundsIsRefusedWithAMessage() {
        boltik::testing::TempDir dir;
        const std::string level = boltik::testing::levelFileText({{"####", "#PC#"}});
        dir.write("x.tur", level);
        std::filesystem::create_directories("play/replays");
        boltik::recording::Recording r;
        r.name = "x.tur";
        r.level = "x.tur";
        r.checksum = boltik::io::checksumOf(level);
        const std::string text = boltik::recording::recordingText(r);
        const auto named = [&](const std::string& name) {
            return "boltik replay 1\nlevel " + name + text.substr(text.find("\nchecksum"));
        };
        const QString byPath = QStringLiteral("уровень назван не именем файла, а путём (строка 2)");
        struct Case {
            std::string text;
            QString reason;
        };
        const Case kCases[] = {
            {named("../x.tur"), byPath},
            {named((dir.path() / "x.tur").string()), byPath},
            {named("a/b.tur"), byPath},
            {named(""), byPath},
            {named(std::string("x.tur\0", 6)), QStringLiteral("запись повреждена (строка 2)")},
            {text + std::string(boltik::recording::kLargestRecording, ' '),
             QStringLiteral("файл больше 1 МиБ, это не запись игры")},
        };
        for (const Case& c : kCases) {
            dir.write("play/replays/r.txt", c.text);
            QString shown;
            readMessage(shown);
            boltik::qt::Program program;
            QVERIFY(!program.startReplay(QStringLiteral("play/replays/r.txt")));
            QVERIFY2(
                shown.startsWith(QStringLiteral("Запись play/replays/r.txt не воспроизвести: ")) &&
                    shown.contains(c.reason),
                qPrintable(shown));
            QVERIFY(program.gameWindow() == nullptr);
        }
        // The same recording naming its level by its bare name plays.
        dir.write("play/replays/r.txt", text);
        std::filesystem::rename("x.tur", "play/x.tur");
        copySoundsExcept("");
        boltik::qt::Program program;
        QVERIFY(program.startReplay(QStringLiteral("play/replays/r.txt")));
        QVERIFY(program.gameWindow() != nullptr);
        program.gameWindow()->close();
    }

    void allSoundsPresentOpensTheGameWindow() {
        boltik::testing::TempDir dir;
        copySoundsExcept("");
        boltik::qt::Program program;
        QVERIFY(program.openGame());
        QVERIFY(program.gameWindow() != nullptr);
    }

    // boltik --replay FILE plays a recording only on the level it was made on.
    void aRecordingPlaysOnlyOnItsOwnLevel_data() {
        QTest::addColumn<QByteArray>("levelNow");  // empty: the level is gone
        QTest::addColumn<bool>("plays");
        QTest::newRow("the same level") << kRecordedLevel << true;
        QTest::newRow("a changed level") << changedLevel() << false;
        QTest::newRow("no level") << QByteArray() << false;
    }
    void aRecordingPlaysOnlyOnItsOwnLevel() {
        QFETCH(QByteArray, levelNow);
        QFETCH(bool, plays);
        boltik::testing::TempDir dir;
        copySoundsExcept("");
        dir.write("7.tur", kRecordedLevel.toStdString());
        boltik::recording::Recording recording;
        recording.level = "7.tur";
        recording.checksum = *boltik::recording::checksumOfFile("7.tur");
        recording.start = boltik::board::StartMode::Again;
        recording.name = "7.tur";
        recording.cycles = 1;
        dir.write("game.txt", boltik::recording::recordingText(recording));
        std::filesystem::remove("7.tur");
        if (!levelNow.isEmpty()) dir.write("7.tur", levelNow.toStdString());

        QString text;
        if (!plays) readMessage(text);
        boltik::qt::Program program;
        QCOMPARE(program.startReplay(QStringLiteral("game.txt")), plays);
        if (!plays) {
            QVERIFY(program.gameWindow() == nullptr);
            QVERIFY2(text.contains(QStringLiteral("уровень 7.tur изменился или его нет")),
                     qPrintable(text));
            return;
        }
        boltik::qt::GameWindow* game = program.gameWindow();
        QVERIFY(game != nullptr);
        bool onItsLevel = false;
        boltik::testing::poll([&] {
            if (game->context().cycles < 1) return false;
            onItsLevel = game->world().levelName == "7.tur";
            game->close();
            return true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(!game->isVisible(), 20000);
        QVERIFY(onItsLevel);
    }

private:
    inline static const QByteArray kRecordedLevel =
        QByteArray::fromStdString(boltik::testing::levelFileText({{"#P*C#"}, {}, "1"}));
    static QByteArray changedLevel() {
        QByteArray level = kRecordedLevel;
        level[level.size() - 3] = '2';  // the bolt count
        return level;
    }
};

QTEST_MAIN(ProgramTest)
#include "test_program.moc"
