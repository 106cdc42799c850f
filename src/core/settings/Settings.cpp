// Reading and writing settings.ini.
#include "core/settings/Settings.h"

#include <array>
#include <fstream>
#include <sstream>

#include "core/io/Text.h"

namespace boltik::settings {

namespace {

// The comment lines 1, 2, 4, 5, 7, 9, 11, 13, 15 and 17 as the settings editor writes them.
const std::array<const char*, 10> kComments = {
    "*********************************Меню***********************************",
    "password к разработке(скрыть кнопку разработка - \"hide\", без пароля - \"no\")",
    "Путь к файлу которым замостится окно(*.bmp) с !!!расширением!!!",
    "no - ничего ; def - по умолчанию",
    "Картинка заголовка параметры как у окна",
    "путь к значку окна меню def ... , путь с расширением(*.ico)",
    "Заголовок окна",
    "Надпись кнопки \"тренинг\"",
    "Надпись кнопки \"разработка\"",
    "Надпись кнопки \"выход\"",
};

// A longer line makes the file unreadable; no path or caption comes near it.
constexpr std::size_t kLongestLine = 32768;

// The value lines, by line number.
std::array<std::string Settings::*, kSettingsLines + 1> valueLines() {
    std::array<std::string Settings::*, kSettingsLines + 1> lines{};
    lines[3] = &Settings::editorAccess;
    lines[6] = &Settings::background;
    lines[8] = &Settings::header;
    lines[10] = &Settings::icon;
    lines[12] = &Settings::caption;
    lines[14] = &Settings::gameButton;
    lines[16] = &Settings::editorButton;
    lines[18] = &Settings::exitButton;
    return lines;
}

}  // namespace

EditorAccess editorAccessOf(const std::string& line3) {
    if (line3 == "no") return EditorAccess::Open;
    if (line3 == "hide") return EditorAccess::Hidden;
    return EditorAccess::Password;
}

PictureValue pictureValueOf(const std::string& line) {
    if (line == "def") return PictureValue::Default;
    if (line == "no") return PictureValue::None;
    return PictureValue::File;
}

PictureValue iconValueOf(const std::string& line) {
    return line == "def" ? PictureValue::Default : PictureValue::File;
}

SettingsRead readSettings(std::istream& in) {
    SettingsRead result;
    const auto values = valueLines();
    std::string line;
    for (int n = 1; n <= kSettingsLines; ++n) {
        const io::LineRead read = io::readLine(in, line, kLongestLine);
        if (read == io::LineRead::TooLong) {
            result.error = io::lineTooLong(n, kLongestLine);
            return result;
        }
        if (read == io::LineRead::End) {
            result.error =
                "it has " + std::to_string(n - 1) + " lines, not " + std::to_string(kSettingsLines);
            return result;
        }
        if (values[n]) result.settings.*values[n] = io::cp1251ToUtf8(line);
    }
    result.ok = true;
    return result;
}

SettingsRead parseSettings(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    return readSettings(in);
}

SettingsRead readSettingsFile(const std::string& path) {
    std::ifstream in;
    std::string reason;
    if (!io::openRegularFile(path, in, reason)) return {false, reason, {}};
    return readSettings(in);
}

Settings defaultSettings() {
    return {"no", "def", "def", "def", "Меню", "Игра", "Редактор", "Выход"};
}

PasswordProblem accessLineFor(AccessOption option, const std::string& password,
                              const std::string& confirmation, std::string& line3) {
    switch (option) {
        case AccessOption::NoPassword:
            line3 = "no";
            return PasswordProblem::None;
        case AccessOption::HideButton:
            line3 = "hide";
            return PasswordProblem::None;
        case AccessOption::Password:
            break;
    }
    if (password != confirmation) return PasswordProblem::Differs;
    if (editorAccessOf(password) != EditorAccess::Password) return PasswordProblem::Reserved;
    if (io::cp1251ToUtf8(io::utf8ToCp1251(password)) != password) {
        return PasswordProblem::NotStorable;
    }
    line3 = password;
    return PasswordProblem::None;
}

std::string settingsText(const Settings& settings) {
    const auto values = valueLines();
    std::string text;
    std::size_t comment = 0;
    for (int n = 1; n <= kSettingsLines; ++n) {
        text += values[n] ? io::utf8ToCp1251(settings.*values[n])
                          : io::utf8ToCp1251(kComments[comment++]);
        text += "\r\n";
    }
    return text;
}

io::WriteResult writeSettingsFile(const Settings& settings, const std::string& path) {
    return io::writeFileAtomically(path, settingsText(settings));
}

}  // namespace boltik::settings
