#pragma once

#include "core/prompts.h"

#include <QStringList>

// Answers the questions as the test says, keeps the title and text of each question and warning
// and counts the beeps; the colour and font dialogs are cancelled, the program's own modal windows
// not shown, the file dialogs answered with fileName.
class ScriptedPrompts final : public Prompts
{
public:
    bool yes = false;
    QStringList questions, warnings; // title, text
    int beeps = 0;

    std::optional<ColourValue> ChooseColour(QWidget *, ColourValue) override { return {}; }
    bool Confirm(QWidget *, const QString &t, const QString &x) override
    {
        questions << t << x;
        return yes;
    }
    void Warn(QWidget *, const QString &t, const QString &x) override { warnings << t << x; }
    void RunModal(QDialog &) override {}
    void Beep() override { ++beeps; }
    std::optional<QString> ChooseFont(QWidget *, const QString &) override { return {}; }
    // The file chosen in a file dialog (empty: cancelled), a save's under filter or, with none
    // given, the first of those offered.
    QString fileName, filter;
    QString SaveFileName(QWidget *, const QString &, const QString &filters, QString &f) override
    {
        f = filter.isEmpty() ? filters.section(QStringLiteral(";;"), 0, 0) : filter;
        return fileName;
    }
    QString OpenFileName(QWidget *, const QString &, const QString &) override { return fileName; }
};
