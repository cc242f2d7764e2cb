// The floor of the start-up benchmark: a bare Qt window, ended at its first paint. With the
// argument "text" it shows one line of text, which brings in the font machinery that every window
// with a caption needs; with "idle" it stays open, the floor of the idle measurement.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(224, 400);
    const QByteArray mode = argc > 1 ? argv[1] : "";
    if (mode == "text")
        window.setCentralWidget(new QLabel(QStringLiteral("Current Colour")));
    window.show();
    if (mode != "idle")
        new FirstPaint(&window);
    return app.exec();
}
