#include "app/commandline.h"

#include "core/copytext.h"
#include "core/cssforms.h"
#include "core/programsettings.h"
#include "dialogs/version.h"
#include "finder/screenpick.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const QStringList Formats = {QStringLiteral("hex"), QStringLiteral("rgb"), QStringLiteral("hsl"),
                             QStringLiteral("oklch"), QStringLiteral("copytext")};

// A colour as a picked colour is printed, format being one of Formats.
QString ColourText(ColourValue colour, const QString &format)
{
    if (format == QLatin1String("rgb"))
        return CssRgbText(colour);
    if (format == QLatin1String("hsl"))
        return CssHslText(colour);
    if (format == QLatin1String("oklch"))
        return CssOklchText(colour);
    if (format == QLatin1String("copytext"))
        return ComposeCopyText(colour, FinderCopy, TrueColourKind,
                               ReadProgramSettings().copyOptions, HexText(colour));
    return CssHexText(colour);
}

// The exit status after printing status's text: 1 where it did not reach standard output (a full
// disk), which says why, as a script would otherwise take nothing printed for success.
int Printed(int status)
{
    if (std::fflush(stdout) == 0)
        return status;
    std::fprintf(stderr, "pigmenta: Standard output could not be written: %s\n",
                 std::strerror(errno));
    return 1;
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tarvo Pigmenta, a colour tool for people who write web pages.\n"
                       "Without options it shows its main window."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows the options and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and ends."));
    const QCommandLineOption pick(
        QStringLiteral("pick"),
        QStringLiteral("Takes one colour from the screen and prints it: a click or Enter takes "
                       "the colour under the reticle, the arrow keys move it by one pixel (ten "
                       "with Shift), Esc ends without a colour."));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("How --pick prints the colour: hex (#ff6600, the default), rgb (rgb(255 "
                       "102 0)), hsl (hsl(24 100% 50%)), oklch (oklch(69.58% 0.204 43.49)) or "
                       "copytext (the text Copy True Colour would copy, shaped by the stored copy "
                       "options)."),
        QStringLiteral("form"), Formats.first());
    parser.addOptions({help, version, pick, format});
    // The toolkit's own options, which QApplication takes out of the arguments, pass unnamed in
    // the help: -platform xcb, -style Fusion, or -session as a session manager starts the program
    // again. They are single words after one dash, as the toolkit reads them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto toolkitOption = [&parser](const char *name, const QString &valueName) {
        QCommandLineOption option(QLatin1String(name), {}, valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "display",
                             "geometry", "style", "stylesheet", "qmljsdebugger"})
        toolkitOption(name, QStringLiteral("value"));
    toolkitOption("reverse", {});
    toolkitOption("widgetcount", {});

    CommandLine command;
    const QString form = parser.parse(arguments) ? parser.value(format) : QString();
    if (!parser.errorText().isEmpty())
        command.problem = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        command.problem =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    else if (parser.isSet(help))
        command.action = CommandLine::ShowHelp;
    else if (parser.isSet(version))
        command.action = CommandLine::ShowVersion;
    else if (parser.isSet(format) && !parser.isSet(pick))
        command.problem = QStringLiteral("--format goes with --pick.");
    else if (!Formats.contains(form))
        command.problem =
            QStringLiteral("Unknown format '%1': hex, rgb, hsl, oklch or copytext.").arg(form);
    else if (parser.isSet(pick)) {
        command.action = CommandLine::PickColour;
        command.format = form;
        command.displayNamed =
            parser.isSet(QStringLiteral("display")) || parser.isSet(QStringLiteral("platform"));
    }
    if (!command.problem.isEmpty())
        command.action = CommandLine::UsageError;
    // Without an application object, which needs a display, the parser cannot name the program.
    // The text is made only where it is shown, not at every start.
    if (command.action == CommandLine::ShowHelp || command.action == CommandLine::UsageError)
        command.usage = parser.helpText().replace(QLatin1String("<executable_name>"),
                                                  QLatin1String("pigmenta"));
    return command;
}

std::optional<int> AnswerWithoutWindows(const CommandLine &command)
{
    switch (command.action) {
    case CommandLine::ShowHelp:
        std::fputs(qPrintable(command.usage), stdout);
        return Printed(0);
    case CommandLine::ShowVersion:
        std::puts("Tarvo Pigmenta " PIGMENTA_VERSION);
        return Printed(0);
    case CommandLine::UsageError:
        std::fprintf(stderr, "pigmenta: %s\n\n%s", qPrintable(command.problem),
                     qPrintable(command.usage));
        return 2;
    case CommandLine::PickColour:
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // Qt ends the program outright where it finds no display to open; a script that runs the
        // pick gets a word and a status instead.
        if (!command.displayNamed && qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            std::fputs("pigmenta: No display to pick from\n", stderr);
            return 1;
        }
#endif
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

int PrintPickedColour(const QString &format)
{
    ScreenPick pick;
    QObject::connect(&pick, &ScreenPick::Picked, [&format](ColourValue colour) {
        std::puts(qPrintable(ColourText(colour, format)));
        QCoreApplication::exit(Printed(0));
    });
    QObject::connect(&pick, &ScreenPick::Ended, [](const QString &problem) {
        if (!problem.isEmpty())
            std::fprintf(stderr, "pigmenta: %s\n", qPrintable(problem));
        QCoreApplication::exit(1);
    });
    pick.Start();
    return QCoreApplication::exec();
}
