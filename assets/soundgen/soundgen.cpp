// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesizes the program's own sounds as RIFF/WAVE files, 16-bit mono PCM.
// Usage: soundgen <output folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

using Samples = std::vector<double>;

struct Partial
{
    double ratio;
    double amplitude;
    double decayPerSecond;
};

// A struck tone: partials that die away, each at its own rate, after a 5 ms attack.
void addStrike(Samples& out, double at, double seconds, double frequency, const std::vector<Partial>& partials,
               double gain)
{
    const auto first = static_cast<std::size_t>(at * kRate);
    const auto count = static_cast<std::size_t>(seconds * kRate);
    if (out.size() < first + count) {
        out.resize(first + count, 0.0);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::min(1.0, t / 0.005);
        double v = 0.0;
        for (const Partial& p : partials) {
            v += p.amplitude * std::exp(-p.decayPerSecond * t) *
                 std::sin(2 * std::numbers::pi * frequency * p.ratio * t);
        }
        out[first + i] += gain * attack * v;
    }
}

// A steady tone with 3 ms ramps at both ends so that it does not click.
void addBeep(Samples& out, double at, double seconds, double frequency, double gain)
{
    const auto first = static_cast<std::size_t>(at * kRate);
    const auto count = static_cast<std::size_t>(seconds * kRate);
    if (out.size() < first + count) {
        out.resize(first + count, 0.0);
    }
    const double ramp = 0.003 * kRate;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double edge = std::min({1.0, static_cast<double>(i) / ramp, static_cast<double>(count - i) / ramp});
        out[first + i] += gain * edge * std::sin(2 * std::numbers::pi * frequency * t);
    }
}

void padTo(Samples& out, double seconds)
{
    out.resize(std::max(out.size(), static_cast<std::size_t>(seconds * kRate)), 0.0);
}

void putLe(std::ofstream& f, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        f.put(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

bool writeWave(const std::string& path, const Samples& samples)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) {
        return false;
    }
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    f.write("RIFF", 4);
    putLe(f, 36 + dataBytes, 4);
    f.write("WAVEfmt ", 8);
    putLe(f, 16, 4);
    putLe(f, 1, 2); // PCM
    putLe(f, 1, 2); // mono
    putLe(f, kRate, 4);
    putLe(f, kRate * 2, 4);
    putLe(f, 2, 2);
    putLe(f, 16, 2);
    f.write("data", 4);
    putLe(f, dataBytes, 4);
    for (double s : samples) {
        const double clipped = std::max(-1.0, std::min(1.0, s));
        putLe(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32767))), 2);
    }
    f.close();
    return static_cast<bool>(f);
}

// Inharmonic partials (minor third, fifth, octave, a sharp "nominal") give the bell its colour.
const std::vector<Partial> kBell = {{0.5, 0.25, 1.2}, {1.0, 0.6, 2.0},   {1.19, 0.3, 2.6}, {1.5, 0.25, 3.0},
                                    {2.0, 0.35, 3.5}, {2.74, 0.15, 5.0}, {3.0, 0.1, 6.0},  {4.07, 0.06, 8.0}};
const std::vector<Partial> kChime = {{1.0, 0.7, 2.5}, {2.76, 0.2, 5.0}, {5.4, 0.08, 9.0}};

Samples bell()
{
    Samples s;
    addStrike(s, 0.0, 1.5, 587.33, kBell, 0.45);
    return s;
}

Samples chimes()
{
    Samples s;
    const double notes[] = {1318.51, 1174.66, 1046.50, 783.99};
    for (int i = 0; i < 4; ++i) {
        addStrike(s, 0.35 * i, 1.2, notes[i], kChime, 0.5);
    }
    return s;
}

Samples beeps()
{
    Samples s;
    for (int i = 0; i < 4; ++i) {
        addBeep(s, 0.2 * i, 0.1, 1800.0, 0.5);
    }
    padTo(s, 0.8);
    return s;
}

Samples didi()
{
    Samples s;
    addStrike(s, 0.0, 0.18, 1567.98, kChime, 0.55);
    addStrike(s, 0.16, 0.3, 2093.0, kChime, 0.55);
    return s;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: soundgen <output folder>\n";
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    const struct
    {
        const char* name;
        Samples samples;
    } sounds[] = {{"Bell.wav", bell()}, {"Chimes.wav", chimes()}, {"Beep.wav", beeps()}, {"didi.snd", didi()}};
    for (const auto& sound : sounds) {
        if (!writeWave(dir + sound.name, sound.samples)) {
            std::cerr << "soundgen: cannot write " << dir << sound.name << "\n";
            return 1;
        }
    }
    return 0;
}
