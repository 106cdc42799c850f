// Checks that every sound file the game loads is a well-formed PCM WAV it can play, and that the
// background tune is long enough and loops without a click.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/sound/Sounds.h"

namespace {

using boltik::sound::kEffectFiles;

struct Wav {
    std::uint64_t fileSize = 0;
    std::uint32_t riffSize = 0;
    bool hasFmt = false;
    bool hasData = false;
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint64_t dataOffset = 0;
    std::uint32_t dataSize = 0;
    std::vector<std::int16_t> samples;  // interleaved; filled for 16-bit data only
};

std::uint32_t readLe(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

void readFmt(const std::string& bytes, std::size_t at, Wav& wav) {
    wav.hasFmt = true;
    wav.format = static_cast<std::uint16_t>(readLe(bytes, at, 2));
    wav.channels = static_cast<std::uint16_t>(readLe(bytes, at + 2, 2));
    wav.sampleRate = readLe(bytes, at + 4, 4);
    wav.byteRate = readLe(bytes, at + 8, 4);
    wav.blockAlign = static_cast<std::uint16_t>(readLe(bytes, at + 12, 2));
    wav.bitsPerSample = static_cast<std::uint16_t>(readLe(bytes, at + 14, 2));
}

// Walks the RIFF chunks the way a player does. Returns an empty string when the layout holds
// together, otherwise what is wrong with it.
std::string parseWav(const std::string& bytes, Wav& wav) {
    wav.fileSize = bytes.size();
    if (bytes.size() < 12) return "shorter than a RIFF header";
    if (bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        return "not a RIFF/WAVE file";
    }
    wav.riffSize = readLe(bytes, 4, 4);
    std::size_t pos = 12;
    while (pos + 8 <= bytes.size()) {
        const std::string id = bytes.substr(pos, 4);
        const std::uint32_t size = readLe(bytes, pos + 4, 4);
        if (pos + 8 + size > bytes.size()) return "chunk '" + id + "' runs past the end of file";
        if (id == "fmt ") {
            if (size < 16) return "fmt chunk too short";
            readFmt(bytes, pos + 8, wav);
        } else if (id == "data") {
            wav.hasData = true;
            wav.dataOffset = pos + 8;
            wav.dataSize = size;
        }
        pos += 8 + size + (size & 1u);
    }
    if (!wav.hasFmt || !wav.hasData) return "missing fmt or data chunk";
    if (wav.bitsPerSample == 16) {
        for (std::size_t i = 0; i + 1 < wav.dataSize; i += 2) {
            wav.samples.push_back(static_cast<std::int16_t>(readLe(bytes, wav.dataOffset + i, 2)));
        }
    }
    return "";
}

// Loads and parses one file from the game's data directory, failing the test if it cannot.
Wav loadWav(std::string_view name) {
    const std::string path = std::string(BOLTIK_DATA_DIR) + "/" + std::string(name);
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot open " << path;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Wav wav;
    const std::string problem = parseWav(bytes, wav);
    EXPECT_EQ(problem, "") << path;
    return wav;
}

double durationSeconds(const Wav& wav) {
    return static_cast<double>(wav.dataSize) / static_cast<double>(wav.byteRate);
}

int peakOf(const Wav& wav) {
    int peak = 0;
    for (std::int16_t s : wav.samples) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    return peak;
}

class SoundFiles : public ::testing::TestWithParam<std::string_view> {};

TEST_P(SoundFiles, AreUncompressedPcmTheGameCanPlay) {
    const Wav wav = loadWav(GetParam());
    EXPECT_EQ(wav.format, 1) << "not plain PCM";
    EXPECT_EQ(wav.bitsPerSample, 16);
    EXPECT_TRUE(wav.sampleRate == 22050 || wav.sampleRate == 44100) << wav.sampleRate;
    EXPECT_TRUE(wav.channels == 1 || wav.channels == 2) << wav.channels;
    // A wrong block size or byte rate makes players run the sound at the wrong speed.
    EXPECT_EQ(wav.blockAlign, wav.channels * 2);
    EXPECT_EQ(wav.byteRate, wav.sampleRate * wav.blockAlign);
}

TEST_P(SoundFiles, DeclaredSizesMatchTheFile) {
    const Wav wav = loadWav(GetParam());
    EXPECT_EQ(std::uint64_t{wav.riffSize} + 8, wav.fileSize) << "RIFF size disagrees with file";
    EXPECT_EQ(wav.dataOffset + wav.dataSize, wav.fileSize) << "data chunk does not end the file";
    ASSERT_GT(wav.blockAlign, 0);
    EXPECT_EQ(wav.dataSize % wav.blockAlign, 0u) << "data ends in the middle of a frame";
    EXPECT_GT(wav.dataSize, 0u);
}

TEST_P(SoundFiles, AreAudibleWithoutClipping) {
    const Wav wav = loadWav(GetParam());
    const int peak = peakOf(wav);
    EXPECT_GT(peak, 1000) << "practically silent";  // the quiet step peaks near 4000
    EXPECT_LT(peak, 32000) << "reaches full scale, so it probably clips";
}

INSTANTIATE_TEST_SUITE_P(AllGameSounds, SoundFiles, ::testing::ValuesIn(kEffectFiles),
                         [](const ::testing::TestParamInfo<std::string_view>& info) {
                             const std::string name(info.param);
                             return name.substr(0, name.find('.'));
                         });

// The step plays on every robot step, up to ten times a second: it has to be over before the next
// one starts and sit well below the other effects, or walking turns into a din.
TEST(StepSound, IsShortAndQuietEnoughToRepeatTenTimesASecond) {
    const Wav wav = loadWav("gi.wav");
    ASSERT_GT(wav.byteRate, 0u);
    EXPECT_LE(durationSeconds(wav), 0.1);
    EXPECT_LE(peakOf(wav), 8200) << "louder than about -12 dBFS";
}

TEST(BackgroundMusic, LoopLastsTwentyToSixtySeconds) {
    const Wav wav = loadWav("mus1.wav");
    ASSERT_GT(wav.byteRate, 0u);
    EXPECT_GE(durationSeconds(wav), 20.0);
    EXPECT_LE(durationSeconds(wav), 60.0);
}

// The tune restarts by jumping from its last sample to its first. Both ends must be near silence,
// and stay there for a moment, or the jump is heard as a click.
TEST(BackgroundMusic, LoopEndsMeetNearZeroSoTheRestartDoesNotClick) {
    const Wav wav = loadWav("mus1.wav");
    ASSERT_GE(wav.samples.size(), 100u);
    EXPECT_LE(std::abs(static_cast<int>(wav.samples.front())), 100);
    EXPECT_LE(std::abs(static_cast<int>(wav.samples.back())), 100);
    const std::size_t edge = 20;  // about a millisecond
    for (std::size_t i = 0; i < edge; ++i) {
        EXPECT_LE(std::abs(static_cast<int>(wav.samples[i])), 400) << "sample " << i;
        EXPECT_LE(std::abs(static_cast<int>(wav.samples[wav.samples.size() - 1 - i])), 400)
            << "sample " << i << " from the end";
    }
}

}  // namespace
