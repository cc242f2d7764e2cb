#pragma once

#include <QObject>
#include <QString>
#include <functional>

// Opens the program's manual with the desktop's handler: the compiled help file in the program's
// folder where there is one, else the HTML manual beside the program. Returns what went wrong, or
// an empty text when the manual was handed to its viewer.
[[nodiscard]] QString OpenManual();

// The program's help key: F1 in any of its windows runs the given command. It watches the keys
// of the whole application, as a help file set for the application is reached from every window,
// so that no window, dialog or text box has to pass the key on.
class HelpKey : public QObject
{
    Q_OBJECT

public:
    HelpKey(std::function<void()> command, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_command;
};
