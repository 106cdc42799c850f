// Fuzzes the recording reader, then plays what it accepts. Whatever the bytes: a recording it
// accepts names its level by a bare file name, ends with its cycles line, has its inputs in
// order and within the yields of its cycles, and reads back the same from the text it is
// written as; played headless on a small level under that name, it ends as a game may and
// within its cycle limit.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "Fuzzing.h"
#include "core/board/LevelFile.h"
#include "core/board/LevelNames.h"
#include "core/headless/HeadlessGame.h"
#include "core/loop/MainLoop.h"
#include "core/recording/RecordingFile.h"

namespace {

using namespace boltik;
using fuzz::require;

// Playback is cut short here: the reader's own bound is ten million cycles.
constexpr long kCycleBudget = 200;

// A walled room with the player, a bolt and the capsule.
std::string smallLevel() {
    board::Board b;
    for (int x = 0; x <= board::kLastCol; ++x) {
        for (int y = 0; y <= board::kLastRow; ++y) {
            b.setCode(x, y, board::onRing(x, y) ? board::code::kWall : board::code::kEmpty);
        }
    }
    b.setCode(1, 1, board::code::kPlayer);
    b.setCode(3, 1, board::code::kBolt);
    b.setCode(5, 1, board::code::kCapsule);
    return board::levelText(b, 1);
}

void play(const recording::Recording& r) {
    const long limit = std::min(recording::playbackLimit(r), kCycleBudget);
    try {
        headless::HeadlessGame game(r.seed);
        const headless::Playback played = headless::playRecording(game, r, limit);
        require(played.cycles <= limit, "a playback stops at its cycle limit");
    } catch (const headless::ScriptStop&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto& scratch = fuzz::Scratch::get();
    recording::Refusal refusal;
    const auto r = recording::readRecording(
        scratch.write("recording.txt", {reinterpret_cast<const char*>(data), size}), refusal);
    if (!r) {
        require(!refusal.text.empty(), "a refused recording says why");
        return -1;
    }
    require(board::isBareFileName(r->level), "the level is named by a bare file name");
    require(r->cycles >= 0 && r->cycles <= recording::kMostCycles, "the cycles are within bounds");
    require(std::is_sorted(r->events.begin(), r->events.end(),
                           [](const auto& a, const auto& b) { return a.point < b.point; }),
            "the inputs are in order");
    require(r->events.empty() || r->events.back().point <= loop::yieldsUpTo(r->cycles),
            "the inputs lie within the recorded cycles");
    const std::string text = recording::recordingText(*r);
    std::string error;
    const auto again = recording::parseRecording(text, error);
    require(again && recording::recordingText(*again) == text, "a recording reads back as written");

    // The game loads the level by its bare name where it plays. A name too long for the file
    // system is no level at all: the game asks its question for it.
    std::filesystem::current_path(scratch.path());
    static const std::string level = smallLevel();
    for (const std::string& name : {r->level, r->name}) {
        if (board::isBareFileName(name)) std::ofstream(scratch.path() / name) << level;
    }
    play(*r);
    std::error_code ignored;
    for (const std::string& name : {r->level, r->name}) {
        if (board::isBareFileName(name)) std::filesystem::remove(scratch.path() / name, ignored);
    }
    return 0;
}
