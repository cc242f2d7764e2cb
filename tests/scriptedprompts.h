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
    QString fileName, filter; // a file dialog's answer (empty: cancelled), a save's filter
    QString SaveFileName(QWidget *, const QString &, const QString &, QString &f) override
    {
        f = filter;
        return fileName;
    }
    QString OpenFileName(QWidget *, const QString &, const QString &) override { return fileName; }
};
