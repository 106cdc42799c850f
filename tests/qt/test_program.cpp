// Starting the program: a sound that cannot be set up ends it before the game window.
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "WindowTesting.h"
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

    void allSoundsPresentOpensTheGameWindow() {
        boltik::testing::TempDir dir;
        copySoundsExcept("");
        boltik::qt::Program program;
        QVERIFY(program.openGame());
        QVERIFY(program.gameWindow() != nullptr);
    }
};

QTEST_MAIN(ProgramTest)
#include "test_program.moc"
