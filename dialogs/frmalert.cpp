#include "dialogs/frmalert.h"

#include "core/prompts.h"
#include "core/twips.h"
#include "dialogs/designface.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

frmAlert::frmAlert(bool &showAlert, QWidget *parent) : QDialog(parent), m_showAlert(showAlert)
{
    setObjectName(QStringLiteral("frmAlert"));
    setWindowTitle(QStringLiteral("Tarvo Pigmenta R4"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    resize(TwipsToPixels(3735), TwipsToPixels(2205));
    UseDesignFace(*this);

    lblAlert = new QLabel(
        QStringLiteral("RGB colour values are not supported as widely by browser software as are "
                       "hexadecimal colour values.  Using RGB values, particularly float values, "
                       "may produce unpredictable results."),
        this);
    lblAlert->setObjectName(QStringLiteral("lblAlert"));
    lblAlert->setWordWrap(true);
    lblAlert->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTwipsGeometry(lblAlert, 150, 150, 3435, 885);

    // OK is also the window's cancel button: Esc closes the notice as OK does.
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    SetTwipsGeometry(cmdOK, 1208, 1170, 1215, 390);
    connect(cmdOK, &QPushButton::clicked, this, &frmAlert::cmdOK_Click);

    chkAlert = new QCheckBox(tr("Do not display this notice again"), this);
    chkAlert->setObjectName(QStringLiteral("chkAlert"));
    SetTwipsGeometry(chkAlert, 150, 1770, 2640, 285);
    connect(chkAlert, &QCheckBox::clicked, this, &frmAlert::chkAlert_Click);

    // The face here is wider than the one the window was designed with: the notice grows down,
    // the box to its caption, and the window around both.
    const int extra = std::max(0, lblAlert->heightForWidth(lblAlert->width()) - lblAlert->height());
    lblAlert->resize(lblAlert->width(), lblAlert->height() + extra);
    cmdOK->move(cmdOK->x(), cmdOK->y() + extra);
    chkAlert->setGeometry(chkAlert->x(), chkAlert->y() + extra,
                          std::max(chkAlert->width(), chkAlert->sizeHint().width()),
                          chkAlert->height());
    setFixedSize(std::max(width(), chkAlert->geometry().right() + TwipsToPixels(150)),
                 height() + extra);

    Form_Load();
}

void frmAlert::Form_Load()
{
    CurrentPrompts().Beep();
}

void frmAlert::chkAlert_Click()
{
    m_showAlert = !chkAlert->isChecked();
}

void frmAlert::cmdOK_Click()
{
    accept();
}
