#include "app/commandline.h"
#include "app/modmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine command = ParseCommandLine(arguments);
    if (const std::optional<int> status = AnswerWithoutWindows(command))
        return *status;
    QApplication app(argc, argv);
    if (command.action == CommandLine::PickColour)
        return PrintPickedColour(command.format);
    Main();
    return app.exec();
}
