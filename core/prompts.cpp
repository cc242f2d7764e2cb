#include "core/prompts.h"

namespace {

Prompts *currentPrompts = nullptr;

} // namespace

Prompts &CurrentPrompts()
{
    Q_ASSERT_X(currentPrompts, "CurrentPrompts", "the program sets its prompts at its start");
    return *currentPrompts;
}

void SetPrompts(Prompts *prompts)
{
    currentPrompts = prompts;
}
