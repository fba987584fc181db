#include "tools/datagen/sounds.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>

namespace datagen {

namespace {

const double kTwoPi = 6.283185307179586;

struct Partial {
    double ratio;   // frequency relative to the strike note
    double amp;     // initial amplitude
    double decay;   // time constant of the exponential decay, seconds
};

// Partials of a church-type bell: hum, prime, minor third (tierce), fifth,
// nominal and a few upper ones that give the metallic strike.
const Partial kBell[] = {
    {0.5, 0.22, 2.0}, {1.0, 0.40, 1.5}, {1.003, 0.12, 1.5}, {1.19, 0.26, 1.2}, {1.5, 0.14, 0.9},
    {2.0, 0.30, 0.8}, {2.52, 0.10, 0.45}, {3.01, 0.07, 0.3}, {4.08, 0.05, 0.16}, {5.43, 0.04, 0.05},
};

// A small, bright bell for the prelude.
const Partial kSmallBell[] = {
    {1.0, 0.45, 0.7}, {2.0, 0.18, 0.35}, {2.76, 0.10, 0.2}, {5.4, 0.05, 0.05},
};

template <size_t N>
void AddStrike(std::vector<double>& mix, double start, double freq, double gain, const Partial (&partials)[N]) {
    const size_t first = static_cast<size_t>(start * kSampleRate);
    const double attack = 0.004 * kSampleRate;
    for (const Partial& p : partials) {
        double f = freq * p.ratio;
        if (f >= kSampleRate / 2.0) continue;
        // Phasor rotated once per sample: exact sine without a sin() per sample.
        // The phase is counted from the start of the file, so a new stroke
        // reinforces the ringing of the earlier ones instead of cancelling it.
        const std::complex<double> step = std::polar(1.0, kTwoPi * f / kSampleRate);
        const double fall = std::exp(-1.0 / (p.decay * kSampleRate));
        std::complex<double> phase = std::polar(1.0, std::fmod(kTwoPi * f * first / kSampleRate, kTwoPi));
        double env = p.amp * gain;
        for (size_t i = first; i < mix.size() && env > 1e-5; ++i) {
            double k = static_cast<double>(i - first);
            double a = k < attack ? k / attack : 1.0;
            mix[i] += env * a * phase.imag();
            phase *= step;
            env *= fall;
        }
    }
}

// The clapper touching the bell damps what still rings: from `at` on, the
// sound so far falls to `keep` of its level within 15 ms. This keeps a long
// series of strokes from building up and makes every stroke distinct.
void Damp(std::vector<double>& mix, double at, double keep) {
    const size_t first = static_cast<size_t>(at * kSampleRate);
    const double ramp = 0.015 * kSampleRate;
    for (size_t i = first; i < mix.size(); ++i) {
        double k = static_cast<double>(i - first);
        mix[i] *= k < ramp ? 1.0 - (1.0 - keep) * (k / ramp) : keep;
    }
}

}  // namespace

int StrokesForKey(int key) {
    int k = key % 12;
    return k == 0 ? 12 : k;
}

bool EveningKey(int key, int mode) { return mode == 24 && key >= 13; }

std::vector<int16_t> ChimeSamples(int strokes, bool evening) {
    strokes = std::clamp(strokes, 1, 12);
    const double lead = 0.05;
    const double prelude = evening ? 0.85 : 0.0;
    const double tail = strokes <= 6 ? 2.2 : 1.5;
    double spacing = 0.9;
    if (strokes > 1) spacing = std::min(0.9, (kMaxChimeSeconds - lead - prelude - tail) / (strokes - 1));
    const double total = lead + prelude + (strokes - 1) * spacing + tail;
    std::vector<double> mix(static_cast<size_t>(total * kSampleRate), 0.0);

    if (evening) {
        const double notes[3] = {783.99, 1046.5, 1318.5};  // G5 C6 E6
        for (int i = 0; i < 3; ++i) AddStrike(mix, lead + i * 0.2, notes[i], 0.55, kSmallBell);
    }
    const double strike = evening ? 329.63 : 392.0;  // E4 in the evening, G4 by day
    for (int s = 0; s < strokes; ++s) {
        const double at = lead + prelude + s * spacing;
        if (s > 0) Damp(mix, at, 0.4);
        AddStrike(mix, at, strike, 0.75, kBell);
    }

    // Fade out over the last 0.4 s, then soft-limit into 16 bits.
    const size_t fade = static_cast<size_t>(0.4 * kSampleRate);
    std::vector<int16_t> out(mix.size());
    for (size_t i = 0; i < mix.size(); ++i) {
        double v = mix[i];
        size_t left = mix.size() - i;
        if (left < fade) v *= static_cast<double>(left) / fade;
        v = 0.8 * std::tanh(v);
        out[i] = static_cast<int16_t>(std::lround(v * 32767.0));
    }
    return out;
}

std::string ThemeIni(int mode) {
    std::string text = "[THEME]\r\nnMode=" + std::to_string(mode) + "\r\n";
    for (int k = 1; k <= mode; ++k) {
        char line[40];
        std::snprintf(line, sizeof line, "sClock%02d=Hour%02d.wav\r\n", k, k);
        text += line;
    }
    return text;
}

}  // namespace datagen
