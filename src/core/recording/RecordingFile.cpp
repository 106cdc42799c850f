// Reading a recording from disk and finding its level.
#include "core/recording/RecordingFile.h"

#include <fstream>

#include "core/board/LevelNames.h"
#include "core/io/Files.h"

namespace boltik::recording {

namespace fs = std::filesystem;

std::optional<Recording> readRecording(const fs::path& file, Refusal& refusal) {
    std::ifstream in;
    std::string reason;
    if (!io::openRegularFile(file.string(), in, reason)) {
        refusal = {Refusal::Kind::Unreadable, 0, reason};
        return std::nullopt;
    }
    // One byte past the bound tells a file that is too large, however it may grow meanwhile.
    std::string text(kLargestRecording + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kLargestRecording) {
        refusal = {Refusal::Kind::TooLarge, 0,
                   "larger than " + std::to_string(kLargestRecording) +
                       " bytes, too large for a recording"};
        return std::nullopt;
    }
    return parseRecording(text, refusal);
}

std::optional<fs::path> findRecordedLevel(const Recording& replay, const fs::path& file) {
    if (!board::isBareFileName(replay.level)) return std::nullopt;
    std::error_code failed;
    const fs::path folder = fs::absolute(file, failed).parent_path();
    if (failed) return std::nullopt;
    for (const fs::path& place : {folder.parent_path(), folder}) {
        const fs::path level = place / replay.level;
        if (checksumOfFile(level.string()) == replay.checksum) return level;
    }
    return std::nullopt;
}

long playbackLimit(const Recording& replay) {
    return replay.cycles + 1000;
}

}  // namespace boltik::recording
