#include "dialogs/frmabout.h"

#include "core/systemcolours.h"
#include "core/twips.h"
#include "dialogs/designface.h"
#include "dialogs/version.h"
#include "settings/schema.h"
#include "settings/strings.h"

#include <QCursor>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QSysInfo>
#include <QUrl>

namespace {

const QString ProductName = QStringLiteral("Tarvo Pigmenta R4");
const QString LegalNotice = QStringLiteral("Copyright \u00A9 2026 Tarvo");
const QString CompanyName = QStringLiteral("Tarvo");

QLabel *TextLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(QStringLiteral("#"), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + ProductName);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsToPixels(4680), TwipsToPixels(3060));
    setMouseTracking(true);
    UseDesignFace(*this);

    imgAbout = new QLabel(this);
    imgAbout->setObjectName(QStringLiteral("imgAbout"));
    imgAbout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTwipsGeometry(imgAbout, 150, 180, 900, 2655);
    imgAbout->installEventFilter(this);

    lblTop = TextLabel(this, "lblTop");
    lblTop->move(TwipsToPixels(1320), TwipsToPixels(210));
    lblURL = TextLabel(this, "lblURL");
    lblURL->setMouseTracking(true);
    lblURL->installEventFilter(this);
    lblCopyright = TextLabel(this, "lblCopyright");

    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    SetTwipsGeometry(cmdClose, 3615, 2505, 900, 390);
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &frmAbout::cmdClose_Click);

    Form_Load();
}

QString frmAbout::VersionComment()
{
    const QString kernel = QSysInfo::kernelType();
    const QString platform = kernel == QLatin1String("linux")    ? QStringLiteral("Linux")
                             : kernel == QLatin1String("winnt")  ? QStringLiteral("Windows")
                             : kernel == QLatin1String("darwin") ? QStringLiteral("macOS")
                                                                 : kernel;
    return QStringLiteral("v." PIGMENTA_VERSION " for %1-bit %2")
        .arg(QT_POINTER_SIZE * 8)
        .arg(platform);
}

void frmAbout::Form_Load()
{
    imgAbout->setPixmap(QPixmap(QStringLiteral(":/about-102.png")));
    lblTop->setText(ProductName + QLatin1Char('\n') + VersionComment() +
                    QStringLiteral("\n\nFor more information, visit"));
    lblTop->adjustSize();
    lblCopyright->setText(QStringLiteral("To comment about this software,\nsend E-mail to ") +
                          LoadResString(MailAddressText) + QStringLiteral("\n\n") + LegalNotice +
                          QLatin1Char('\n') + CompanyName);

    // The link hangs below the first block, the contact block below the link.
    const auto twips = [](int pixels) { return PixelsToTwips(pixels); };
    lblURL->setText(LoadResString(HomePageText));
    QFont underlined = lblURL->font();
    underlined.setUnderline(true);
    lblURL->setFont(underlined);
    lblURL->adjustSize();
    lblURL->move(TwipsToPixels(twips(lblTop->x()) + 200),
                 TwipsToPixels(twips(lblTop->y()) + twips(lblTop->height()) + 100));
    lblCopyright->adjustSize();
    lblCopyright->move(lblTop->x(),
                       TwipsToPixels(twips(lblURL->y()) + twips(lblURL->height()) + 200));
    SetLinkColour(Schema::LinkBlue);
    lblURL->setCursor(QCursor(QPixmap(QStringLiteral(":/cursor-102.png")), 13, 3));
}

void frmAbout::SetLinkColour(int colour)
{
    QPalette palette = lblURL->palette();
    palette.setColor(QPalette::WindowText, ResolveColour(colour));
    lblURL->setPalette(palette);
}

void frmAbout::lblURL_Click()
{
    QDesktopServices::openUrl(QUrl(lblURL->text()));
}

void frmAbout::lblURL_MouseMove()
{
    SetLinkColour(Schema::HoverGreen);
}

void frmAbout::Form_MouseMove()
{
    SetLinkColour(Schema::LinkBlue);
}

// A double-click swaps the picture for good; one near its top left also leaves a credit.
void frmAbout::imgAbout_DblClick()
{
    const QPoint at = mapFromGlobal(QCursor::pos());
    if (16 < at.x() && at.x() < 68 && 16 < at.y() && at.y() < 27)
        imgAbout->setToolTip(tr("Pictures drawn for Tarvo Pigmenta"));
    imgAbout->setPixmap(QPixmap(QStringLiteral(":/about-103.png")));
}

void frmAbout::cmdClose_Click()
{
    close();
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblURL && event->type() == QEvent::MouseMove)
        lblURL_MouseMove();
    else if (watched == lblURL && event->type() == QEvent::MouseButtonRelease &&
             lblURL->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
        lblURL_Click();
    else if (watched == imgAbout && event->type() == QEvent::MouseButtonDblClick)
        imgAbout_DblClick();
    return QDialog::eventFilter(watched, event);
}

// The link's own moves come on here too, as the label has no use for them; only the bare window
// surface takes the link back to blue.
void frmAbout::mouseMoveEvent(QMouseEvent *event)
{
    if (!childAt(event->position().toPoint()))
        Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}
