#include "core/prompts.h"

#include "core/systemcolours.h"

#include <QColorDialog>

namespace {

class DialogPrompts final : public Prompts
{
public:
    std::optional<ColourValue> ChooseColour(QWidget *parent, ColourValue initial) override
    {
        const QColor colour = QColorDialog::getColor(ResolveColour(initial), parent);
        if (!colour.isValid())
            return std::nullopt;
        return ColourOf(colour);
    }
};

DialogPrompts platformPrompts;
Prompts *currentPrompts = &platformPrompts;

} // namespace

Prompts &CurrentPrompts()
{
    return *currentPrompts;
}

void SetPrompts(Prompts *prompts)
{
    currentPrompts = prompts ? prompts : &platformPrompts;
}
