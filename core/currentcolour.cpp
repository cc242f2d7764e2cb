#include "core/currentcolour.h"

#include "core/colournames.h"
#include "core/systemcolours.h"
#include "core/twips.h"

#include <QLabel>

namespace {

// The two bands reach past the box's edges so that no border of theirs shows.
constexpr int BandLeft = -8;
constexpr int BandRight = 2730;
constexpr int BandsTop = -8;
constexpr int BandsMiddle = 515;
constexpr int BandsBottom = 1110;

// The safe colour is read this far above the bottom of the box.
constexpr int SafeColourRise = 100;

void Caption(QLabel &label, const QString &text, ColourValue band)
{
    label.setText(text);
    // A palette set again, even the same, costs the label a round of change events.
    const QColor textColour = ResolveColour(ContrastTextColour(band));
    if (label.palette().color(QPalette::WindowText) != textColour) {
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText, textColour);
        label.setPalette(palette);
    }
    label.resize(label.sizeHint().width(), label.height());
}

void Show(ColourDisplay &picMain, ColourValue trueColour, ColourValue safeColour,
          const QString &upperText)
{
    const ColourValue before = ReadSwatchColour(picMain, TrueSwatch);
    picMain.FilledBox(BandLeft, BandsTop, BandRight, BandsMiddle, trueColour);
    picMain.FilledBox(BandLeft, BandsMiddle, BandRight, BandsBottom, safeColour);
    Caption(*picMain.lblHexName[0], upperText, trueColour);
    Caption(*picMain.lblHexName[1], HexText(safeColour), safeColour);
    // Each caption is centred across again because its width follows its new text.
    for (QLabel *caption : picMain.lblHexName)
        CentreInContainer(picMain, *caption, CentreAcross);
    // Read back, as a system colour's reference shows as the desktop's colour.
    if (const ColourValue after = ReadSwatchColour(picMain, TrueSwatch); after != before)
        emit picMain.colourChanged(after);
}

} // namespace

ColourDisplay::ColourDisplay(QWidget *parent) : PictureBox(parent)
{
    const QString accessibleNames[] = {tr("True colour"), tr("Safe colour")};
    for (int i = 0; i < 2; ++i) {
        lblHexName[i] = new QLabel(this);
        lblHexName[i]->setObjectName(QStringLiteral("lblHexName%1").arg(i));
        lblHexName[i]->setAccessibleName(accessibleNames[i]);
        lblHexName[i]->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
        SetTwipsGeometry(lblHexName[i], 0, 0, 75, 240);
    }
}

void CentreInContainer(const QWidget &container, QWidget &control, int flags)
{
    const int width = PixelsToTwips(container.width());
    const int height = PixelsToTwips(container.height());
    const int w = PixelsToTwips(control.width());
    const int h = PixelsToTwips(control.height());
    int left = PixelsToTwips(control.x());
    int top = PixelsToTwips(control.y());
    if (flags & CentreAcross)
        left = width / 2 - w / 2;
    if (flags & CentreUpDown)
        top = height / 2 - h / 2;
    if (flags & CentreAbove)
        top = height / 2 - (2 * h - h / 4);
    if (flags & CentreBelow)
        top = height / 2 + h / 2;
    control.move(TwipsToPixels(left), TwipsToPixels(top));
}

void SetCurrentColour(ColourDisplay &picMain, ColourValue colour, PaletteKind paletteKind,
                      int index)
{
    QString upperText;
    if (paletteKind == NamesPalette && index >= 0 && index < ColourNameCount)
        upperText = ColourNameEntry(index).name;
    else if (paletteKind == SystemPalette && index >= 0 && index < SystemColourCount)
        upperText = SystemColourEntry(index).name;
    else
        upperText = HexText(colour);
    Show(picMain, colour, SafeColour(colour), upperText);
}

void ShowStoredColours(ColourDisplay &picMain, ColourValue trueColour, ColourValue safeColour)
{
    Show(picMain, trueColour, safeColour, HexText(trueColour));
}

ColourValue ReadSwatchColour(const ColourDisplay &picMain, Swatch which)
{
    switch (which) {
    case TrueSwatch:
        return picMain.Point(0, 0);
    case SafeSwatch:
        return picMain.Point(0, PixelsToTwips(picMain.height()) - SafeColourRise);
    }
    return NoColour;
}
