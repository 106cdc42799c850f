// The sound effects on SDL2_mixer: opening the device, loading the files, playing on channels.
#include "sdl/MixerSounds.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

namespace boltik::sdl {

namespace {

const char* const kNoDeviceMessage =
    "Невозможно инициализировать DirectSound. Убедитесь в том, что ваша звуковая карта "
    "правильно установлена.";
const char* const kMissingFileMessage = "Невозможно найти файл ";

constexpr int kStereo = 2;
// The rate the game's sounds are made at. The mixer converts every chunk to the device's
// rate as it loads it, so at twice the rate the thirty-second tune would take twice the
// memory for no better sound.
constexpr int kFrequency = 22050;
// About 23 ms at 22.05 kHz: short enough that a step sounds with the step.
constexpr int kFramesPerBuffer = 512;

// SDL_mixer keeps one mixer per process, so a second instance would share our channels.
bool deviceOpen = false;

int channelOf(sound::Effect effect) {
    return static_cast<int>(effect);
}

}  // namespace

PanLevels panLevels(int pan) {
    const int clamped = std::clamp(pan, -10000, 10000);
    const int lowered =
        static_cast<int>(std::lround(255.0 * std::pow(10.0, -std::abs(clamped) / 2000.0)));
    PanLevels levels;
    if (clamped > 0) levels.left = lowered;
    if (clamped < 0) levels.right = lowered;
    return levels;
}

void MixerSounds::ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}

std::unique_ptr<MixerSounds> MixerSounds::open(std::string& errorMessage) {
    errorMessage.clear();
    if (deviceOpen) {
        errorMessage = kNoDeviceMessage;
        return nullptr;
    }
    // Without it SDL installs its own SIGINT handler and Ctrl+C no longer ends the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        errorMessage = kNoDeviceMessage;
        return nullptr;
    }
    if (Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kStereo, kFramesPerBuffer) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        errorMessage = kNoDeviceMessage;
        return nullptr;
    }
    // From here on the destructor closes the device, whatever fails next.
    std::unique_ptr<MixerSounds> sounds(new MixerSounds());
    if (Mix_AllocateChannels(sound::kEffectCount) != sound::kEffectCount) {
        errorMessage = kNoDeviceMessage;
        return nullptr;
    }
    for (int i = 0; i < sound::kEffectCount; ++i) {
        const std::string name(sound::kEffectFiles[static_cast<std::size_t>(i)]);
        sounds->chunks_[static_cast<std::size_t>(i)].reset(Mix_LoadWAV(name.c_str()));
        if (!sounds->chunks_[static_cast<std::size_t>(i)]) {
            errorMessage = kMissingFileMessage + name;
            return nullptr;
        }
    }
    return sounds;
}

MixerSounds::MixerSounds() {
    deviceOpen = true;
}

MixerSounds::~MixerSounds() {
    Mix_HaltChannel(-1);
    for (auto& chunk : chunks_)
        chunk.reset();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    deviceOpen = false;
}

void MixerSounds::stop(sound::Effect effect) {
    Mix_HaltChannel(channelOf(effect));
}

void MixerSounds::rewind(sound::Effect effect) {
    // A chunk cannot resume mid-way, so a stopped effect starts from its first sample anyway;
    // a sounding one goes back to the start when it is next played.
    fromStart_[static_cast<std::size_t>(channelOf(effect))] = true;
}

void MixerSounds::playPanned(sound::Effect effect, int pan) {
    const int channel = channelOf(effect);
    const auto i = static_cast<std::size_t>(channel);
    pans_[i] = pan;
    if (Mix_Playing(channel) && !fromStart_[i]) {
        const PanLevels levels = panLevels(pan);
        Mix_SetPanning(channel, static_cast<Uint8>(levels.left), static_cast<Uint8>(levels.right));
        return;
    }
    start(channel);
}

void MixerSounds::setMuted(bool muted) {
    Mix_Volume(-1, muted ? 0 : MIX_MAX_VOLUME);
}

bool MixerSounds::isPlaying(sound::Effect effect) {
    return Mix_Playing(channelOf(effect)) != 0;
}

void MixerSounds::start(int channel) {
    const auto i = static_cast<std::size_t>(channel);
    // SDL_mixer drops a channel's pan whenever the channel stops, and a channel that is not
    // playing cannot start by itself, so the pan set between these two calls stays for the
    // whole play.
    Mix_HaltChannel(channel);
    const PanLevels levels = panLevels(pans_[i]);
    Mix_SetPanning(channel, static_cast<Uint8>(levels.left), static_cast<Uint8>(levels.right));
    Mix_PlayChannel(channel, chunks_[i].get(), 0);
    fromStart_[i] = false;
}

}  // namespace boltik::sdl
