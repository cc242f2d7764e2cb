#pragma once

#include "core/colour.h"

#include <QDialog>
#include <array>

class ColourDisplay;
class QLabel;
class QPushButton;

// The contrast of the Preview's text, heading and link colours against its background, and of the
// current colour against white and black: each pair's ratio and whether it is enough for normal
// and for large text at levels AA and AAA. Modeless; it follows every change of those colours.
class frmContrast : public QDialog
{
    Q_OBJECT

public:
    explicit frmContrast(const ColourDisplay &picMain, QWidget *parent = nullptr);

    // Reads the Preview's stored colours and the current colour again and shows their contrasts.
    void Form_Load();
    void cmdClose_Click();

    // One row a pair: text, heading, link, hover link, active link on the Preview's background,
    // then the current colour on white and on black.
    static constexpr int PairCount = 7;
    std::array<QLabel *, PairCount> lblSample; // "Aa" in the pair's colours
    std::array<QLabel *, PairCount> lblRatio;
    // AA normal, AA large, AAA normal, AAA large
    std::array<std::array<QLabel *, 4>, PairCount> lblVerdict;
    QPushButton *cmdClose;

private:
    void ShowCurrentColour(ColourValue current);
    // Shows the row of pair: its sample, its ratio and its verdicts.
    void ShowPair(int pair, ColourValue foreground, ColourValue back);

    const ColourDisplay &m_picMain;
};
