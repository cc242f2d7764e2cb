#pragma once

#include "core/prompts.h"

// The questions asked in the platform's own dialogs.
class DialogPrompts final : public Prompts
{
public:
    std::optional<ColourValue> ChooseColour(QWidget *parent, ColourValue initial) override;
    bool Confirm(QWidget *parent, const QString &title, const QString &text) override;
    void Warn(QWidget *parent, const QString &title, const QString &text) override;
    void RunModal(QDialog &dialog) override;
    void Beep() override;
    std::optional<QString> ChooseFont(QWidget *parent, const QString &family) override;
    QString SaveFileName(QWidget *parent, const QString &title, const QString &filters,
                         QString &filter) override;
    QString OpenFileName(QWidget *parent, const QString &title, const QString &filters) override;
};
