#pragma once

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
};

namespace MainFormValue {
inline const QString top = QStringLiteral("Main Top");
inline const QString left = QStringLiteral("Main Left");
inline const QString width = QStringLiteral("MainFormWidth");
inline const QString height = QStringLiteral("MainFormHeight");
inline const std::array<QString, MainFormSettings::savedColumns> columnWidths = {
    QStringLiteral("PTColWidth"), QStringLiteral("DateTimeColWidth"), QStringLiteral("ScheduleColWidth"),
    QStringLiteral("MessageColWidth"), QStringLiteral("SongRunColWidth")};
inline const QString fontName = QStringLiteral("MainListFontName");
inline const QString fontSize = QStringLiteral("MainListFontSize");
inline const QString outputDevice = QStringLiteral("Main Output Device");
inline const QString songName = QStringLiteral("Main Song Name");
inline const QString eventsFile = QStringLiteral("AlarmEventsFile");
} // namespace MainFormValue
