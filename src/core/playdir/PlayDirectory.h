// The play directory: where the game's files live for a user, seeded from the default content.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace boltik::playdir {

// The play directory: the override when it is set (BOLTIK_PLAY_DIR), else
// $XDG_DATA_HOME/boltik, else ~/.local/share/boltik. Nothing when none can be told (no HOME).
std::optional<std::filesystem::path> playDirectory(const char* override, const char* xdgDataHome,
                                                   const char* home);

// What a seeding did, by file name.
struct SeedReport {
    std::vector<std::string> added;    // new in the play directory
    std::vector<std::string> updated;  // still as seeded before, so brought up to date
    std::vector<std::string> failed;   // could not be written
    // Changed by the user while their default changed: kept as the user left them, and from
    // then on the user's own. Each is named in one seeding only.
    std::vector<std::string> kept;
    // Levels that only changed their name: (old name, new name) for a file brought up to date
    // whose old content is now, unchanged, the default of another name, and is written there.
    std::vector<std::pair<std::string, std::string>> moved;
    std::string error;  // the directory itself could not be made
    // Lines of the record of seeded files too long to read: "FILE: line N is longer than M
    // characters". The files they named count as never seeded.
    std::vector<std::string> problems;
    bool ok() const { return error.empty(); }
};

// Seeds the play directory from the default files (the regular files directly in defaults).
// Each default file is seeded once: a file the user changed or made is never overwritten and
// one the user deleted stays deleted, while a default file new since the last seeding is
// added, and one the user left as it was seeded follows a newer default. What was seeded is
// remembered, with checksums, in kSeedList inside the play directory.
SeedReport seed(const std::filesystem::path& defaults, const std::filesystem::path& playDir);

inline constexpr const char* kSeedList = ".boltik-seeded";

}  // namespace boltik::playdir
