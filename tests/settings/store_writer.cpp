// A second copy of the program as far as the settings file goes, so that tests can run writers
// side by side: store_writer FILE FIRST COUNT saves swatches FIRST.. with colours 1000 + index.

#include "settings/backend_file.h"
#include "settings/schema.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    SetSettingsBackend(std::make_unique<FileBackend>(args[1]));
    CreateKey(Schema::ColoursKey);
    const int first = args[2].toInt();
    for (int index = first; index < first + args[3].toInt(); ++index)
        SaveValue(Schema::Swatch(index), 1000 + index);
    return 0;
}
