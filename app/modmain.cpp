#include "app/modmain.h"

#include "app/dialogprompts.h"
#include "app/frmmain.h"
#include "app/frmsplash.h"
#include "finder/screensource.h"
#include "settings/schema.h"

#include <QApplication>
#include <QIcon>

using namespace std::chrono_literals;

void Main()
{
    static DialogPrompts dialogs;
    SetPrompts(&dialogs);
    SetScreenSource(DesktopScreenSource());
    QApplication::setApplicationName(QStringLiteral("Tarvo Pigmenta"));
    // The desktop entry the desktop shows for the window (its application id on Wayland).
    QApplication::setDesktopFileName(QStringLiteral("org.example.Pigmenta"));
    // The window icon goes to the desktop at every size it holds; the larger ones come from the
    // installed icon theme, where a desktop wants them.
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(QPixmap(QStringLiteral(":/pigmenta-%1.png").arg(size), "PNG"));
    QApplication::setWindowIcon(icon);
    CreateProgramKeys();
    auto *main = new frmMain;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->show();
    if (main->Settings.showSplash)
        (new frmSplash)->ShowFor(4s);
}
