#include "app/dialogprompts.h"

#include "core/systemcolours.h"

#include <QColorDialog>

std::optional<ColourValue> DialogPrompts::ChooseColour(QWidget *parent, ColourValue initial)
{
    const QColor colour = QColorDialog::getColor(ResolveColour(initial), parent);
    if (!colour.isValid())
        return std::nullopt;
    return ColourOf(colour);
}
