// The background tune: a calm twelve-bar loop that ends where it can start again.
#include "Synth.h"

namespace sndgen {

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

}  // namespace sndgen
