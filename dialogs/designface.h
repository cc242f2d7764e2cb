#pragma once

#include <QWidget>

// The dialogs' design sets their texts in an 8-point face; a window and its controls take it.
inline void UseDesignFace(QWidget &window)
{
    QFont eightPoint = window.font();
    eightPoint.setPointSize(8);
    window.setFont(eightPoint);
}
