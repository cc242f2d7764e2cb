#include "app/frmmain.h"
#include "app/frmsplash.h"
#include "settings/schema.h"

#include <QApplication>

using namespace std::chrono_literals;

// Makes sure the program's keys exist, shows the main window and, when the splash switch is on,
// the start-up picture for about four seconds.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvo Pigmenta"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pigmenta-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    for (const QString &key :
         {Schema::ProgramKey, Schema::PositionKey, Schema::SettingsKey, Schema::ColoursKey})
        CreateKey(key);
    frmMain main;
    main.show();
    if (main.Settings.showSplash)
        (new frmSplash)->ShowFor(4s);
    return app.exec();
}
