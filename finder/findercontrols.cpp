#include "finder/findercontrols.h"

#include "core/picturebox.h"
#include "finder/samplescreen.h"

#include <QLabel>

QPoint ArrowStep(int key, int shift)
{
    const int step = shift & 1 ? 10 : 1;
    switch (key) {
    case Qt::Key_Left:
        return {-step, 0};
    case Qt::Key_Right:
        return {step, 0};
    case Qt::Key_Up:
        return {0, -step};
    case Qt::Key_Down:
        return {0, step};
    default:
        return {};
    }
}

ColourValue Sample(const FinderControls &controls, ScreenSource &source)
{
    const QPoint hotSpot = SampleScreen(*controls.picFinder, source);
    controls.lblXCoord->setText(QString::number(hotSpot.x()));
    controls.lblYCoord->setText(QString::number(hotSpot.y()));
    const ColourValue colour = controls.picFinder->Point(647, 647);
    ShowParts(controls, colour);
    return colour;
}

void ShowParts(const FinderControls &controls, ColourValue colour)
{
    // The texts of every part are made once: a drag shows them at every movement.
    struct PartTexts
    {
        QString value, fraction, percent;
    };
    static const std::array<PartTexts, 256> texts = [] {
        std::array<PartTexts, 256> texts;
        for (int part = 0; part < 256; ++part)
            texts[part] = {QString::number(part), RedFloatText(part, 3),
                           PercentText(part) + QLatin1Char('%')};
        return texts;
    }();
    const int parts[] = {RedOf(colour), GreenOf(colour), BlueOf(colour)};
    for (int i = 0; i < 3; ++i) {
        controls.values[i]->setText(texts[parts[i]].value);
        controls.fractions[i]->setText(texts[parts[i]].fraction);
        controls.percents[i]->setText(texts[parts[i]].percent);
    }
}
