// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settingvalues.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <optional>

/// The main window's saved placement, column widths and list font, as far as the stored values
/// are present and inside their accepted ranges.
struct MainFormSettings
{
    static constexpr int savedColumns = 5;

    std::optional<int> top;
    std::optional<int> left;
    std::optional<int> width;
    std::optional<int> height;
    std::array<std::optional<int>, savedColumns> columnWidths;
    std::optional<QString> fontName;
    std::optional<int> fontSize;

    /// Reads the values in their stored order through read(name).
    static MainFormSettings read(const std::function<QString(const QString&)>& read, const QSize& screen);
    /// Writes the column widths, then the window's top, left, width and height, through
    /// write(name, value); stops at the first value that could not be stored and returns false.
    static bool write(const std::function<bool(const QString&, const QString&)>& write,
                      const std::array<int, savedColumns>& columnWidths, const QRect& window);
};

/// The stored names of the saved column widths, for columns 0 to 4.
inline const std::array<QString, MainFormSettings::savedColumns> columnWidthNames = {
    SettingNames::PTColWidth, SettingNames::DateTimeColWidth, SettingNames::ScheduleColWidth,
    SettingNames::MessageColWidth, SettingNames::SongRunColWidth};
