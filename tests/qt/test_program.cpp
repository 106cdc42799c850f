// Starting the program: a sound that cannot be set up ends it before the game window.
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "WindowTesting.h"
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
