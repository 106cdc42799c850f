// The eleven sound effects of the game, each built from the synthesizer's parts.
#include "Synth.h"

namespace sndgen {

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

}  // namespace sndgen
