// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainformsettings.h"

namespace {
std::optional<int> within(std::optional<int> value, const std::function<bool(int)>& accepted)
{
    return value && accepted(*value) ? value : std::nullopt;
}
} // namespace

MainFormSettings MainFormSettings::read(const std::function<QString(const QString&)>& read, const QSize& screen)
{
    MainFormSettings s;
    s.top = within(SettingValues::integer(read(SettingNames::MainTop)),
                   [&](int v) { return v > 0 && v < screen.height(); });
    s.left = within(SettingValues::integer(read(SettingNames::MainLeft)),
                    [&](int v) { return v > 0 && v < screen.width(); });
    s.width = within(SettingValues::integer(read(SettingNames::MainFormWidth)),
                     [&](int v) { return v > 100 && v <= screen.width(); });
    s.height = within(SettingValues::integer(read(SettingNames::MainFormHeight)),
                      [&](int v) { return v > 80 && v <= screen.height(); });
    for (int column = 0; column < savedColumns; ++column) {
        s.columnWidths[column] =
            within(SettingValues::integer(read(columnWidthNames[column])), [](int v) { return v > 10 && v < 400; });
    }
    if (const QString name = read(SettingNames::MainListFontName); !name.isEmpty())
        s.fontName = name;
    s.fontSize = within(SettingValues::integer(read(SettingNames::MainListFontSize)), [](int v) { return v > 0; });
    return s;
}

bool MainFormSettings::write(const std::function<bool(const QString&, const QString&)>& write,
                             const std::array<int, savedColumns>& columnWidths, const QRect& window)
{
    for (int column = 0; column < savedColumns; ++column) {
        if (!write(columnWidthNames[column], QString::number(columnWidths[column])))
            return false;
    }
    return write(SettingNames::MainTop, QString::number(window.y())) &&
           write(SettingNames::MainLeft, QString::number(window.x())) &&
           write(SettingNames::MainFormWidth, QString::number(window.width())) &&
           write(SettingNames::MainFormHeight, QString::number(window.height()));
}
