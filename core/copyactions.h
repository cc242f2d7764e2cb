#pragma once

#include <QString>

class PictureBox;
class QLabel;
struct CopyOptions;

// The copy commands and the instant copy after a pick: each reads the colour back from the
// current-colour display, composes its text and puts it on the clipboard.

// Copies the current true colour; returns the status text to show.
QString CopyTrueColour(const PictureBox &picMain, const QLabel &upper, const CopyOptions &options);

// Copies the current safe colour, as the lower band shows it; returns the status text to show.
QString CopySafeColour(const PictureBox &picMain, const QLabel &upper, const CopyOptions &options);

// Copies the current true colour for source when instant copy is on; else does nothing.
void CopyPickedColour(const PictureBox &picMain, const QLabel &upper, const CopyOptions &options,
                      int source);
