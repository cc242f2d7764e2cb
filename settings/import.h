#pragma once

#include <QWidget>

class PictureBox;
class QLabel;
struct ProgramSettings;

// The controls of the main window that the import draws on.
struct ImportControls
{
    PictureBox &picMain;
    QLabel &upper;
    QLabel &lower;
    PictureBox &picPalette;
};

// Takes over the earlier release's settings once the user says yes: its Always On Top and splash
// switches and the copy switches it had, its custom colours into the free swatches from 63
// downwards (written at once), and its colour as the current colour, copied at once when instant
// copy is on. The switches reach the settings file when the window closes. Returns whether the
// user said yes.
bool ImportSettings(ProgramSettings &settings, const ImportControls &controls, QWidget *parent);
