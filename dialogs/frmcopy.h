#pragma once

#include "core/copyoptions.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

// The Copy Options window: the copy switches, the rgb form and its precision, the tag kind, and
// the HTML attribute and CSS property a tag names, on three pages. Modeless. Switches and the two
// option groups of the first page take effect as they are clicked; OK also takes the precision and
// the tag choices; Cancel (or Esc) puts back the switches, the rgb form and the tag kind as they
// were at opening. The page shown is remembered.
class frmCopy : public QDialog
{
    Q_OBJECT

public:
    frmCopy(CopyOptions &options, bool &showAlert, QWidget *parent);

    void Form_Load();
    void chkCopy_Click(int index);
    void optUseRGBValues_Click(int index);
    void optIncludeTag_Click(int index);
    void tbsMain_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void Form_Unload();

    QTabWidget *tbsMain;
    std::array<QWidget *, 4> fraCopy; // pages 1 to 3; [0] is unused
    QGroupBox *fraCopyWith, *fraUseRGBValues, *fraIncludeTag, *fraHTML, *fraCSS;
    std::array<QCheckBox *, 6> chkCopy;
    std::array<QRadioButton *, 3> optUseRGBValues, optIncludeTag;
    QLineEdit *txtPrecision;
    QSpinBox *udnPrecision;
    std::array<QRadioButton *, 7> optHTML, optCSS;
    QPushButton *cmdOK, *cmdCancel;

    // The page shown, 1 General, 2 HTML, 3 CSS.
    int CopyPage = 1;

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreatePages();
    void SetPrecisionEnabled(bool enabled);

    CopyOptions &m_options;
    bool &m_showAlert;
    CopyOptions m_snapshot;
    bool m_unloaded = false;
};
