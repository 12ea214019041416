#include "app/mainformsettings.h"

namespace {
/// A stored integer; text that is not a decimal integer counts as missing.
std::optional<int> storedInt(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> within(std::optional<int> value, const std::function<bool(int)>& accepted)
{
    return value && accepted(*value) ? value : std::nullopt;
}
} // namespace

MainFormSettings MainFormSettings::read(const std::function<QString(const QString&)>& read, const QSize& screen)
{
    MainFormSettings s;
    s.top = within(storedInt(read(MainFormValue::top)), [&](int v) { return v > 0 && v < screen.height(); });
    s.left = within(storedInt(read(MainFormValue::left)), [&](int v) { return v > 0 && v < screen.width(); });
    s.width = within(storedInt(read(MainFormValue::width)), [&](int v) { return v > 100 && v <= screen.width(); });
    s.height = within(storedInt(read(MainFormValue::height)), [&](int v) { return v > 80 && v <= screen.height(); });
    for (int column = 0; column < savedColumns; ++column) {
        s.columnWidths[column] =
            within(storedInt(read(MainFormValue::columnWidths[column])), [](int v) { return v > 10 && v < 400; });
    }
    if (const QString name = read(MainFormValue::fontName); !name.isEmpty())
        s.fontName = name;
    s.fontSize = within(storedInt(read(MainFormValue::fontSize)), [](int v) { return v > 0; });
    return s;
}
