#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About window: the product and its version, a link to the maker's home page, the support
// address and the legal notice, beside a tall picture. Modeless and above every other window while
// it is open.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    void Form_Load();
    void lblURL_Click();
    void lblURL_MouseMove();
    void Form_MouseMove();
    void imgAbout_DblClick();
    void cmdClose_Click();

    // "v.", the version, " for " and the platform the program runs on, as "64-bit Linux".
    [[nodiscard]] static QString VersionComment();

    QLabel *imgAbout;
    QLabel *lblTop;
    QLabel *lblURL;
    QLabel *lblCopyright;
    QPushButton *cmdClose;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void SetLinkColour(int colour);
};
