// SPDX-License-Identifier: GPL-3.0-or-later
#include "speaker/tbtbeeper.h"

#include <array>

namespace {

constexpr unsigned Rest = 1;

constexpr Note OK[] = {{932, 100}, {988, 100}, {1046, 100}};
constexpr Note Error[] = {{92, 150}, {Rest, 200}, {65, 500}};
constexpr Note Welcome[] = {{932, 100}, {988, 100}, {1046, 100}, {Rest, 100}, {1046, 100}, {988, 100}, {932, 100}};
constexpr Note Emergency[] = {{698, 200}, {494, 200}, {698, 200}, {494, 200},
                              {698, 200}, {494, 200}, {698, 200}, {494, 200}};
constexpr Note Wrong[] = {{261, 150}, {247, 50}, {233, 50}, {220, 50}, {207, 50}, {196, 50},  {189, 50},
                          {174, 50},  {165, 50}, {155, 50}, {149, 50}, {138, 50}, {131, 100}, {65, 200}};
constexpr Note Call[] = {{196, 650}, {Rest, 100}, {165, 500}};
constexpr Note Official[] = {{196, 200}, {Rest, 50}, {196, 200},  {Rest, 50}, {196, 200},
                             {Rest, 50}, {165, 700}, {Rest, 100}, {261, 200}, {Rest, 50},
                             {261, 200}, {Rest, 50}, {261, 200},  {Rest, 50}, {131, 700}};
constexpr Note Daze[] = {{329, 100}, {311, 100}, {293, 100}, {311, 100}, {329, 100}, {311, 100},
                         {293, 100}, {311, 100}, {329, 100}, {311, 100}, {293, 100}, {311, 100}};
constexpr Note Fall[] = {{329, 100}, {311, 100}, {293, 100}, {311, 100}, {349, 100}, {329, 100},
                         {311, 100}, {329, 100}, {370, 100}, {349, 100}, {329, 100}, {349, 100}};
constexpr Note Chord[] = {{494, 80}, {466, 80}, {440, 80}, {415, 80}, {392, 80}, {370, 80},
                          {349, 80}, {329, 80}, {311, 80}, {293, 80}, {277, 80}, {261, 80}};
constexpr Note Whisle[] = {{523, 80}, {698, 80}, {784, 80}, {1046, 80}};
constexpr Note Hanging[] = {{784, 80}, {1046, 80}, {830, 80}, {1109, 80}, {880, 80},  {1174, 80},
                            {932, 80}, {1244, 80}, {988, 80}, {1318, 80}, {1046, 80}, {1397, 80}};
constexpr Note Climb[] = {{261, 80}, {277, 80}, {293, 80}, {311, 80}, {329, 80}, {349, 80},
                          {370, 80}, {392, 80}, {415, 80}, {440, 80}, {466, 80}, {494, 80}};

constexpr std::array<std::span<const Note>, 13> Presets = {OK,   Error, Welcome, Emergency, Wrong,   Call, Official,
                                                           Daze, Fall,  Chord,   Whisle,    Hanging, Climb};

} // namespace

TBTBeeper::TBTBeeper(ToneOutput& output, QObject* parent)
    : QObject(parent)
    , m_output(output)
{}

std::span<const Note> TBTBeeper::presetNotes(int preset)
{
    if (preset < 0 || preset >= int(Presets.size()))
        return {};
    return Presets[size_t(preset)];
}

bool TBTBeeper::PlayPresetSound(int preset)
{
    const std::span<const Note> notes = presetNotes(preset);
    return notes.empty() || m_output.play(notes);
}

void TBTBeeper::PlayTone(unsigned frequency, int ms)
{
    const Note note{frequency, ms};
    m_output.play(std::span<const Note>(&note, 1));
}

void TBTBeeper::setBeatDuration(TBeatDuration value)
{
    if (value == m_beatDuration)
        return;
    m_beatDuration = value;
    m_beatMs = 500 * (int(value) + 1);
}
