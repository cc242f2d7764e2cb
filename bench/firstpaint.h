#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

// Ends the program once the window it watches has been painted for the first time, so that the
// time from start to exit is the time to a window on the screen. It ends at once, without the
// closing of windows that quitting brings (the main window would store its settings).
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Ending from the next turn of the event loop lets the painted frame reach the screen.
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        return false;
    }
};
