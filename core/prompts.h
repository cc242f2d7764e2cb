#pragma once

#include "core/colour.h"

#include <QString>
#include <optional>

class QDialog;
class QWidget;

// The questions the program puts to the user in the platform's own dialogs. The program asks
// through the one current Prompts object, so that a test can answer without a dialog blocking it.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // The colour chosen in the platform's colour dialog, starting from initial; none on cancel.
    virtual std::optional<ColourValue> ChooseColour(QWidget *parent, ColourValue initial) = 0;

    // A question with Yes and No and the question icon; true for Yes.
    virtual bool Confirm(QWidget *parent, const QString &title, const QString &text) = 0;

    // A warning with one OK button and the exclamation icon.
    virtual void Warn(QWidget *parent, const QString &title, const QString &text) = 0;

    // Shows one of the program's own modal windows until it is closed.
    virtual void RunModal(QDialog &dialog) = 0;

    // The system's beep.
    virtual void Beep() = 0;

    // The font face chosen in the platform's font dialog, starting from family; none on cancel.
    virtual std::optional<QString> ChooseFont(QWidget *parent, const QString &family) = 0;

    // The name of a file to write, chosen in the platform's file dialog under one of filters
    // ("GIMP palette (*.gpl);;..."), and in filter the one it was chosen under; empty on cancel.
    virtual QString SaveFileName(QWidget *parent, const QString &title, const QString &filters,
                                 QString &filter) = 0;

    // The name of a file to read, chosen in the platform's file dialog; empty on cancel.
    virtual QString OpenFileName(QWidget *parent, const QString &title, const QString &filters) = 0;
};

// The prompts that SetPrompts made current: the platform's dialogs in the program, scripted
// answers in a test.
[[nodiscard]] Prompts &CurrentPrompts();

// Makes prompts current; the caller keeps ownership.
void SetPrompts(Prompts *prompts);
