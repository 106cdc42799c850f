// turtool settings: how the start menu reads a settings file.
#include "Subcommands.h"
#include "core/settings/Settings.h"

namespace turtool {

namespace {

using namespace boltik::settings;

// A text in double quotes, a quote inside doubled.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

std::string picture(const std::string& value, bool icon) {
    switch (icon ? iconValueOf(value) : pictureValueOf(value)) {
        case PictureValue::Default:
            return "def";
        case PictureValue::None:
            return "no";
        case PictureValue::File:
            break;
    }
    return "file " + quoted(value);
}

}  // namespace

int showSettings(const std::string& file, std::ostream& out) {
    const SettingsRead read = readSettingsFile(file);
    if (!read.ok) {
        out << "error: " << read.error << '\n';
        return 1;
    }
    const Settings& s = read.settings;
    out << "editor: ";
    switch (editorAccessOf(s.editorAccess)) {
        case EditorAccess::Open:
            out << "no\n";
            break;
        case EditorAccess::Hidden:
            out << "hide\n";
            break;
        case EditorAccess::Password:
            out << "password " << quoted(s.editorAccess) << '\n';
            break;
    }
    out << "background: " << picture(s.background, false) << '\n'
        << "header: " << picture(s.header, false) << '\n'
        << "icon: " << picture(s.icon, true) << '\n'
        << "caption: " << quoted(s.caption) << '\n'
        << "buttons: " << quoted(s.gameButton) << ' ' << quoted(s.editorButton) << ' '
        << quoted(s.exitButton) << '\n';
    return 0;
}

}  // namespace turtool
