#pragma once

#include "dialogs/colourentry.h"

#include <QDialog>
#include <array>

class ColourDisplay;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SwatchHistory;
struct CopyOptions;

// The Enter Colour window: a colour typed as hex, decimal, an HTML name, or red, green and blue
// values, becomes the current colour on OK as if it had been picked: it goes into the display,
// the colour it replaces into the history, and with instant copy on it goes to the clipboard.
// Modeless; the notation is remembered. Keys the notation has no use for are refused as they are
// typed, and pasted text is held to the same rules.
class frmColour : public QDialog
{
    Q_OBJECT

public:
    frmColour(ColourDisplay &picMain, SwatchHistory &history, const CopyOptions &options,
              bool alwaysOnTop, QWidget *parent);
    ~frmColour() override;

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    // The Click of every option button: its notation and the layout that goes with it.
    void SetNotation(int notation);
    void opt_MouseUp();
    // Key handlers return whether they discard the key.
    bool txtColourName_KeyPress(QChar KeyAscii);
    bool txtColour_KeyPress(int Index, QChar KeyAscii);
    bool txtColour_KeyDown(int Index, int KeyCode);
    void txtColour_GotFocus(int Index);
    void txtColour_LostFocus(int Index);
    void txtColour_MouseDown(int Index);
    void txtColour_MouseUp(int Index);
    void txtColour_DblClick(int Index);
    void cmdOK_Click();
    void cmdCancel_Click();

    [[nodiscard]] int Notation() const { return m_notation; }

    QGroupBox *fraColour;
    QRadioButton *optHex, *optDec, *optName, *optFloat;
    QLabel *lblRed, *lblGreen, *lblBlue;
    std::array<QLineEdit *, 3> txtColour;
    QLineEdit *txtColourName;
    QPushButton *cmdOK, *cmdCancel;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool Discards(int notation, const QString &text, QChar KeyAscii);

    ColourDisplay &m_picMain;
    SwatchHistory &m_history;
    const CopyOptions &m_options;
    int m_notation = HexNotation;
    bool m_unloaded = false;
};
