// The floor of the start-up benchmark: a bare Qt window, ended at its first paint.
#include "firstpaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(224, 400);
    window.show();
    new FirstPaint(&window);
    return app.exec();
}
