// A second copy of the program as far as the settings file goes: it writes values to the file
// given, so that tests can run writers side by side or kill one in the middle of a write.
//   store_writer FILE swatches FIRST COUNT   saves swatches FIRST.. with colours 1000 + index
//   store_writer FILE loop                   saves "Heading" over and over until killed

#include "settings/backend_file.h"
#include "settings/schema.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    SetSettingsBackend(std::make_unique<FileBackend>(args[1]));
    CreateKey(Schema::SettingsKey);
    CreateKey(Schema::ColoursKey);
    if (args[2] == QLatin1String("swatches") && args.size() == 5) {
        const int first = args[3].toInt();
        for (int index = first; index < first + args[4].toInt(); ++index)
            SaveValue(Schema::Swatch(index), 1000 + index);
        return 0;
    }
    if (args[2] == QLatin1String("loop")) {
        // Each text is one digit many times over, so a text mixed from two writes shows.
        for (int n = 0;; ++n)
            SaveValue(Schema::HeadingText, QString(3000, QChar(u'0' + n % 10)));
    }
    return 2;
}
