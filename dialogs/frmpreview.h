#pragma once

#include "core/colour.h"

#include <QWidget>

class PictureBox;
class QFrame;
class QLineEdit;
class QPlainTextEdit;

// The preview: the chosen colours on a mock web page (a heading, a link and body text on the page
// background), beside the main window. A pop-up panel without caption or border that closes when
// it stops being the active window, when the page is clicked, or at a key (Enter or Esc in the
// texts, which can be edited and are remembered).
class frmPreview : public QWidget
{
    Q_OBJECT

public:
    // Placed beside the window at mainWindow (its frame, in pixels of the screen of that width).
    frmPreview(const QRect &mainWindow, int screenWidth);

    void Form_Load(const QRect &mainWindow, int screenWidth);
    void Form_Unload();
    // An outline round the picture area in colour, for this opening only.
    void DrawBorder(ColourValue colour);

    QFrame *fraMain;
    QLineEdit *txtHeading;
    QLineEdit *txtLink;
    QPlainTextEdit *txtFont;
    PictureBox *picMain;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Deactivate();
    void Form_KeyPress();
    void picMain_KeyPress();
    void fraMain_MouseDown();
    void picMain_Click();
    // Each true when the key closed the window, false when it goes on to the box.
    bool txtHeading_KeyPress(int key);
    bool txtLink_KeyPress(int key);
    bool txtFont_KeyPress(int key);
    void txtLink_MouseMove();
    void fraMain_MouseMove();
    void picMain_MouseMove();
    void txtHeading_MouseMove();
    void txtFont_MouseMove();
    void txtLink_MouseDown();
    void txtLink_MouseUp();

    bool CloseOnEnterOrEsc(int key);
    void SetLinkColour(ColourValue colour);

    // The link's colours as stored, read as the window opens.
    ColourValue m_activeLink = 0, m_link = 0, m_hover = 0;
    // The line break of the stored body (CR LF unless it has bare LFs only): the box keeps
    // paragraphs, not breaks, and an unedited body goes back as it came.
    QString m_lineBreak;
    bool m_unloaded = false;
};
