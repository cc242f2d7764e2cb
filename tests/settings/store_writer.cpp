// A second copy of the program as far as the settings file goes, so that tests can run writers
// side by side: store_writer FILE FIRST COUNT saves swatches FIRST.. with colours 1000 + index and
// prints "saved INDEX" as each is stored. store_writer --check FILE prints the swatches the
// file holds ("INDEX COLOUR") and fails when it does not read back whole.

#include "settings/backend_file.h"
#include "settings/schema.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--check")) {
        QFile file(args[2]);
        const RegFile registry = RegFile::Parse(file.open(QFile::ReadOnly) ? file.readAll() : "");
        const RegKey *key =
            registry.FindKey(QStringLiteral("HKEY_LOCAL_MACHINE\\") + Schema::ColoursKey);
        if (registry.IsDamaged() || !key)
            return 1;
        for (const RegValue &value : key->Values())
            std::printf("%s %d\n", qPrintable(value.name), value.data.toInt());
        return 0;
    }
    if (args.size() != 4)
        return 2;
    SetSettingsBackend(std::make_unique<FileBackend>(args[1]));
    CreateProgramKeys();
    for (int index = args[2].toInt(), end = index + args[3].toInt(); index < end; ++index) {
        // Printed before the next save, once one the other writer's lock kept back is stored too.
        for (bool kept = !SaveValue(Schema::Swatch(index), 1000 + index); kept;)
            kept = !StorePendingChanges().isEmpty();
        std::printf("saved %d\n", index);
        std::fflush(stdout);
    }
    return 0;
}
