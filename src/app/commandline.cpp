// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include "app/translations.h"
#include "core/programinfo.h"

#include <QCommandLineParser>
#include <QFileInfo>

std::optional<QString> answerCommandLine(const QStringList& arguments, const Translations* translations)
{
    const auto translated = [translations](const char* context, const char* source) {
        return translations ? translations->translate(context, source) : QString::fromUtf8(source);
    };
    const auto ours = [&translated](const char* source) { return translated("CommandLine", source); };
    QCommandLineParser parser;
    // Qt's own options are single-dash words: "-platform" must not read as "-p -l -a...".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(ProgramInfo::title() +
                                     ours(QT_TRANSLATE_NOOP("CommandLine", ": an alarm clock and reminder.")));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  ours(QT_TRANSLATE_NOOP("CommandLine", "Displays this help and exits.")));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     ours(QT_TRANSLATE_NOOP("CommandLine", "Displays the version and exits.")));
    parser.addOptions({help, version});
    parser.parse(arguments);

    const QString program = arguments.isEmpty() ? QStringLiteral("zibac") : QFileInfo(arguments.first()).fileName();
    if (parser.isSet(help)) {
        // Qt names the program only once an application object exists, and this runs before one.
        QString text = parser.helpText();
        // Qt's own heading, which its catalogue translates only through an application object.
        text.replace(QStringLiteral("\nOptions:\n"), u'\n' + translated("QCommandLineParser", "Options:") + u'\n');
        return ours(QT_TRANSLATE_NOOP("CommandLine", "Usage: ")) + program +
               ours(QT_TRANSLATE_NOOP("CommandLine", " [options]")) + text.mid(text.indexOf(u'\n'));
    }
    if (parser.isSet(version))
        return program + u' ' + ProgramInfo::version() + u'\n';
    return std::nullopt;
}

QByteArray platformForSession(const QByteArray& display, const QByteArray& waylandDisplay)
{
    if (waylandDisplay.isEmpty())
        return {};
    // Without a display Qt would try xcb anyway and print that it failed before going on.
    return display.isEmpty() ? QByteArrayLiteral("wayland") : QByteArrayLiteral("xcb;wayland");
}
