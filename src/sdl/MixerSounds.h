// The twelve sound effects played through SDL2_mixer: one chunk per WAV file, each on a mixer
// channel of its own.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "core/sound/Sounds.h"

struct Mix_Chunk;

namespace boltik::sdl {

// Left and right channel levels, 0 (silent) .. 255 (full), for a pan in hundredths of a decibel:
// -10000 (left only) .. 0 (centre, both full) .. 10000 (right only). A positive pan lowers the
// left channel by pan / 100 dB, a negative one the right channel. Values outside the range count
// as its nearer end.
struct PanLevels {
    int left = 255;
    int right = 255;
};
PanLevels panLevels(int pan);

// Owns the audio device and the twelve chunks from opening until destruction. sound::Effect i plays
// on mixer channel i, so restarting an effect cuts off only that effect and different effects
// overlap. The mixer is global to the process: one MixerSounds may be open at a time.
//
// Playing follows the buffers the game was written for: a chunk always starts from its first
// sample, and a play request for an effect that is still sounding only changes its pan unless
// the effect was stopped or rewound since it started.
class MixerSounds : public sound::Sounds {
public:
    // Opens the default audio device (SDL_AUDIODRIVER chooses the driver, as in any SDL program)
    // and loads the twelve files of sound::kEffectFiles, in that order, by their bare names from
    // the current directory. On success errorMessage is left empty. On failure returns nullptr with
    // everything closed again and errorMessage set to the text to show the user: the device message
    // when no device opens, otherwise "Невозможно найти файл " and the name of the first file that
    // does not load.
    static std::unique_ptr<MixerSounds> open(std::string& errorMessage);

    ~MixerSounds() override;
    MixerSounds(const MixerSounds&) = delete;
    MixerSounds& operator=(const MixerSounds&) = delete;

    void stop(sound::Effect effect) override;
    void rewind(sound::Effect effect) override;
    void playPanned(sound::Effect effect, int pan) override;
    bool isPlaying(sound::Effect effect) override;
    void setMuted(bool muted) override;

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };

    MixerSounds();
    void start(int channel);

    std::array<std::unique_ptr<Mix_Chunk, ChunkDeleter>, sound::kEffectCount> chunks_;
    std::array<int, sound::kEffectCount> pans_{};
    // Set by rewind, cleared by every start: the next play begins from the first sample even
    // while the effect is still sounding.
    std::array<bool, sound::kEffectCount> fromStart_{};
};

}  // namespace boltik::sdl
