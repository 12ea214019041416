// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/chimebox.h"

#include "platform/clock.h"
#include "widgets/namedcontrols.h"

#include <QDateTime>

namespace {
const char* const chimeNames[] = {QT_TRANSLATE_NOOP("ChimeBox", "Quarter"), QT_TRANSLATE_NOOP("ChimeBox", "Half Hour"),
                                  QT_TRANSLATE_NOOP("ChimeBox", "Top")};

// The chime rules read the English names, whatever language the list shows.
QString chimeText(const QComboBox& box)
{
    const int index = box.currentIndex();
    return index >= 0 && index < int(std::size(chimeNames)) ? QString::fromLatin1(chimeNames[index])
                                                            : box.currentText();
}
} // namespace

ChimeBox::ChimeBox(Clock& clock, QWidget* parent)
    : DropDownComboBox(parent)
    , m_clock(clock)
{
    named(this, "cbChimeTime", tr("Chime time"));
    for (const char* name : chimeNames)
        addItem(tr(name));
    for (int minutes = 1; minutes <= 60; ++minutes)
        addItem(QString::number(minutes));
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, &ChimeBox::cbChimeTimeChange);
}

void ChimeBox::cbChimeTimeChange()
{
    m_chime.selectionChanged(currentIndex(), chimeText(*this), m_clock.now().time().minute());
}

bool ChimeBox::strikes(int minute, bool atExactMinute)
{
    return m_chime.check(currentIndex(), chimeText(*this), isDroppedDown(), atExactMinute, minute);
}
