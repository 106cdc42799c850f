// The twelve sound effects as the rules use them: stop, rewind, play once, ask if playing.
#pragma once

#include <array>
#include <string_view>

namespace boltik::sound {

// In the order the files are loaded.
enum class Effect {
    Wzri,       // a bomb's blast
    EatBolt,    // bolt picked up
    EatKey,     // key picked up
    EatDoor,    // door opened
    EatWeapon,  // ammunition picked up
    Gi,         // one step of the robot
    Start,      // level revealed
    Wzriw2,     // all bolts taken
    Zwezd,      // capsule entered
    Move,       // push
    Zerk,       // teleport travel
    Mus1,       // background tune
};

inline constexpr int kEffectCount = 12;

inline constexpr std::array<std::string_view, kEffectCount> kEffectFiles = {
    "wzri.wav",  "eatbolt.wav", "eatkey.wav", "eatdoor.wav", "eatweapon.wav", "gi.wav",
    "start.wav", "wzriw2.wav",  "zwezd.wav",  "move.wav",    "zerk.wav",      "mus1.wav"};

inline std::string_view fileName(Effect effect) {
    return kEffectFiles[static_cast<int>(effect)];
}

// One voice per effect: restarting an effect cuts only itself off; different effects overlap.
class Sounds {
public:
    virtual ~Sounds() = default;
    virtual void stop(Effect effect) = 0;
    virtual void rewind(Effect effect) = 0;
    // Sets the pan (0 is the centre, every caller's choice) and plays the effect once.
    virtual void playPanned(Effect effect, int pan) = 0;
    virtual bool isPlaying(Effect effect) = 0;
    // Silences every effect and the tune, or lets them be heard again; they go on playing,
    // so nothing the game asks of them changes.
    virtual void setMuted(bool) {}
};

// How every effect of the game is started: stop it, rewind it, play it once in the centre.
inline void restartAndPlay(Sounds& sounds, Effect effect) {
    sounds.stop(effect);
    sounds.rewind(effect);
    sounds.playPanned(effect, 0);
}

// Sounds that are never heard: every effect reports itself as still playing once started.
class SilentSounds : public Sounds {
public:
    void stop(Effect effect) override { playing_[static_cast<int>(effect)] = false; }
    void rewind(Effect) override {}
    void playPanned(Effect effect, int) override { playing_[static_cast<int>(effect)] = true; }
    bool isPlaying(Effect effect) override { return playing_[static_cast<int>(effect)]; }

private:
    std::array<bool, kEffectCount> playing_{};
};

}  // namespace boltik::sound
