#include "widgets/chimebox.h"

#include "platform/clock.h"
#include "widgets/namedcontrols.h"

#include <QDateTime>

ChimeBox::ChimeBox(Clock& clock, QWidget* parent)
    : DropDownComboBox(parent)
    , m_clock(clock)
{
    named(this, "cbChimeTime", QStringLiteral("Chime time"));
    addItems({QStringLiteral("Quarter"), QStringLiteral("Half Hour"), QStringLiteral("Top")});
    for (int minutes = 1; minutes <= 60; ++minutes)
        addItem(QString::number(minutes));
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, &ChimeBox::cbChimeTimeChange);
}

void ChimeBox::cbChimeTimeChange()
{
    m_chime.selectionChanged(currentIndex(), currentText(), m_clock.now().time().minute());
}

bool ChimeBox::strikes(int minute, bool atExactMinute)
{
    return m_chime.check(currentIndex(), currentText(), isDroppedDown(), atExactMinute, minute);
}
