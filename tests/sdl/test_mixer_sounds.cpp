// Opens the sound effects through SDL2_mixer in a temporary play directory and plays them on
// SDL's dummy driver, which consumes sound in real time, so effects end after their length.

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

#include "Wav.h"
#include "sdl/MixerSounds.h"
#include "support/Rig.h"

namespace {

using boltik::sdl::MixerSounds;
using boltik::sound::Effect;
using boltik::sound::kEffectFiles;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

const std::string kNoDevice =
    "Невозможно инициализировать DirectSound. Убедитесь в том, что ваша звуковая карта "
    "правильно установлена.";

// A 440 Hz tone, 16-bit mono PCM at 22050 Hz.
std::string toneWav(double seconds) {
    const std::uint32_t rate = 22050;
    const auto frames = static_cast<std::uint32_t>(seconds * rate);
    std::vector<std::int16_t> samples;
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double sample = 8000.0 * std::sin(2.0 * std::numbers::pi * 440.0 * i / rate);
        samples.push_back(static_cast<std::int16_t>(sample));
    }
    return sndgen::encodeWav(samples, rate);
}

bool audioClosed() {
    return SDL_WasInit(SDL_INIT_AUDIO) == 0 && Mix_QuerySpec(nullptr, nullptr, nullptr) == 0;
}

// Polls until the condition holds or the time is up; returns whether it came to hold.
bool within(Clock::duration limit, const std::function<bool()>& condition) {
    const auto end = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > end) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

class PlayDirectory : public ::testing::Test {
protected:
    void writeTones(double seconds) {
        const std::string wav = toneWav(seconds);
        for (auto name : kEffectFiles)
            dir_.write(std::string(name), wav);
    }

    std::unique_ptr<MixerSounds> open() {
        message_.clear();
        auto sounds = MixerSounds::open(message_);
        EXPECT_EQ(sounds != nullptr, message_.empty()) << message_;
        return sounds;
    }

    boltik::testing::TempDir dir_;
    std::string message_;
};

using SoundOpening = PlayDirectory;

// WAV files as they come damaged: what is there plays, what cannot be read is named.
TEST_F(SoundOpening, DamagedFilesPlayWhatIsThereOrAreNamed) {
    writeTones(0.2);
    const std::string tone = toneWav(0.2);
    struct Case {
        const char* name;
        std::string bytes;
        bool loads;
    };
    std::string overclaiming = tone;
    overclaiming[40] = '\xFF';  // the data chunk claims far more than follows
    overclaiming[41] = '\xFF';
    const Case kCases[] = {
        {"truncated", tone.substr(0, tone.size() / 2), true},
        {"claims more than it holds", overclaiming, true},
        {"header only", tone.substr(0, 30), false},
        {"empty", "", false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        dir_.write("zerk.wav", c.bytes);
        auto sounds = open();
        EXPECT_EQ(sounds != nullptr, c.loads) << message_;
        if (!c.loads) {
            EXPECT_EQ(message_, "Невозможно найти файл zerk.wav");
        }
    }
    std::filesystem::remove(dir_.path() / "zerk.wav");
    std::filesystem::create_directory(dir_.path() / "zerk.wav");
    EXPECT_EQ(open(), nullptr);
    EXPECT_EQ(message_, "Невозможно найти файл zerk.wav");
}

TEST_F(SoundOpening, LoadsTheTwelveGameSoundsFromTheCurrentDirectory) {
    for (auto name : kEffectFiles) {
        std::filesystem::copy_file(std::filesystem::path(BOLTIK_DATA_DIR) / name,
                                   dir_.path() / name);
    }
    auto sounds = open();
    ASSERT_NE(sounds, nullptr);
    for (int i = 0; i < boltik::sound::kEffectCount; ++i)
        EXPECT_FALSE(sounds->isPlaying(static_cast<Effect>(i))) << kEffectFiles[i];
}

TEST_F(SoundOpening, OpensAgainAfterTheFirstIsClosed) {
    writeTones(0.2);
    for (int round = 0; round < 2; ++round) {
        auto sounds = open();
        ASSERT_NE(sounds, nullptr) << "round " << round;
        boltik::sound::restartAndPlay(*sounds, Effect::EatBolt);
        EXPECT_TRUE(sounds->isPlaying(Effect::EatBolt)) << "round " << round;
        sounds.reset();
        EXPECT_TRUE(audioClosed()) << "round " << round;
    }
}

// Both would drive the one mixer of the process, on the same channels.
TEST_F(SoundOpening, RefusesASecondWhileOneIsOpen) {
    writeTones(0.2);
    auto first = open();
    ASSERT_NE(first, nullptr);
    std::string message;
    EXPECT_EQ(MixerSounds::open(message), nullptr);
    EXPECT_EQ(message, kNoDevice);
    boltik::sound::restartAndPlay(*first, Effect::Gi);
    EXPECT_TRUE(first->isPlaying(Effect::Gi));
}

TEST_F(SoundOpening, WithoutAnAudioDeviceReportsTheDeviceAndClosesEverything) {
    writeTones(0.2);
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = driver ? driver : "dummy";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    auto sounds = open();
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    EXPECT_EQ(sounds, nullptr);
    EXPECT_EQ(message_, kNoDevice);
    EXPECT_TRUE(audioClosed());
    EXPECT_NE(open(), nullptr) << "a failed open must not block the next one";
}

struct BadFiles {
    std::string name;
    std::vector<std::string> missing;
    std::vector<std::string> unreadable;  // present but not a WAV
    std::string reported;
};

class SoundFileFailures : public PlayDirectory, public ::testing::WithParamInterface<BadFiles> {};

TEST_P(SoundFileFailures, NameTheFirstFileInLoadOrderThatDoesNotLoad) {
    writeTones(0.1);
    for (const auto& name : GetParam().missing)
        std::filesystem::remove(dir_.path() / name);
    for (const auto& name : GetParam().unreadable)
        dir_.write(name, "RIFF, but not really");
    EXPECT_EQ(open(), nullptr);
    EXPECT_EQ(message_, "Невозможно найти файл " + GetParam().reported);
    EXPECT_TRUE(audioClosed());
}

INSTANTIATE_TEST_SUITE_P(
    MissingOrBroken, SoundFileFailures,
    ::testing::Values(BadFiles{"zerk", {"zerk.wav"}, {}, "zerk.wav"},
                      BadFiles{"eatkey_and_zerk", {"zerk.wav", "eatkey.wav"}, {}, "eatkey.wav"},
                      BadFiles{"the_first", {"wzri.wav"}, {}, "wzri.wav"},
                      BadFiles{"the_last", {"mus1.wav"}, {}, "mus1.wav"},
                      BadFiles{"broken_before_missing", {"zerk.wav"}, {"gi.wav"}, "gi.wav"},
                      BadFiles{"broken_last", {}, {"mus1.wav"}, "mus1.wav"}),
    [](const ::testing::TestParamInfo<BadFiles>& info) { return info.param.name; });

class SoundPlaying : public PlayDirectory {
protected:
    void SetUp() override {
        writeTones(0.6);
        sounds_ = open();
        ASSERT_NE(sounds_, nullptr);
    }

    std::unique_ptr<MixerSounds> sounds_;
};

TEST_F(SoundPlaying, EffectsOverlapAndAStopSilencesOnlyItsOwn) {
    boltik::sound::restartAndPlay(*sounds_, Effect::Gi);
    boltik::sound::restartAndPlay(*sounds_, Effect::Zerk);
    boltik::sound::restartAndPlay(*sounds_, Effect::Mus1);
    sounds_->stop(Effect::Zerk);
    EXPECT_FALSE(sounds_->isPlaying(Effect::Zerk));
    EXPECT_TRUE(sounds_->isPlaying(Effect::Gi));
    EXPECT_TRUE(sounds_->isPlaying(Effect::Mus1));
    boltik::sound::restartAndPlay(*sounds_, Effect::Zerk);
    EXPECT_TRUE(sounds_->isPlaying(Effect::Zerk));
}

TEST_F(SoundPlaying, TheTuneEndsAfterItsLengthAndTheKeepAliveRestartsIt) {
    const auto started = Clock::now();
    boltik::sound::restartAndPlay(*sounds_, Effect::Mus1);
    ASSERT_TRUE(within(3s, [&] { return !sounds_->isPlaying(Effect::Mus1); }))
        << "played once, not in a loop";
    EXPECT_GE(Clock::now() - started, 500ms);
    if (!sounds_->isPlaying(Effect::Mus1)) {
        boltik::sound::restartAndPlay(*sounds_, Effect::Mus1);
    }
    EXPECT_TRUE(sounds_->isPlaying(Effect::Mus1));
}

// Three 0.6 s effects are played again 0.35 s in, while still sounding. A restart (stop,
// rewind, play) and a rewind with a play begin them anew, so they sound well past their first
// end; a play alone lets the effect run on to its end.
TEST_F(SoundPlaying, ASoundingEffectBeginsAgainOnlyWhenRewound) {
    for (Effect e : {Effect::Zwezd, Effect::Wzriw2, Effect::Start})
        boltik::sound::restartAndPlay(*sounds_, e);
    std::this_thread::sleep_for(350ms);
    boltik::sound::restartAndPlay(*sounds_, Effect::Zwezd);
    sounds_->rewind(Effect::Wzriw2);
    sounds_->playPanned(Effect::Wzriw2, 0);
    sounds_->playPanned(Effect::Start, -5000);
    ASSERT_TRUE(within(500ms, [&] { return !sounds_->isPlaying(Effect::Start); }));
    EXPECT_TRUE(sounds_->isPlaying(Effect::Zwezd));
    EXPECT_TRUE(sounds_->isPlaying(Effect::Wzriw2));
}

struct PanCase {
    int pan;
    int left;
    int right;
};

class Panning : public ::testing::TestWithParam<PanCase> {};

TEST_P(Panning, LowerTheFarSideByHundredthsOfADecibel) {
    const auto levels = boltik::sdl::panLevels(GetParam().pan);
    EXPECT_EQ(levels.left, GetParam().left);
    EXPECT_EQ(levels.right, GetParam().right);
}

INSTANTIATE_TEST_SUITE_P(FromCentreToEitherSide, Panning,
                         ::testing::Values(PanCase{0, 255, 255},
                                           // 6 dB down is half, 20 dB down a tenth.
                                           PanCase{600, 128, 255}, PanCase{-600, 255, 128},
                                           PanCase{2000, 26, 255}, PanCase{-2000, 255, 26},
                                           // The ends, and values beyond them.
                                           PanCase{10000, 0, 255}, PanCase{-10000, 255, 0},
                                           PanCase{32767, 0, 255}, PanCase{-32768, 255, 0}),
                         [](const ::testing::TestParamInfo<PanCase>& info) {
                             const int pan = info.param.pan;
                             return (pan < 0 ? "pan_minus" : "pan_") +
                                    std::to_string(std::abs(pan));
                         });

}  // namespace
