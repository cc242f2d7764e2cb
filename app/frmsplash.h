#pragma once

#include <QWidget>

class QLabel;

// The start-up picture: a borderless window on top of everything, centred on the screen, that a
// key or a click closes early.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    // Shows the picture and closes it after the wait, measured on a clock that never goes back.
    void ShowFor(std::chrono::milliseconds wait);

    void Form_KeyDown();
    void imgSplash_Click();

    QLabel *imgSplash;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
