// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "trigger/chime.h"
#include "widgets/dropdowncombobox.h"

class Clock;

/// The chime's interval list and the chime's state: which minutes strike.
class ChimeBox : public DropDownComboBox
{
    Q_OBJECT

public:
    explicit ChimeBox(Clock& clock, QWidget* parent = nullptr);

    /// Whether the chime strikes at this minute; the switch beside the box is on.
    bool strikes(int minute, bool atExactMinute);

private slots:
    void cbChimeTimeChange();

private:
    Clock& m_clock;
    Chime m_chime;
};
