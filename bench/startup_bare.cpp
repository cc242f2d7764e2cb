// The floor of the start-up benchmark: a bare Qt window, ended at its first paint. With the
// argument "text" it shows one line of text, which brings in the font machinery that every window
// with a caption needs.
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
    if (argc > 1 && qstrcmp(argv[1], "text") == 0)
        window.setCentralWidget(new QLabel(QStringLiteral("Current Colour")));
    window.show();
    new FirstPaint(&window);
    return app.exec();
}
