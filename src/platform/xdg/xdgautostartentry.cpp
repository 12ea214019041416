// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdg/xdgautostartentry.h"
#include "core/programinfo.h"
#include "platform/xdg/xdgfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Escapes of every string value in a desktop entry file, applied after the Exec quoting.
QString escapeValue(const QString& text)
{
    QString result;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            result += QLatin1String("\\\\");
            break;
        case '\n':
            result += QLatin1String("\\n");
            break;
        case '\t':
            result += QLatin1String("\\t");
            break;
        case '\r':
            result += QLatin1String("\\r");
            break;
        default:
            result += c;
        }
    }
    return result;
}

QString unescapeValue(const QString& text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        switch (text[++i].unicode()) {
        case 's':
            result += QLatin1Char(' ');
            break;
        case 'n':
            result += QLatin1Char('\n');
            break;
        case 't':
            result += QLatin1Char('\t');
            break;
        case 'r':
            result += QLatin1Char('\r');
            break;
        default:
            result += text[i];
        }
    }
    return result;
}

} // namespace

XdgAutostartEntry::XdgAutostartEntry(QString runningProgram)
    : m_runningProgram(std::move(runningProgram))
{}

QString XdgAutostartEntry::autostartFolder()
{
    return xdgBaseFolder("XDG_CONFIG_HOME", QStringLiteral("/.config")) + QLatin1String("/autostart");
}

QString XdgAutostartEntry::fileName(const QString& name)
{
    QString result = name.toLower();
    for (QChar& c : result) {
        const bool safe = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                          (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') ||
                          c == QLatin1Char('_') || c == QLatin1Char('-');
        if (!safe)
            c = QLatin1Char('-');
    }
    return result + QLatin1String(".desktop");
}

QString XdgAutostartEntry::filePath(const QString& name)
{
    return autostartFolder() + QLatin1Char('/') + fileName(name);
}

QString XdgAutostartEntry::execValue(const QString& programPath)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
        // A lone '%' would start a field code.
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
    }
    quoted += QLatin1Char('"');
    return escapeValue(quoted);
}

QString XdgAutostartEntry::programOfExec(const QString& exec)
{
    const QString command = unescapeValue(exec);
    QString program;
    qsizetype i = 0;
    if (command.startsWith(QLatin1Char('"'))) {
        for (i = 1; i < command.size() && command[i] != QLatin1Char('"'); ++i) {
            if (command[i] == QLatin1Char('\\') && i + 1 < command.size())
                ++i;
            program += command[i];
        }
        if (i == command.size())
            return {};
    } else {
        program = command.section(QLatin1Char(' '), 0, 0);
    }
    return program.replace(QLatin1String("%%"), QLatin1String("%"));
}

bool XdgAutostartEntry::add(const QString& name, const QString& programPath, QString* error)
{
    QDir().mkpath(autostartFolder());
    const QString program =
        m_runningProgram.isEmpty() || QFileInfo(programPath).isExecutable() ? programPath : m_runningProgram;
    QSaveFile file(filePath(name));
    if (file.open(QIODevice::WriteOnly)) {
        const QString content = QLatin1String("[Desktop Entry]\nType=Application\nName=") + escapeValue(name) +
                                QLatin1String("\nExec=") + execValue(program) + QLatin1String("\nIcon=") +
                                ProgramInfo::applicationId() + QLatin1String("\nX-GNOME-Autostart-enabled=true\n");
        file.write(content.toUtf8());
        if (file.commit())
            return true;
    }
    if (error)
        *error = file.errorString();
    return false;
}

bool XdgAutostartEntry::remove(const QString& name, QString* error)
{
    QFile file(filePath(name));
    if (!file.exists() || file.remove())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

QString XdgAutostartEntry::programPath(const QString& name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inMainGroup && equals > 0 && QStringView(line).first(equals).trimmed() == QLatin1String("Exec"))
            return programOfExec(line.mid(equals + 1).trimmed());
    }
    return {};
}
