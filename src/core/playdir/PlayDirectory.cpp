// Finding and seeding the play directory.
#include "core/playdir/PlayDirectory.h"

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "core/io/Files.h"

namespace boltik::playdir {

namespace fs = std::filesystem;

namespace {

// In the seed list, in place of a checksum: a file the user had before it could be seeded.
const char* const kUsersOwn = "users-own";

std::optional<std::string> readWhole(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The longest line of the seed list: a checksum and a file name.
constexpr std::size_t kLongestSeedLine = 4096;

// The seed list: file name -> checksum of what was seeded.
std::map<std::string, std::string> readSeedList(const fs::path& playDir,
                                                std::vector<std::string>& problems) {
    std::map<std::string, std::string> seeded;
    std::ifstream in(playDir / kSeedList, std::ios::binary);
    std::string line;
    for (int n = 1;; ++n) {
        const io::LineRead read = io::readLine(in, line, kLongestSeedLine);
        if (read == io::LineRead::End) break;
        if (read == io::LineRead::TooLong) {
            problems.push_back((playDir / kSeedList).string() + ": " +
                               io::lineTooLong(n, kLongestSeedLine));
            continue;
        }
        const auto blank = line.find(' ');
        if (blank == std::string::npos) continue;
        seeded[line.substr(blank + 1)] = line.substr(0, blank);
    }
    return seeded;
}

void writeSeedList(const fs::path& playDir, const std::map<std::string, std::string>& seeded) {
    std::string text;
    for (const auto& [name, sum] : seeded)
        text += sum + " " + name + "\n";
    io::writeFileAtomically((playDir / kSeedList).string(), text);
}

}  // namespace

std::optional<fs::path> playDirectory(const char* override, const char* xdgDataHome,
                                      const char* home) {
    if (override && *override) return fs::path(override);
    // A relative XDG_DATA_HOME is invalid and is ignored, as the XDG rules say.
    if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute()) {
        return fs::path(xdgDataHome) / "boltik";
    }
    if (home && *home) return fs::path(home) / ".local" / "share" / "boltik";
    return std::nullopt;
}

SeedReport seed(const fs::path& defaults, const fs::path& playDir) {
    SeedReport report;
    std::error_code error;
    fs::create_directories(playDir, error);
    if (error || !fs::is_directory(playDir, error)) {
        report.error = io::describeFileError(error ? error.value() : ENOTDIR);
        return report;
    }
    auto seeded = readSeedList(playDir, report.problems);
    bool changed = false;
    // For finding the levels that moved: what each updated file held before, and each
    // default's checksum.
    std::map<std::string, std::string> before;
    std::map<std::string, std::string> defaultSums;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(defaults, error)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
    }
    for (const fs::path& file : files) {
        const std::string name = file.filename().string();
        const auto bytes = readWhole(file);
        if (!bytes) continue;
        const std::string sum = io::checksumOf(*bytes);
        defaultSums[name] = sum;
        const fs::path target = playDir / name;
        const auto it = seeded.find(name);
        if (it != seeded.end()) {
            // Seeded before: only a file still as it was seeded follows the default.
            if (it->second == sum) continue;
            const auto now = readWhole(target);
            if (!now) continue;  // deleted by the user: stays deleted
            if (io::checksumOf(*now) != it->second) {
                // Changed by the user while its default changed too: the file keeps the
                // user's version for good, and the player is told once that the new default
                // did not reach it (a renumbered level would otherwise mix in unseen).
                if (it->second != kUsersOwn) {
                    report.kept.push_back(name);
                    it->second = kUsersOwn;
                    changed = true;
                }
                continue;
            }
            if (io::writeFileAtomically(target.string(), *bytes)) {
                report.updated.push_back(name);
                before[name] = it->second;
                it->second = sum;
                changed = true;
            } else {
                report.failed.push_back(name);
            }
            continue;
        }
        // Never seeded: added, unless the user already has a file of that name, which stays
        // the user's for good.
        changed = true;
        if (fs::exists(target, error) || fs::is_symlink(target, error)) {
            seeded[name] = kUsersOwn;
            continue;
        }
        if (io::writeFileAtomically(target.string(), *bytes)) {
            report.added.push_back(name);
            seeded[name] = sum;
        } else {
            report.failed.push_back(name);
            seeded.erase(name);
        }
    }
    if (changed) writeSeedList(playDir, seeded);
    // A level that moved: its old content is now the default of a name written this time.
    for (const auto& [from, oldSum] : before) {
        for (const auto* written : {&report.updated, &report.added}) {
            for (const std::string& to : *written) {
                if (to != from && defaultSums[to] == oldSum) report.moved.emplace_back(from, to);
            }
        }
    }
    return report;
}

}  // namespace boltik::playdir
