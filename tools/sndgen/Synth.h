// The building blocks of the sound synthesizer: oscillators, noise, filters, envelopes and
// simple instruments, all writing into sample buffers at 22 050 Hz.
#pragma once

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

namespace sndgen {

constexpr int kRate = 22050;
constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Highest frequency we let a partial reach; above this it would fold back as aliasing.
constexpr double kTopHz = 0.45 * kRate;

using Buffer = std::vector<double>;

inline std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kRate));
}

inline double timeOf(std::size_t index) {
    return static_cast<double>(index) / kRate;
}

inline double midiToHz(int note) {
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
inline double attackDecay(double t, double attack, double tau) {
    if (t < 0.0) return 0.0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / tau);
}

// Rises over `rise` seconds from `start`, holds, then falls along a half cosine to zero at `end`.
inline double swell(double t, double start, double rise, double fallFrom, double end) {
    if (t <= start || t >= end) return 0.0;
    if (t < start + rise) return (t - start) / rise;
    if (t < fallFrom) return 1.0;
    return 0.5 + 0.5 * std::cos(kPi * (t - fallFrom) / (end - fallFrom));
}

// Smooth hump, zero at both ends with zero slope.
inline double hann(double t, double start, double end) {
    if (t <= start || t >= end) return 0.0;
    const double s = std::sin(kPi * (t - start) / (end - start));
    return s * s;
}

struct Adsr {
    double attack, decay, sustain, release;
};

// Level of a note `t` seconds after it started, with the key held for `gate` seconds.
inline double adsr(double t, double gate, const Adsr& e) {
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

inline double waveSample(Osc& osc, Wave wave, double hz) {
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

inline void addNote(Buffer& out, const Voice& v, double start, double gate, double hz, double amp) {
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
inline void addBell(Buffer& out, double start, double hz, double amp, double tau) {
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

// The finished sounds, each a buffer of samples in -1..1 before finishing.
Buffer makeExplosion();
Buffer makeBoltTing();
Buffer makeKeyJingle();
Buffer makeDoor();
Buffer makeReload();
Buffer makeStep();
Buffer makeFanfare();
Buffer makeChime();
Buffer makeExitFlourish();
Buffer makePush();
Buffer makeTeleport();
Buffer makeMusic();

}  // namespace sndgen
