// Synthesizes boltik's sound effects and background tune and writes them as 16-bit mono WAV files.
//
// Usage: boltik_sndgen [output-directory]      (default: data)
//
// Every sound is built from oscillators, filtered noise and envelopes. The noise generator has a
// fixed seed and its own algorithm, so running the tool again reproduces the files byte for byte.

#include "Synth.h"
#include "Wav.h"
#include "core/io/Files.h"
#include "core/sound/Sounds.h"

namespace {

using namespace sndgen;
namespace fs = std::filesystem;

// ---- Finishing and output --------------------------------------------------------------------

// One-pole high-pass near 15 Hz: removes any DC offset so the waveform centres on zero.
void removeDc(Buffer& b) {
    double prevIn = 0.0;
    double prevOut = 0.0;
    for (double& s : b) {
        const double y = s - prevIn + 0.996 * prevOut;
        prevIn = s;
        prevOut = y;
        s = y;
    }
}

// Raised-cosine fades, so every file starts and ends exactly at zero.
void fadeEdges(Buffer& b, double fadeIn, double fadeOut) {
    const std::size_t in = std::min(samplesFor(fadeIn), b.size());
    const std::size_t out = std::min(samplesFor(fadeOut), b.size());
    for (std::size_t i = 0; i < in; ++i) {
        b[i] *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(in));
    }
    for (std::size_t i = 0; i < out; ++i) {
        b[b.size() - 1 - i] *=
            0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(out));
    }
}

// Scales the sound so its loudest sample sits at `peakDb` dBFS. Refuses silence and
// non-finite samples: either means a synthesis fault, and writing it would hide the fault.
bool normalizePeak(Buffer& b, double peakDb) {
    double peak = 0.0;
    for (double s : b) {
        if (!std::isfinite(s)) return false;
        peak = std::max(peak, std::abs(s));
    }
    if (peak == 0.0) return false;
    const double gain = std::pow(10.0, peakDb / 20.0) / peak;
    for (double& s : b)
        s *= gain;
    return true;
}

// The samples as 16-bit integers, clipped to full scale.
std::vector<std::int16_t> toPcm(const Buffer& samples) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (double s : samples) {
        pcm.push_back(static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0)));
    }
    return pcm;
}

struct Sound {
    Buffer (*build)();
    double peakDb;
    double fadeOut;  // seconds
};

// In the order of the game's effects, whose files they become.
constexpr std::array<Sound, boltik::sound::kEffectCount> kSounds = {{
    {makeExplosion, -3.0, 0.08},    // wzri
    {makeBoltTing, -3.0, 0.02},     // eatbolt
    {makeKeyJingle, -3.0, 0.03},    // eatkey
    {makeDoor, -3.0, 0.03},         // eatdoor
    {makeReload, -3.0, 0.02},       // eatweapon
    {makeStep, -18.0, 0.01},        // gi
    {makeFanfare, -3.0, 0.05},      // start
    {makeChime, -3.0, 0.1},         // wzriw2
    {makeExitFlourish, -3.0, 0.1},  // zwezd
    {makePush, -3.0, 0.03},         // move
    {makeTeleport, -3.0, 0.02},     // zerk
    {makeMusic, -10.0, 0.01},       // mus1
}};

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::cerr << "usage: boltik_sndgen [output-directory]\n";
        return 2;
    }
    const fs::path dir = argc == 2 ? argv[1] : "data";
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir)) {
        std::cerr << "sndgen: cannot use output directory " << dir.string() << '\n';
        return 1;
    }
    int failures = 0;
    for (std::size_t i = 0; i < kSounds.size(); ++i) {
        const Sound& sound = kSounds[i];
        const std::string file(boltik::sound::kEffectFiles[i]);
        Buffer samples = sound.build();
        removeDc(samples);
        fadeEdges(samples, 0.003, sound.fadeOut);
        const fs::path target = dir / file;
        if (!normalizePeak(samples, sound.peakDb)) {
            std::cerr << "sndgen: " << file << " came out silent or not finite\n";
            ++failures;
            continue;
        }
        const auto written =
            boltik::io::writeFileAtomically(target.string(), encodeWav(toPcm(samples), kRate));
        if (written) {
            std::cout << "wrote " << target.string() << '\n';
        } else {
            std::cerr << "sndgen: cannot write " << target.string() << ": " << written.reason
                      << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
