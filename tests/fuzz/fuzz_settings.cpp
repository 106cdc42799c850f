// Fuzzes the settings.ini reader: from bytes, from a stream and from a file. Whatever the
// bytes: the three agree; a file reads exactly when it holds 18 lines; what was read, written
// back as the settings editor writes it, reads the same; and a password the settings editor
// accepts reads back as that password.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "Fuzzing.h"
#include "core/settings/Settings.h"

namespace {

using namespace boltik::settings;
using boltik::fuzz::require;

bool sameRead(const SettingsRead& a, const SettingsRead& b) {
    return a.ok == b.ok && a.error == b.error && a.settings == b.settings;
}

// Lines as the reader counts them: every LF ends one, and bytes after the last LF are one
// more.
std::size_t lineCount(std::string_view bytes) {
    std::size_t lines = 0;
    for (const char c : bytes)
        lines += c == '\n';
    return lines + (!bytes.empty() && bytes.back() != '\n');
}

void checkPassword(const Settings& read, const std::string& candidate) {
    std::string line3 = read.editorAccess;
    const PasswordProblem problem =
        accessLineFor(AccessOption::Password, candidate, candidate, line3);
    if (problem != PasswordProblem::None) {
        require(line3 == read.editorAccess, "a refused password leaves line 3 as it was");
        return;
    }
    Settings written = read;
    written.editorAccess = line3;
    const SettingsRead back = parseSettings(settingsText(written));
    require(back.ok && back.settings.editorAccess == candidate &&
                editorAccessOf(back.settings.editorAccess) == EditorAccess::Password,
            "an accepted password reads back as itself, and as a password");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SettingsRead read = parseSettings(bytes);
    std::istringstream in{std::string(bytes)};
    const std::string file = boltik::fuzz::Scratch::get().write("settings.ini", bytes);
    require(sameRead(readSettings(in), read) && sameRead(readSettingsFile(file), read),
            "settings read the same from bytes, a stream and a file");
    require(read.ok == (lineCount(bytes) >= static_cast<std::size_t>(kSettingsLines)),
            "settings read exactly when the file holds 18 lines");
    require(read.ok == read.error.empty(), "a failed read says why, and only a failed one");
    if (!read.ok) return 0;
    const SettingsRead rewritten = parseSettings(settingsText(read.settings));
    require(rewritten.ok && rewritten.settings == read.settings,
            "settings written back as the settings editor writes them read the same");
    for (const std::string* value :
         {&read.settings.editorAccess, &read.settings.caption, &read.settings.exitButton}) {
        checkPassword(read.settings, *value);
    }
    return 0;
}
