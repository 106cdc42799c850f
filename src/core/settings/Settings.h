// settings.ini, the start menu's configuration: 18 lines read by position, comment lines and
// value lines in turn, code page 1251, CR LF line ends.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "core/io/Files.h"

namespace boltik::settings {

inline constexpr const char* kSettingsFileName = "settings.ini";
inline constexpr int kSettingsLines = 18;

// The value lines, in UTF-8, exactly as the file holds them: nothing is trimmed.
struct Settings {
    std::string editorAccess;  // line 3: "no", "hide" or the password (the empty text too)
    std::string background;    // line 6: "def", "no" or a picture file
    std::string header;        // line 8: "def", "no" or a picture file
    std::string icon;          // line 10: "def" or an icon file
    std::string caption;       // line 12: the menu window's caption
    std::string gameButton;    // line 14
    std::string editorButton;  // line 16
    std::string exitButton;    // line 18
    bool operator==(const Settings&) const = default;
};

// Line 3: who may open the level editor. Every comparison is exact and case-sensitive.
enum class EditorAccess {
    Open,      // "no": without a password
    Hidden,    // "hide": the editor button is hidden
    Password,  // anything else, the empty text included
};
EditorAccess editorAccessOf(const std::string& line3);

// Lines 6 and 8 ("def", "no" or a file) and line 10 ("def" or a file; "no" is a file name).
enum class PictureValue { Default, None, File };
PictureValue pictureValueOf(const std::string& line);
PictureValue iconValueOf(const std::string& line);

struct SettingsRead {
    bool ok = false;
    std::string error;  // in English, for tools: why the menu cannot be built from the file
    Settings settings;
};

// Reads the 18 lines; LF line ends are read like CR LF, lines after the 18th are ignored and
// the comment lines are never looked at. Fails for a file that cannot be read or has fewer
// than 18 lines.
SettingsRead readSettings(std::istream& in);
SettingsRead parseSettings(std::string_view bytes);
SettingsRead readSettingsFile(const std::string& path = kSettingsFileName);

// The values the settings editor writes when the user changes nothing.
Settings defaultSettings();

// Line 3 as the settings editor composes it from its three options and two password boxes.
// A password is refused when its confirmation differs, when it is "no" or "hide" (the menu
// would read it as the other options), or when code page 1251 cannot hold it (it would be
// stored changed and could never be typed again); line 3 is then left as it was.
enum class AccessOption { NoPassword, HideButton, Password };
enum class PasswordProblem { None, Differs, Reserved, NotStorable };
PasswordProblem accessLineFor(AccessOption option, const std::string& password,
                              const std::string& confirmation, std::string& line3);

// The whole file as the settings editor writes it: the 18 lines, each ended by CR LF, in code
// page 1251.
std::string settingsText(const Settings& settings);
// Writes that text whole (a temporary file, then a rename): a failed write leaves the old
// file as it was.
io::WriteResult writeSettingsFile(const Settings& settings,
                                  const std::string& path = kSettingsFileName);

}  // namespace boltik::settings
