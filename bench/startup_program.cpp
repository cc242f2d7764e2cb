// The program's start, ended at its main window's first paint.
#include "app/modmain.h"
#include "firstpaint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Main();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmMain"))
            new FirstPaint(window);
    }
    return app.exec();
}
