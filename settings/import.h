#pragma once

#include <QWidget>

class ColourDisplay;
class PictureBox;
struct ProgramSettings;

// Takes over the earlier release's settings once the user says yes: its Always On Top and splash
// switches and the copy switches it had, its custom colours into the free swatches from 63
// downwards (written at once), and its colour as the current colour, copied at once when instant
// copy is on. The switches reach the settings file when the window closes. Returns whether the
// user said yes.
bool ImportSettings(ProgramSettings &settings, ColourDisplay &picMain, PictureBox &picPalette,
                    QWidget *parent);
