// settings.ini: the 18 lines read by position and written whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/io/Text.h"
#include "core/settings/Settings.h"
#include "support/Rig.h"

namespace boltik::settings {
namespace {

using io::utf8ToCp1251;

std::string committedDefault() {
    std::ifstream in(std::string(BOLTIK_DATA_DIR) + "/settings.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The default file's lines with line n replaced, joined with the given line end.
std::string withLine(int n, const std::string& value, const std::string& end = "\r\n") {
    std::vector<std::string> lines;
    std::istringstream in(committedDefault());
    for (std::string l; std::getline(in, l);)
        lines.push_back(l.substr(0, l.size() - 1));
    lines[n - 1] = io::utf8ToCp1251(value);
    std::string text;
    for (const auto& l : lines)
        text += l + end;
    return text;
}

TEST(SettingsFile, TheDefaultFileIsWhatTheEditorWritesUnchanged) {
    const std::string text = settingsText(defaultSettings());
    EXPECT_EQ(text, committedDefault());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 18);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find("\n\n"), std::string::npos);
    const SettingsRead read = parseSettings(text);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.settings, defaultSettings());
}

TEST(SettingsFile, ValuesAreComparedExactlyAndNeverTrimmed) {
    struct Case {
        std::string line;
        PictureValue picture, icon;
        EditorAccess access;
    };
    const Case kCases[] = {
        {"def", PictureValue::Default, PictureValue::Default, EditorAccess::Password},
        {"def ", PictureValue::File, PictureValue::File, EditorAccess::Password},
        {"DEF", PictureValue::File, PictureValue::File, EditorAccess::Password},
        {"no", PictureValue::None, PictureValue::File, EditorAccess::Open},
        {"No", PictureValue::File, PictureValue::File, EditorAccess::Password},
        {"hide", PictureValue::File, PictureValue::File, EditorAccess::Hidden},
        {"hide ", PictureValue::File, PictureValue::File, EditorAccess::Password},
        {"", PictureValue::File, PictureValue::File, EditorAccess::Password},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE("\"" + c.line + "\"");
        EXPECT_EQ(pictureValueOf(c.line), c.picture);
        EXPECT_EQ(iconValueOf(c.line), c.icon);
        EXPECT_EQ(editorAccessOf(c.line), c.access);
        const SettingsRead read = parseSettings(withLine(6, c.line));
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.settings.background, c.line);
    }
}

TEST(SettingsFile, SeventeenLinesAreNotEnough) {
    std::string text = committedDefault();
    text.erase(text.rfind("\r\n", text.size() - 3) + 2);
    const SettingsRead read = parseSettings(text);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error, "it has 17 lines, not 18");
    EXPECT_FALSE(parseSettings("").ok);
    // The last line may lack its line end; lines after the 18th are ignored.
    EXPECT_TRUE(parseSettings(committedDefault().substr(0, committedDefault().size() - 2)).ok);
    EXPECT_TRUE(parseSettings(committedDefault() + "extra\r\nlines\r\n").ok);
}

TEST(SettingsFile, CommentLinesAreNeverLookedAt) {
    std::string text = committedDefault();
    for (int n : {1, 2, 4, 5, 7, 9, 11, 13, 15, 17}) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string l; std::getline(in, l);)
            lines.push_back(l);
        lines[n - 1] = "anything at all, line " + std::to_string(n) + "\r";
        text.clear();
        for (const auto& l : lines)
            text += l + "\n";
    }
    const SettingsRead read = parseSettings(text);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.settings, defaultSettings());
}

TEST(SettingsFile, LfLineEndsReadLikeCrLf) {
    const SettingsRead read = parseSettings(withLine(12, "Главное меню", "\n"));
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.settings.caption, "Главное меню");
    EXPECT_EQ(read.settings.exitButton, "Выход");
}

TEST(SettingsFile, MissingFileCannotBeRead) {
    testing::TempDir dir;
    const SettingsRead read = readSettingsFile();
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error, "cannot open the file");
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFile) {
    testing::TempDir dir;
    dir.write("settings.ini", "old");
    std::filesystem::create_directory("settings.ini.part");
    Settings s = defaultSettings();
    s.editorAccess = "hide";
    const io::WriteResult written = writeSettingsFile(s);
    EXPECT_FALSE(written);
    EXPECT_FALSE(written.reason.empty());
    EXPECT_EQ(dir.read("settings.ini"), "old");
    std::filesystem::remove("settings.ini.part");
    ASSERT_TRUE(writeSettingsFile(s));
    EXPECT_EQ(readSettingsFile().settings.editorAccess, "hide");
}

TEST(EditorAccessLine, OptionsAndMatchingPasswords) {
    struct Case {
        AccessOption option;
        std::string password, confirmation;
        PasswordProblem problem;
        std::string line3;
    };
    const Case kCases[] = {
        {AccessOption::NoPassword, "пароль", "подтверждение", PasswordProblem::None, "no"},
        {AccessOption::HideButton, "a", "b", PasswordProblem::None, "hide"},
        {AccessOption::Password, "Секрет", "Секрет", PasswordProblem::None, "Секрет"},
        {AccessOption::Password, "", "", PasswordProblem::None, ""},
        {AccessOption::Password, "Секрет", "секрет", PasswordProblem::Differs, ""},
        {AccessOption::Password, "пароль", "подтверждение", PasswordProblem::Differs, ""},
        {AccessOption::Password, "no", "no", PasswordProblem::Reserved, ""},
        {AccessOption::Password, "hide", "hide", PasswordProblem::Reserved, ""},
        {AccessOption::Password, "ключ→", "ключ→", PasswordProblem::NotStorable, ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.password + "/" + c.confirmation);
        std::string line3 = "untouched";
        EXPECT_EQ(accessLineFor(c.option, c.password, c.confirmation, line3), c.problem);
        EXPECT_EQ(line3, c.problem == PasswordProblem::None ? c.line3 : "untouched");
    }
}

}  // namespace
}  // namespace boltik::settings
