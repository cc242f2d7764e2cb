#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the command line asks the program to do.
struct CommandLine
{
    enum Action { ShowMainWindow, PickColour, ShowVersion, ShowHelp, UsageError };

    Action action = ShowMainWindow;
    QString format;  // how a picked colour is printed: hex, rgb, hsl, oklch or copytext
    QString problem; // what is wrong, for a usage error
    QString usage;   // the help text
    // Whether the toolkit's options name the display (-display) or the platform (-platform).
    bool displayNamed = false;
};

// arguments as main receives them, the program's name first.
[[nodiscard]] CommandLine ParseCommandLine(const QStringList &arguments);

// Prints the help, the version or a usage error with the help, and returns the exit status: these
// need no display, which a terminal over ssh may lack. Nothing for the actions that need one,
// unless there is none: a pick then says so and returns 1.
[[nodiscard]] std::optional<int> AnswerWithoutWindows(const CommandLine &command);

// Takes one colour from the screen and prints it in format on standard output; returns the exit
// status, 1 where no colour was taken. Shows no main window, stores no setting and leaves the
// clipboard alone; the copy text is shaped by the stored copy options.
int PrintPickedColour(const QString &format);
