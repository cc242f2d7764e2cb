#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// The notice that rgb values are less widely supported than hex ones, with a box to stop it
// from showing again. Beeps as it opens.
class frmAlert : public QDialog
{
    Q_OBJECT

public:
    frmAlert(bool &showAlert, QWidget *parent);

    void Form_Load();
    void chkAlert_Click();
    void cmdOK_Click();

    QLabel *lblAlert;
    QPushButton *cmdOK;
    QCheckBox *chkAlert;

private:
    bool &m_showAlert;
};
