// Synthesizes boltik's sound effects and background tune and writes them as 16-bit mono WAV files.
//
// Usage: boltik_sndgen [output-directory]      (default: data)
//
// Every sound is built from oscillators, filtered noise and envelopes. The noise generator has a
// fixed seed and its own algorithm, so running the tool again reproduces the files byte for byte.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kRate = 22050;
constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Highest frequency we let a partial reach; above this it would fold back as aliasing.
constexpr double kTopHz = 0.45 * kRate;

using Buffer = std::vector<double>;

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kRate));
}

double timeOf(std::size_t index) {
    return static_cast<double>(index) / kRate;
}

double midiToHz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// Xorshift noise. A fixed algorithm (unlike the std distributions) keeps the output identical
// across standard libraries.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 1) {}

    // Uniform in [-1, 1).
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<double>(state_ >> 11) * 0x1.0p-52 - 1.0;
    }

    double between(double lo, double hi) { return lo + (hi - lo) * 0.5 * (next() + 1.0); }

private:
    std::uint64_t state_;
};

// Phase-accumulating oscillator, so the frequency can glide sample by sample without clicks.
class Osc {
public:
    double sine(double hz) { return std::sin(kTwoPi * advance(hz)); }

    // Starts at zero and rises, like the sine.
    double triangle(double hz) {
        const double p = std::fmod(advance(hz) + 0.75, 1.0);
        return 1.0 - 4.0 * std::abs(p - 0.5);
    }

    // Odd harmonics falling off faster than a true square: hollow like a square, but mellow.
    double softSquare(double hz) {
        const double p = advance(hz);
        double sum = 0.0;
        for (int k = 1; k <= 9 && k * hz < kTopHz; k += 2) {
            sum += std::sin(kTwoPi * k * p) * std::pow(k, -1.6);
        }
        return sum;
    }

private:
    double advance(double hz) {
        const double p = phase_;
        phase_ += hz / kRate;
        phase_ -= std::floor(phase_);
        return p;
    }

    double phase_ = 0.0;
};

// Two-pole state-variable filter in trapezoidal form: it stays stable while the cutoff sweeps.
class Svf {
public:
    double low(double in, double hz, double q) { return step(in, hz, q).low; }
    // Band-pass scaled to unity gain at the centre frequency.
    double band(double in, double hz, double q) { return step(in, hz, q).band / q; }
    double high(double in, double hz, double q) { return step(in, hz, q).high; }

private:
    struct Out {
        double low, band, high;
    };

    Out step(double in, double hz, double q) {
        const double g = std::tan(kPi * std::clamp(hz, 10.0, kTopHz) / kRate);
        const double k = 1.0 / q;
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = in - ic2_;
        const double v1 = a1 * ic1_ + a2 * v3;
        const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
        ic1_ = 2.0 * v1 - ic1_;
        ic2_ = 2.0 * v2 - ic2_;
        return {v2, v1, in - k * v1 - v2};
    }

    double ic1_ = 0.0;
    double ic2_ = 0.0;
};

// ---- Envelopes -------------------------------------------------------------------------------

// Linear rise over `attack` seconds, then an exponential fall with time constant `tau`.
double attackDecay(double t, double attack, double tau) {
    if (t < 0.0) return 0.0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / tau);
}

// Rises over `rise` seconds from `start`, holds, then falls along a half cosine to zero at `end`.
double swell(double t, double start, double rise, double fallFrom, double end) {
    if (t <= start || t >= end) return 0.0;
    if (t < start + rise) return (t - start) / rise;
    if (t < fallFrom) return 1.0;
    return 0.5 + 0.5 * std::cos(kPi * (t - fallFrom) / (end - fallFrom));
}

// Smooth hump, zero at both ends with zero slope.
double hann(double t, double start, double end) {
    if (t <= start || t >= end) return 0.0;
    const double s = std::sin(kPi * (t - start) / (end - start));
    return s * s;
}

struct Adsr {
    double attack, decay, sustain, release;
};

// Level of a note `t` seconds after it started, with the key held for `gate` seconds.
double adsr(double t, double gate, const Adsr& e) {
    auto held = [&e](double u) {
        if (u < e.attack) return u / e.attack;
        return e.sustain + (1.0 - e.sustain) * std::exp(-(u - e.attack) / e.decay);
    };
    if (t < 0.0) return 0.0;
    if (t < gate) return held(t);
    const double r = t - gate;
    return r >= e.release ? 0.0 : held(gate) * (1.0 - r / e.release);
}

// ---- Instruments -----------------------------------------------------------------------------

enum class Wave { Sine, Triangle, SoftSquare };

struct Voice {
    Wave wave;
    Adsr env;
    double vibrato;  // depth as a fraction of the pitch; 5 Hz, easing in over the first 0.3 s
};

double waveSample(Osc& osc, Wave wave, double hz) {
    switch (wave) {
        case Wave::Triangle:
            return osc.triangle(hz);
        case Wave::SoftSquare:
            return osc.softSquare(hz);
        case Wave::Sine:
            break;
    }
    return osc.sine(hz);
}

void addNote(Buffer& out, const Voice& v, double start, double gate, double hz, double amp) {
    const std::size_t first = samplesFor(start);
    const std::size_t count = samplesFor(gate + v.env.release);
    Osc osc;
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = timeOf(i);
        const double vib = 1.0 + v.vibrato * std::min(1.0, t / 0.3) * std::sin(kTwoPi * 5.0 * t);
        out[first + i] += amp * adsr(t, gate, v.env) * waveSample(osc, v.wave, hz * vib);
    }
}

// A struck bell or glass: nearly harmonic partials, the upper ones dying sooner.
void addBell(Buffer& out, double start, double hz, double amp, double tau) {
    struct Partial {
        double ratio, amp, life;
    };
    constexpr Partial kPartials[] = {
        {1.0, 1.0, 1.0}, {2.0, 0.35, 0.6}, {3.01, 0.15, 0.4}, {4.2, 0.08, 0.25}};
    for (std::size_t i = samplesFor(start); i < out.size(); ++i) {
        const double t = timeOf(i) - start;
        double sum = 0.0;
        for (const Partial& p : kPartials) {
            if (hz * p.ratio >= kTopHz) continue;
            sum += p.amp * std::sin(kTwoPi * hz * p.ratio * t) * std::exp(-t / (tau * p.life));
        }
        out[i] += amp * std::clamp(t / 0.002, 0.0, 1.0) * sum;
    }
}

// ---- Sound effects ---------------------------------------------------------------------------

// Bomb: a bright noise crack whose filter closes fast, over a falling sub-bass boom and a
// low-passed rumble that lingers after the crack has gone.
Buffer makeExplosion() {
    Buffer out(samplesFor(0.85));
    Noise noise(11);
    Svf crackFilter;
    Svf rumbleFilter;
    Osc boom;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double cutoff = 250.0 + 4500.0 * std::exp(-t / 0.09);
        const double crack =
            crackFilter.low(noise.next(), cutoff, 0.8) * attackDecay(t - 0.002, 0.003, 0.14);
        const double rumble =
            rumbleFilter.low(noise.next(), 160.0, 1.3) * attackDecay(t, 0.03, 0.22);
        const double thump =
            boom.sine(38.0 + 55.0 * std::exp(-t / 0.07)) * attackDecay(t - 0.002, 0.005, 0.15);
        out[i] = 0.9 * crack + 3.0 * rumble + 0.6 * thump;
    }
    // Soft saturation thickens the blast: the loud start is squashed, the tail comes up.
    double peak = 0.0;
    for (double s : out)
        peak = std::max(peak, std::abs(s));
    for (double& s : out)
        s = std::tanh(2.5 * s / peak);
    return out;
}

// Bolt: a small struck metal bar. Its partials follow a free bar's inharmonic ratios, which is
// what makes it sound like metal rather than a bell; a slightly detuned twin adds a fast beat.
Buffer makeBoltTing() {
    struct Partial {
        double ratio, amp, tau;
    };
    constexpr Partial kPartials[] = {
        {1.0, 1.0, 0.05}, {1.007, 0.5, 0.04}, {2.756, 0.45, 0.025}, {5.404, 0.2, 0.012}};
    constexpr double kBase = 1760.0;
    Buffer out(samplesFor(0.15));
    Noise noise(13);
    Svf clickFilter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i) - 0.003;
        double ring = 0.0;
        for (const Partial& p : kPartials) {
            ring += p.amp * std::sin(kTwoPi * kBase * p.ratio * t) * attackDecay(t, 0.001, p.tau);
        }
        const double click =
            clickFilter.high(noise.next(), 3000.0, 0.7) * attackDecay(t, 0.0003, 0.002);
        out[i] = ring + 0.5 * click;
    }
    return out;
}

void addJingleNote(Buffer& out, double start, double hz, double amp, double tau) {
    for (std::size_t i = samplesFor(start); i < out.size(); ++i) {
        const double t = timeOf(i) - start;
        const double tone = std::sin(kTwoPi * hz * t) + 0.6 * std::sin(kTwoPi * hz * 1.006 * t) +
                            0.3 * std::sin(kTwoPi * hz * 2.0 * t);
        const double shimmer = 0.75 + 0.25 * std::cos(kTwoPi * 28.0 * t);
        out[i] += amp * attackDecay(t, 0.003, tau) * shimmer * tone;
    }
}

// Key: two bell-like notes a fifth apart, rising (A5 then E6), with a quick tremolo like a
// keyring shaking. Harmonic and lower than the bolt, so the two pickups never get confused.
Buffer makeKeyJingle() {
    Buffer out(samplesFor(0.25));
    addJingleNote(out, 0.003, 880.0, 0.8, 0.045);
    addJingleNote(out, 0.085, 1318.5, 1.0, 0.055);
    return out;
}

// A heavy bolt hitting its stop: a pitch-dropping low sine plus a muffled noise knock.
void addClunk(Buffer& out, double at) {
    Noise noise(21);
    Svf knockFilter;
    Osc body;
    for (std::size_t i = samplesFor(at); i < out.size(); ++i) {
        const double t = timeOf(i) - at;
        const double tone = body.sine(60.0 + 70.0 * std::exp(-t / 0.03));
        const double knock = knockFilter.low(noise.next(), 600.0, 0.9);
        out[i] += tone * attackDecay(t, 0.002, 0.06) + 1.5 * knock * attackDecay(t, 0.001, 0.02);
    }
}

// Creak: a hinge sticks and slips. Each slip is an impulse that rings two wooden resonances;
// the slip rate wanders and rises a little as the door swings.
void addCreak(Buffer& out, double start, double end, double amp) {
    Noise noise(23);
    Svf woodA;
    Svf woodB;
    double phase = 0.0;
    for (std::size_t i = samplesFor(start); i < samplesFor(end) && i < out.size(); ++i) {
        const double t = timeOf(i);
        const double u = (t - start) / (end - start);
        phase += (55.0 + 35.0 * u + 20.0 * noise.next()) / kRate;
        double kick = 0.0;
        if (phase >= 1.0) {
            phase -= 1.0;
            kick = 1.0;
        }
        const double ring = woodA.band(kick, 820.0, 9.0) + 0.6 * woodB.band(kick, 1430.0, 11.0);
        out[i] += amp * hann(t, start, end) * ring;
    }
}

// Door: the lock's clunk, then a short creak as the door slides open.
Buffer makeDoor() {
    Buffer out(samplesFor(0.35));
    addClunk(out, 0.003);
    addCreak(out, 0.05, 0.34, 20.0);
    return out;
}

// One mechanical contact: a snap of bright noise, a short metallic ping and a body knock.
void addClick(Buffer& out, double at, double pingHz, double bodyHz, double gain, Noise& noise) {
    Svf snapFilter;
    for (std::size_t i = samplesFor(at); i < samplesFor(at + 0.1) && i < out.size(); ++i) {
        const double t = timeOf(i) - at;
        const double snap = snapFilter.high(noise.next(), 2000.0, 0.7);
        out[i] += gain * (snap * attackDecay(t, 0.0005, 0.004) +
                          0.5 * std::sin(kTwoPi * pingHz * t) * attackDecay(t, 0.0005, 0.012) +
                          0.6 * std::sin(kTwoPi * bodyHz * t) * attackDecay(t, 0.001, 0.025));
    }
}

// Ammunition: a magazine clicks in, slides, and the slide clacks home, lower and heavier.
Buffer makeReload() {
    Buffer out(samplesFor(0.25));
    Noise noise(31);
    Svf slideFilter;
    addClick(out, 0.004, 2600.0, 330.0, 0.7, noise);
    for (std::size_t i = samplesFor(0.03); i < samplesFor(0.11); ++i) {
        out[i] += 0.15 * slideFilter.band(noise.next(), 1300.0, 1.5) * hann(timeOf(i), 0.03, 0.11);
    }
    addClick(out, 0.115, 1700.0, 190.0, 1.0, noise);
    return out;
}

// Robot step: a soft, low servo blip with a faint muffled tick. It can repeat ten times a second,
// so it is short, mellow (nothing bright) and quiet.
Buffer makeStep() {
    Buffer out(samplesFor(0.055));
    Noise noise(41);
    Svf tickFilter;
    Osc servo;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i) - 0.003;
        const double blip = servo.sine(420.0 + 160.0 * std::exp(-t / 0.012));
        const double tick = tickFilter.low(noise.next(), 2200.0, 0.7);
        out[i] = blip * attackDecay(t, 0.004, 0.013) + 0.4 * tick * attackDecay(t, 0.0005, 0.003);
    }
    return out;
}

// Level start: a bright C-major arpeggio that lands on a held chord over a bass C.
Buffer makeFanfare() {
    const Voice brass{Wave::SoftSquare, {0.008, 0.1, 0.6, 0.06}, 0.0};
    const Voice chord{Wave::SoftSquare, {0.01, 0.3, 0.55, 0.25}, 0.006};
    const Voice bass{Wave::Triangle, {0.01, 0.3, 0.6, 0.25}, 0.0};
    Buffer out(samplesFor(1.5));
    const int arpeggio[] = {67, 72, 76, 79};  // G4 C5 E5 G5
    for (std::size_t k = 0; k < std::size(arpeggio); ++k) {
        addNote(out, brass, 0.005 + 0.11 * static_cast<double>(k), 0.08, midiToHz(arpeggio[k]),
                0.5);
    }
    for (int note : {72, 76, 79, 84})
        addNote(out, chord, 0.45, 0.75, midiToHz(note), 0.3);
    addNote(out, bass, 0.45, 0.75, midiToHz(48), 0.6);
    return out;
}

// Tiny high glints scattered at random moments, for sparkle on top of chimes.
void addSparkles(Buffer& out, double from, double to, int count, Noise& noise) {
    for (int n = 0; n < count; ++n) {
        const double start = noise.between(from, to);
        const double hz = noise.between(3500.0, 7000.0);
        const double amp = noise.between(0.04, 0.1);
        for (std::size_t i = samplesFor(start); i < samplesFor(start + 0.04) && i < out.size();
             ++i) {
            const double t = timeOf(i) - start;
            out[i] += amp * std::sin(kTwoPi * hz * t) * attackDecay(t, 0.002, 0.008);
        }
    }
}

// All bolts collected: a quick rising pentatonic run of glassy bells with glints on top.
Buffer makeChime() {
    Buffer out(samplesFor(1.0));
    const int run[] = {84, 86, 88, 91, 93, 96};  // C6 D6 E6 G6 A6 C7
    for (std::size_t k = 0; k < std::size(run); ++k) {
        const double kk = static_cast<double>(k);
        addBell(out, 0.004 + 0.065 * kk, midiToHz(run[k]), 0.4 + 0.06 * kk, 0.18 + 0.02 * kk);
    }
    Noise noise(51);
    addSparkles(out, 0.12, 0.75, 16, noise);
    return out;
}

// Noise through a band-pass whose centre climbs four octaves: air rushing upward.
void addWhoosh(Buffer& out, double start, double end, double amp) {
    Noise noise(71);
    Svf filter;
    for (std::size_t i = samplesFor(start); i < samplesFor(end) && i < out.size(); ++i) {
        const double u = std::clamp((timeOf(i) - start) / (end - start), 0.0, 1.0);
        const double centre = 250.0 * std::pow(16.0, u);
        out[i] += amp * std::sqrt(u) * hann(timeOf(i), start, end) *
                  filter.band(noise.next(), centre, 2.5);
    }
}

// Exit capsule: a whoosh and a warbling tone that both climb, crowned by a bell flourish.
Buffer makeExitFlourish() {
    Buffer out(samplesFor(1.3));
    addWhoosh(out, 0.003, 1.05, 1.4);
    Osc glide;
    for (std::size_t i = samplesFor(0.05); i < samplesFor(0.95); ++i) {
        const double t = timeOf(i);
        const double u = (t - 0.05) / 0.9;
        const double hz = 260.0 * std::pow(6.0, u) * (1.0 + 0.02 * std::sin(kTwoPi * 9.0 * t));
        out[i] += 0.25 * hann(t, 0.05, 0.95) * glide.sine(hz);
    }
    const int flourish[] = {79, 84, 88, 91, 96};  // G5 C6 E6 G6 C7
    for (std::size_t k = 0; k < std::size(flourish); ++k) {
        const double kk = static_cast<double>(k);
        addBell(out, 0.7 + 0.06 * kk, midiToHz(flourish[k]), 0.3,
                k + 1 == std::size(flourish) ? 0.22 : 0.1);
    }
    return out;
}

// Box push: a low thud as the box gives, then a gritty scrape whose roughness pulses the way
// sliding friction sticks and slips.
Buffer makePush() {
    Buffer out(samplesFor(0.26));
    Noise noise(61);
    Svf knockFilter;
    Svf scrapeFilter;
    Osc body;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double thud = body.sine(50.0 + 40.0 * std::exp(-t / 0.025));
        const double knock = knockFilter.low(noise.next(), 300.0, 0.9);
        const double grit = 0.55 + 0.45 * std::sin(kTwoPi * 31.0 * t + 0.8 * noise.next());
        const double scrape = scrapeFilter.low(noise.next(), 700.0, 1.2) * grit;
        out[i] = thud * attackDecay(t - 0.003, 0.003, 0.07) +
                 1.5 * knock * attackDecay(t - 0.003, 0.001, 0.02) +
                 0.6 * scrape * swell(t, 0.01, 0.03, 0.15, 0.25);
    }
    return out;
}

// Teleport: a sine with a quieter detuned chorus twin and an octave, sweeping up two octaves
// with a fast vibrato and tremolo so it shimmers as it rises, with glints sprinkled on top.
Buffer makeTeleport() {
    constexpr double kLength = 0.8;
    Buffer out(samplesFor(kLength));
    Osc main;
    Osc twin;
    Osc octave;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double hz =
            330.0 * std::pow(4.0, t / kLength) * (1.0 + 0.035 * std::sin(kTwoPi * 11.0 * t));
        const double tone = main.sine(hz) + 0.3 * twin.sine(hz * 1.006) + 0.3 * octave.sine(2 * hz);
        const double shimmer = 0.75 + 0.25 * std::sin(kTwoPi * 17.0 * t);
        out[i] = tone * shimmer * swell(t, 0.003, 0.05, 0.5, kLength - 0.01);
    }
    Noise noise(81);
    addSparkles(out, 0.05, 0.6, 12, noise);
    return out;
}

// ---- Background tune -------------------------------------------------------------------------

// Twelve bars at 96 beats a minute: 30 s. Bar 11 comes home to C, bar 12 is a G7 turnaround
// whose melody (ending on F) leads back into the opening E over C when the loop restarts.
constexpr double kBeat = 60.0 / 96.0;
constexpr int kBars = 12;
constexpr double kLoopLength = kBars * 4 * kBeat;

struct Step {
    int note;  // MIDI number, 0 = rest
    double beats;
};

constexpr Step kMelody[] = {
    {76, 1},   {79, 1},   {81, 0.5}, {79, 0.5}, {76, 1},  // C
    {72, 1},   {76, 1},   {74, 1},   {72, 1},             // Am
    {69, 1},   {72, 1},   {77, 1.5}, {76, 0.5},           // F
    {74, 2},   {71, 1},   {67, 1},                        // G
    {76, 1},   {79, 1},   {84, 1.5}, {83, 0.5},           // C
    {81, 1},   {76, 1},   {81, 1},   {79, 1},             // Am
    {77, 1},   {76, 0.5}, {74, 0.5}, {69, 1},   {74, 1},  // Dm
    {71, 1},   {74, 1},   {79, 2},                        // G
    {81, 1.5}, {79, 0.5}, {77, 1},   {72, 1},             // F
    {74, 1},   {77, 1},   {76, 0.5}, {74, 0.5}, {71, 1},  // G
    {72, 3},   {0, 1},                                    // C
    {0, 1},    {67, 1},   {71, 0.5}, {74, 0.5}, {77, 1},  // G7
};

constexpr double totalBeats() {
    double sum = 0.0;
    for (const Step& s : kMelody)
        sum += s.beats;
    return sum;
}
static_assert(totalBeats() == kBars * 4, "the melody must fill the loop exactly");

struct Chord {
    int bass;
    std::array<int, 3> tones;
};

constexpr std::array<Chord, kBars> kChords = {{
    {48, {60, 64, 67}},  // C
    {45, {57, 60, 64}},  // Am
    {41, {57, 60, 65}},  // F
    {43, {55, 59, 62}},  // G
    {48, {60, 64, 67}},  // C
    {45, {57, 60, 64}},  // Am
    {50, {57, 62, 65}},  // Dm
    {43, {55, 59, 62}},  // G
    {41, {57, 60, 65}},  // F
    {43, {55, 59, 62}},  // G
    {48, {60, 64, 67}},  // C
    {43, {59, 62, 65}},  // G7
}};

// Shortens a note so its release is over before the loop ends; a note ringing across the end
// would be cut off there and click when the loop restarts.
void addLoopNote(Buffer& out, const Voice& v, double start, double gate, int note, double amp) {
    const double fitted = std::min(gate, kLoopLength - 0.03 - v.env.release - start);
    if (fitted > 0.0) addNote(out, v, start, fitted, midiToHz(note), amp);
}

void addMelody(Buffer& out) {
    const Voice lead{Wave::SoftSquare, {0.012, 0.2, 0.6, 0.09}, 0.005};
    double beat = 0.0;
    for (const Step& s : kMelody) {
        if (s.note != 0) addLoopNote(out, lead, beat * kBeat, 0.88 * s.beats * kBeat, s.note, 0.3);
        beat += s.beats;
    }
}

// Per bar: a soft triangle pad holding the chord, and a bass on root, fifth, root.
void addHarmony(Buffer& out) {
    const Voice pad{Wave::Triangle, {0.18, 0.8, 0.7, 0.35}, 0.003};
    const Voice bass{Wave::Triangle, {0.01, 0.3, 0.7, 0.07}, 0.0};
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& c = kChords[static_cast<std::size_t>(bar)];
        const double at = bar * 4 * kBeat;
        for (int tone : c.tones)
            addLoopNote(out, pad, at, 4 * kBeat - 0.12, tone, 0.1);
        addLoopNote(out, bass, at, 1.7 * kBeat, c.bass, 0.4);
        addLoopNote(out, bass, at + 2 * kBeat, 0.85 * kBeat, c.bass + 7, 0.35);
        addLoopNote(out, bass, at + 3 * kBeat, 0.85 * kBeat, c.bass, 0.35);
    }
}

Buffer makeMusic() {
    Buffer out(samplesFor(kLoopLength));
    addMelody(out);
    addHarmony(out);
    return out;
}

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
