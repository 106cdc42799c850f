// The start menu and the settings editor: built from settings.ini, the buttons, the editor's
// password, the failures that lead into the settings editor, and what the editor writes.
#include <QAccessible>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "WindowTesting.h"
#include "core/io/Text.h"
#include "core/settings/Settings.h"
#include "qt/Filesel.h"
#include "qt/FrmMeny.h"
#include "qt/MsgBo.h"
#include "qt/Program.h"
#include "qt/Setting.h"
#include "support/Rig.h"

using namespace boltik;
using qt::FrmMeny;
using qt::Setting;
using testing::TempDir;
using testing::whenShown;

namespace {

void writeSettings(const TempDir& dir, const settings::Settings& s) {
    dir.write("settings.ini", settings::settingsText(s));
}

settings::Settings defaults() {
    return settings::defaultSettings();
}

std::string committedDefault() {
    std::ifstream in(std::string(BOLTIK_DATA_DIR) + "/settings.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A small picture file in the current directory.
void writePicture(const QString& name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(name));
}

}  // namespace

class StartMenuTest : public QObject {
    Q_OBJECT

private slots:
    void builtFromTheFile() {
        TempDir dir;
        writePicture("fon.bmp", {20, 20}, Qt::red);
        writePicture("head.bmp", {40, 16}, Qt::green);
        writePicture("znak.ico", {16, 16}, Qt::blue);
        settings::Settings s = defaults();
        s.editorAccess = "hide";
        s.background = "fon.bmp";
        s.header = "head.bmp";
        s.icon = "znak.ico";
        s.caption = "Болтик";
        s.gameButton = "Играть";
        s.editorButton = "";
        s.exitButton = "Уйти";
        writeSettings(dir, s);
        FrmMeny menu;
        QVERIFY2(menu.load(), qPrintable(menu.failure()));
        QVERIFY(menu.editorButton()->isHidden());
        QCOMPARE(menu.editorTag(), QStringLiteral("hide"));
        QCOMPARE(menu.windowTitle(), QStringLiteral("Болтик"));
        QCOMPARE(menu.gameButton()->text(), QStringLiteral("Играть"));
        QCOMPARE(menu.editorButton()->text(), QString());
        QCOMPARE(menu.exitButton()->text(), QStringLiteral("Уйти"));
        menu.show();
        const QImage shown = menu.grab().toImage();
        QCOMPARE(shown.pixelColor(100, 220), QColor(Qt::red));  // the background tile
        QCOMPARE(shown.pixelColor(100, 8), QColor(Qt::green));  // the header strip
        QVERIFY(!menu.dragHandle()->isHidden());
    }

    void designerPicturesAndNone() {
        TempDir dir;
        settings::Settings s = defaults();
        s.header = "no";
        s.background = "no";
        writeSettings(dir, s);
        FrmMeny menu;
        QVERIFY(menu.load());
        QVERIFY(!menu.editorButton()->isHidden());
        QVERIFY(menu.dragHandle()->isHidden());  // no header strip, nothing to drag by
        menu.show();
        const QImage plain = menu.grab().toImage();
        QCOMPARE(plain.pixelColor(100, 220), plain.pixelColor(20, 60));

        writeSettings(dir, defaults());
        FrmMeny designed;
        QVERIFY(designed.load());
        designed.show();
        const QImage tiled = designed.grab().toImage();
        QVERIFY(tiled.pixelColor(100, 220) != plain.pixelColor(100, 220));
    }

    void theShapeKeepsTheDesignedSizeAndTheHeaderDrags() {
        TempDir dir;
        writeSettings(dir, defaults());
        FrmMeny menu;
        QVERIFY(menu.load());
        menu.show();
        QCOMPARE(menu.mask().boundingRect(), QRect(0, 0, 334, 234));
        QCOMPARE(menu.size(), QSize(334 + 67, 234 + 67));
        QCOMPARE(menu.dragHandle()->width(), menu.width());
        const QPoint before = menu.pos();
        QTest::mousePress(menu.dragHandle(), Qt::LeftButton, {}, QPoint(10, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(40, 25),
                         menu.dragHandle()->mapToGlobal(QPointF(40, 25)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(menu.dragHandle(), &move);
        QTest::mouseRelease(menu.dragHandle(), Qt::LeftButton, {}, QPoint(40, 25));
        QCOMPARE(menu.pos(), before + QPoint(30, 15));
    }

    void pathsThatCannotBeLoadedFail() {
        for (const char* path : {"def ", "DEF", "missing.bmp"}) {
            for (int line : {6, 8, 10}) {
                TempDir dir;
                settings::Settings s = defaults();
                (line == 6 ? s.background : line == 8 ? s.header : s.icon) = path;
                writeSettings(dir, s);
                FrmMeny menu;
                QVERIFY2(!menu.load(), path);
            }
        }
        TempDir dir;
        settings::Settings s = defaults();
        s.icon = "no";  // no "no" case for the icon: a file name
        writeSettings(dir, s);
        QVERIFY(!FrmMeny().load());
        std::string text = settings::settingsText(defaults());
        dir.write("settings.ini", text.substr(0, text.size() - 2 - 5));  // 17 lines
        QVERIFY(!FrmMeny().load());
    }

    void badPictureFilesFailQuickly() {
        TempDir dir;
        // A BMP whose header claims 30000 x 30000 pixels of 24 bits, with no pixels after it.
        std::string huge = "BM";
        auto le = [&huge](uint32_t v, int n) {
            for (int i = 0; i < n; ++i)
                huge += static_cast<char>((v >> (8 * i)) & 0xFF);
        };
        le(54 + 16, 4), le(0, 4), le(54, 4), le(40, 4), le(30000, 4), le(30000, 4);
        le(1, 2), le(24, 2), le(0, 4), le(0, 4), le(2835, 4), le(2835, 4), le(0, 4), le(0, 4);
        huge += std::string(16, '\0');
        dir.write("huge.bmp", huge);
        dir.write("empty.bmp", "");
        std::filesystem::create_directory("folder.bmp");
        QElapsedTimer clock;
        clock.start();
        for (const char* path : {"huge.bmp", "empty.bmp", "folder.bmp"}) {
            settings::Settings s = defaults();
            s.background = path;
            writeSettings(dir, s);
            QVERIFY2(!FrmMeny().load(), path);
        }
        QVERIFY(clock.elapsed() < 5000);
    }

    void bytesOutsideCodePage1251ShowAsQuestionMarks() {
        TempDir dir;
        std::string text = settings::settingsText(defaults());
        text.replace(text.find(io::utf8ToCp1251("Меню\r\nНадпись")), 4,
                     std::string("A\x98"
                                 "B\xFF"));
        dir.write("settings.ini", text);
        FrmMeny menu;
        QVERIFY(menu.load());
        QCOMPARE(menu.windowTitle(), QStringLiteral("A?Bя"));
    }

    void thePasswordOpensTheEditorOnlyWhenExact() {
        TempDir dir;
        settings::Settings s = defaults();
        s.editorAccess = "Ключ";
        writeSettings(dir, s);
        FrmMeny menu;
        QVERIFY(menu.load());
        menu.show();
        QSignalSpy opened(&menu, &FrmMeny::editorRequested);
        const QStringList tries = {"ключ", "Ключ ", "Ключ"};
        for (const QString& entry : tries) {
            whenShown<QInputDialog>([entry](QInputDialog* prompt) {
                QCOMPARE(prompt->windowTitle(), QStringLiteral("БЕЗОПАСНОСТЬ"));
                QCOMPARE(prompt->labelText(),
                         QStringLiteral("ВВЕДИТЕ ПАРОЛЬ ДЛЯ ВХОДА В РЕДАКТОР УРОКОВ"));
                QCOMPARE(prompt->textEchoMode(), QLineEdit::Password);
                QCOMPARE(prompt->textValue(), QString());
                prompt->setTextValue(entry);
                prompt->accept();
            });
            menu.editorButton()->click();
        }
        QCOMPARE(opened.count(), 1);
    }

    void anEmptyPasswordOpensOnEmptyEntryOrCancel() {
        TempDir dir;
        settings::Settings s = defaults();
        s.editorAccess = "";
        writeSettings(dir, s);
        FrmMeny menu;
        QVERIFY(menu.load());
        QSignalSpy opened(&menu, &FrmMeny::editorRequested);
        whenShown<QInputDialog>([](QInputDialog* prompt) { prompt->reject(); });
        menu.editorButton()->click();
        QCOMPARE(opened.count(), 1);
        s.editorAccess = "no";
        writeSettings(dir, s);
        FrmMeny open;
        QVERIFY(open.load());
        QSignalSpy direct(&open, &FrmMeny::editorRequested);
        open.editorButton()->click();  // no prompt at all
        QCOMPARE(direct.count(), 1);
    }

    void theExitQuestion() {
        TempDir dir;
        writeSettings(dir, defaults());
        FrmMeny menu;
        QVERIFY(menu.load());
        menu.show();
        QSignalSpy exits(&menu, &FrmMeny::exitRequested);
        for (int answer : {2, 1}) {
            whenShown<qt::MsgBo>([answer](qt::MsgBo* box) {
                QCOMPARE(box->caption(1)->text(), QStringLiteral("Да"));
                QTest::mouseClick(box->clickArea(answer), Qt::LeftButton);
            });
            menu.exitButton()->click();
            QCOMPARE(exits.count(), answer == 1 ? 1 : 0);
            QVERIFY(menu.isVisible());
        }
    }

    void theSettingsGearIsReachedByTabAndPressedByKeys() {
        TempDir dir;
        writeSettings(dir, defaults());
        FrmMeny menu;
        QVERIFY(menu.load());
        menu.show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QSignalSpy settings(&menu, &FrmMeny::settingsRequested);
        menu.gameButton()->setFocus();
        for (QWidget* next :
             {static_cast<QWidget*>(menu.editorButton()), static_cast<QWidget*>(menu.exitButton()),
              static_cast<QWidget*>(menu.settingsButton())}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(menu.settingsButton(), Qt::Key_Space);
        QCOMPARE(settings.count(), 1);
        QTest::keyClick(menu.settingsButton(), Qt::Key_Return);
        QCOMPARE(settings.count(), 2);
        // F2 opens the settings from anywhere in the menu; a mouse click still does.
        QTest::keyClick(menu.gameButton(), Qt::Key_F2);
        QCOMPARE(settings.count(), 3);
        QTest::mouseClick(menu.settingsButton(), Qt::LeftButton);
        QCOMPARE(settings.count(), 4);
        QAccessibleInterface* gear = QAccessible::queryAccessibleInterface(menu.settingsButton());
        QCOMPARE(gear->role(), QAccessible::Button);
        QCOMPARE(gear->text(QAccessible::Name), QStringLiteral("Настройки"));
        gear->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(settings.count(), 5);
    }

    void aButtonWithABlankCaptionIsStillNamed() {
        TempDir dir;
        settings::Settings s = defaults();
        s.gameButton = "";
        s.exitButton = " ";
        writeSettings(dir, s);
        FrmMeny menu;
        QVERIFY(menu.load());
        const auto name = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        QCOMPARE(name(menu.gameButton()), QStringLiteral("Игра"));
        QCOMPARE(name(menu.editorButton()), QStringLiteral("Редактор"));
        QCOMPARE(name(menu.exitButton()), QStringLiteral("Выход"));
        QCOMPARE(menu.gameButton()->text(), QString());  // the caption stays as the file says
    }

    void theSettingsEditorWritesTheDefaultFileUnchanged() {
        TempDir dir;
        Setting editor;
        editor.show();
        editor.nextButton()->click();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(dir.read("settings.ini"), committedDefault());
    }

    void theSettingsEditorWritesAPasswordOrHide() {
        TempDir dir;
        Setting editor;
        editor.show();
        QVERIFY(editor.passwordBox()->isHidden());
        editor.accessOption(2)->click();
        QVERIFY(editor.passwordBox()->isVisible());
        for (QLineEdit* box : {editor.passwordBox(), editor.confirmationBox()}) {
            QTest::mouseClick(box, Qt::LeftButton);
            QCOMPARE(box->text(), QString());
            QCOMPARE(box->echoMode(), QLineEdit::Password);
            box->insert(QStringLiteral("Секрет"));
        }
        editor.nextButton()->click();
        QCOMPARE(settings::readSettingsFile().settings.editorAccess, std::string("Секрет"));

        Setting hide;
        hide.show();
        hide.accessOption(2)->click();
        hide.accessOption(1)->click();
        QVERIFY(hide.passwordBox()->isHidden());
        hide.nextButton()->click();
        QCOMPARE(settings::readSettingsFile().settings.editorAccess, std::string("hide"));
    }

    void passwordBoxesReachedByTheKeyboardAreMaskedFromTheStart() {
        TempDir dir;
        Setting editor;
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.accessOption(0)->setFocus();
        QTest::keyClick(editor.accessOption(0), Qt::Key_Down);
        QTest::keyClick(editor.accessOption(1), Qt::Key_Down);
        QVERIFY(editor.accessOption(2)->isChecked());
        QVERIFY(editor.passwordBox()->isVisible());
        for (QLineEdit* box : {editor.passwordBox(), editor.confirmationBox()}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), box);
            QCOMPARE(box->echoMode(), QLineEdit::Password);
            QCOMPARE(box->text(), QString());
            QAccessibleInterface* field = QAccessible::queryAccessibleInterface(box);
            QCOMPARE(field->role(), QAccessible::EditableText);
            QVERIFY(field->state().passwordEdit);
            QCOMPARE(field->text(QAccessible::Name), box == editor.passwordBox()
                                                         ? QStringLiteral("Пароль")
                                                         : QStringLiteral("Подтверждение пароля"));
            QTest::keyClicks(box, "pw1");
            QVERIFY(!box->displayText().contains("pw1"));
        }
        // Leaving and coming back keeps what was typed; only a press empties a box again.
        QTest::keyClick(editor.confirmationBox(), Qt::Key_Backtab);
        QCOMPARE(editor.passwordBox()->text(), QStringLiteral("pw1"));
        QTest::keyClick(editor.passwordBox(), Qt::Key_Return);
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(settings::readSettingsFile().settings.editorAccess, std::string("pw1"));
    }

    void mismatchedPasswordsAreRefusedAndNothingIsWritten() {
        TempDir dir;
        dir.write("settings.ini", "old");
        Setting editor;
        editor.show();
        editor.accessOption(2)->click();
        QTest::mouseClick(editor.passwordBox(), Qt::LeftButton);
        QTest::keyClicks(editor.passwordBox(), "one");
        QTest::mouseClick(editor.confirmationBox(), Qt::LeftButton);
        QTest::keyClicks(editor.confirmationBox(), "two");
        editor.nextButton()->click();
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.problem()->text(), QStringLiteral("Пароль и подтверждение не совпадают"));
        QCOMPARE(dir.read("settings.ini"), std::string("old"));
        editor.accessOption(0)->click();  // another option is fine
        editor.nextButton()->click();
        QCOMPARE(settings::readSettingsFile().settings.editorAccess, std::string("no"));
    }

    void aFailedWriteIsReportedAndKeepsTheWindowOpen() {
        TempDir dir;
        dir.write("settings.ini", "old");
        std::filesystem::create_directory("settings.ini.part");
        Setting editor;
        editor.show();
        QString message;
        whenShown<QMessageBox>([&message](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        editor.nextButton()->click();
        QVERIFY(message.startsWith(QStringLiteral("Не удалось записать файл settings.ini: ")));
        QVERIFY(editor.isVisible());
        QCOMPARE(dir.read("settings.ini"), std::string("old"));
    }

    void choosingPicturesAndCancelling() {
        TempDir dir;
        writePicture("fon.bmp", {10, 10}, Qt::red);
        const QString chosen = QDir::current().absoluteFilePath("fon.bmp");
        Setting editor;
        editor.show();
        whenShown<QFileDialog>([&chosen](QFileDialog* dialog) {
            QCOMPARE(dialog->nameFilters().first(), QStringLiteral("Файлы картинок (*.BMP *.gif)"));
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(chosen);
            static_cast<QDialog*>(dialog)->accept();
        });
        editor.chooseButton(0)->click();
        QCOMPARE(editor.valueLabel(0)->text(), chosen);
        QCOMPARE(editor.preview()->grab().toImage().pixelColor(15, 15), QColor(Qt::red));
        // A cancelled dialog keeps every value, the last chosen one too.
        for (int row : {0, 1}) {
            whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
            editor.chooseButton(row)->click();
        }
        QCOMPARE(editor.valueLabel(0)->text(), chosen);
        QCOMPARE(editor.valueLabel(1)->text(), QStringLiteral("def"));
        editor.defaultButton(0)->click();
        QCOMPARE(editor.valueLabel(0)->text(), QStringLiteral("def"));
    }

    void theSettingsEditorsButtonsSayWhatTheySet() {
        TempDir dir;
        Setting editor;
        const auto name = [](QWidget* w) {
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        QCOMPARE(name(editor.chooseButton(1)), QStringLiteral("Выбрать файл: фон заголовка"));
        QCOMPARE(name(editor.defaultButton(2)), QStringLiteral("По умолчанию: значок меню"));
        QCOMPARE(name(editor.captionButton(0)), QStringLiteral("надпись на первой кнопке: Игра"));
        whenShown<QInputDialog>([](QInputDialog* input) {
            input->setTextValue(QStringLiteral("Играть"));
            input->accept();
        });
        editor.captionButton(0)->click();
        QCOMPARE(name(editor.captionButton(0)), QStringLiteral("надпись на первой кнопке: Играть"));
    }

    void buttonTextsAndCancelledInput() {
        TempDir dir;
        Setting editor;
        editor.show();
        whenShown<QInputDialog>([](QInputDialog* input) {
            QCOMPARE(input->labelText(), QStringLiteral("надпись на первой кнопке"));
            QCOMPARE(input->textValue(), QStringLiteral("Игра"));
            input->setTextValue(QStringLiteral("Вперёд"));
            input->accept();
        });
        editor.captionButton(0)->click();
        whenShown<QInputDialog>([](QInputDialog* input) { input->reject(); });
        editor.captionButton(2)->click();
        QCOMPARE(editor.captionButton(0)->text(), QStringLiteral("Вперёд"));
        QCOMPARE(editor.captionButton(2)->text(), QStringLiteral("Выход"));
        editor.nextButton()->click();
        const settings::Settings s = settings::readSettingsFile().settings;
        QCOMPARE(s.gameButton, std::string("Вперёд"));
        QCOMPARE(s.exitButton, std::string("Выход"));
    }

    void aMissingFileLeadsThroughTheSettingsEditorToTheMenu() {
        TempDir dir;
        qt::Program program;
        whenShown<Setting>([](Setting* editor) { editor->nextButton()->click(); });
        QVERIFY(program.start());
        QVERIFY(program.menu() && program.menu()->isVisible());
        QCOMPARE(dir.read("settings.ini"), committedDefault());
    }

    void aBrokenFileAndAnEditorClosedWithoutSavingEndTheProgram() {
        TempDir dir;
        settings::Settings s = defaults();
        s.background = "DEF";
        writeSettings(dir, s);
        qt::Program program;
        int shown = 0;
        whenShown<Setting>([&shown](Setting* editor) {
            ++shown;
            editor->close();
        });
        QVERIFY(!program.start());
        QCOMPARE(shown, 1);
        QVERIFY(!program.menu());
    }

    void theGameButtonOpensTheGameAndClosingItEndsTheProgram() {
        TempDir dir;
        writeSettings(dir, defaults());
        for (auto name : sound::kEffectFiles) {
            std::filesystem::copy_file(std::filesystem::path(BOLTIK_DATA_DIR) / name, name);
        }
        qt::Program program;
        QSignalSpy finished(&program, &qt::Program::finished);
        QVERIFY(program.start());
        QPointer<FrmMeny> menu = program.menu();
        menu->gameButton()->click();
        QVERIFY(program.gameWindow());
        QTRY_VERIFY(menu.isNull());  // the game window closes the menu
        whenShown<qt::Filesel>([](qt::Filesel* chooser) { chooser->close(); });
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
    }
};

QTEST_MAIN(StartMenuTest)
#include "test_start_menu.moc"
