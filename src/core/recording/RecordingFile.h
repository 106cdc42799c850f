// A recording on disk, as a player opens one that somebody else may have written: read
// within bounds, and its level found by its bare name in the folders a player would keep it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/recording/Recording.h"

namespace boltik::recording {

// The largest recording a player opens: a won level's inputs take a few kilobytes.
inline constexpr std::uintmax_t kLargestRecording = 1 << 20;

// Reads and parses a recording file; nothing, and why, when it is not a regular file, is
// larger than kLargestRecording or is not a recording.
std::optional<Recording> readRecording(const std::filesystem::path& file, Refusal& refusal);

// Where the recorded level is: the file of its name, with the recorded checksum, in the play
// directory that holds the recording's folder (replays/ inside it), else beside the
// recording. Nothing when neither holds the level as it was played.
std::optional<std::filesystem::path> findRecordedLevel(const Recording& replay,
                                                       const std::filesystem::path& file);

// The cycle at which a playback gives up on a recording that does not finish its level:
// a thousand past its recorded length.
long playbackLimit(const Recording& replay);

}  // namespace boltik::recording
