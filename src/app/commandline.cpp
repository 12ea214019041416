#include "app/commandline.h"

#include "core/programinfo.h"

#include <QCommandLineParser>
#include <QFileInfo>

std::optional<QString> answerCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words: "-platform" must not read as "-p -l -a...".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(ProgramInfo::title() + QStringLiteral(": an alarm clock and reminder."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version and exits."));
    parser.addOptions({help, version});
    parser.parse(arguments);

    const QString program = arguments.isEmpty() ? QStringLiteral("zibac") : QFileInfo(arguments.first()).fileName();
    if (parser.isSet(help)) {
        // Qt names the program only once an application object exists, and this runs before one.
        const QString text = parser.helpText();
        return QStringLiteral("Usage: ") + program + QStringLiteral(" [options]") + text.mid(text.indexOf(u'\n'));
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
