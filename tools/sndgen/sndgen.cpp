// Synthesizes boltik's sound effects and background tune and writes them as 16-bit mono WAV files.
//
// Usage: boltik_sndgen [output-directory]      (default: data)
//
// Every sound is built from oscillators, filtered noise and envelopes. The noise generator has a
// fixed seed and its own algorithm, so running the tool again reproduces the files byte for byte.

#include "Synth.h"

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

void putLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

// Canonical 44-byte header: RIFF/WAVE, a 16-byte PCM fmt chunk, then the data chunk.
std::string encodeWav(const Buffer& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    putLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);         // fmt chunk size
    putLe(out, 1, 2);          // PCM
    putLe(out, 1, 2);          // mono
    putLe(out, kRate, 4);      // sample rate
    putLe(out, kRate * 2, 4);  // bytes per second
    putLe(out, 2, 2);          // bytes per frame
    putLe(out, 16, 2);         // bits per sample
    out += "data";
    putLe(out, dataBytes, 4);
    for (double s : samples) {
        const auto v = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0));
        putLe(out, static_cast<std::uint16_t>(v), 2);
    }
    return out;
}

// Writes to a temporary name beside the target and renames it into place, so a reader never
// sees a half-written file and a failed run leaves the previous file intact.
bool writeAtomically(const fs::path& target, const std::string& bytes) {
    fs::path temp = target;
    temp += ".tmp";
    std::error_code ignored;
    std::ofstream file(temp, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "sndgen: cannot write " << temp.string() << '\n';
        fs::remove(temp, ignored);
        return false;
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        std::cerr << "sndgen: cannot rename " << temp.string() << ": " << ec.message() << '\n';
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

struct Sound {
    const char* file;
    Buffer (*build)();
    double peakDb;
    double fadeOut;  // seconds
};

constexpr Sound kSounds[] = {
    {"wzri.wav", makeExplosion, -3.0, 0.08},    {"eatbolt.wav", makeBoltTing, -3.0, 0.02},
    {"eatkey.wav", makeKeyJingle, -3.0, 0.03},  {"eatdoor.wav", makeDoor, -3.0, 0.03},
    {"eatweapon.wav", makeReload, -3.0, 0.02},  {"gi.wav", makeStep, -18.0, 0.01},
    {"start.wav", makeFanfare, -3.0, 0.05},     {"wzriw2.wav", makeChime, -3.0, 0.1},
    {"zwezd.wav", makeExitFlourish, -3.0, 0.1}, {"move.wav", makePush, -3.0, 0.03},
    {"zerk.wav", makeTeleport, -3.0, 0.02},     {"mus1.wav", makeMusic, -10.0, 0.01},
};

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
    for (const Sound& sound : kSounds) {
        Buffer samples = sound.build();
        removeDc(samples);
        fadeEdges(samples, 0.003, sound.fadeOut);
        const fs::path target = dir / sound.file;
        if (!normalizePeak(samples, sound.peakDb)) {
            std::cerr << "sndgen: " << sound.file << " came out silent or not finite\n";
            ++failures;
        } else if (writeAtomically(target, encodeWav(samples))) {
            std::cout << "wrote " << target.string() << '\n';
        } else {
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
