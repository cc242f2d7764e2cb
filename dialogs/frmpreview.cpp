#include "dialogs/frmpreview.h"

#include "core/picturebox.h"
#include "core/systemcolours.h"
#include "core/twips.h"
#include "settings/schema.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QTextDocument>
#include <QTextOption>

namespace {

// The page's texts can be edited but show no caret, as text on a web page would not.
class NoCaret : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        return metric == PM_TextCursorWidth ? 0 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

void SetColours(QWidget *control, ColourValue text, ColourValue back)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Text, ResolveColour(text));
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window})
        palette.setColor(role, ResolveColour(back));
    control->setPalette(palette);
}

QLineEdit *PageLine(QWidget *parent, const char *name, int maxLength, double pointSize)
{
    auto *line = new QLineEdit(parent);
    line->setObjectName(QLatin1String(name));
    line->setAlignment(Qt::AlignCenter);
    line->setMaxLength(maxLength);
    line->setFrame(false);
    line->setFocusPolicy(Qt::ClickFocus);
    QFont font = line->font();
    font.setPointSizeF(pointSize);
    line->setFont(font);
    return line;
}

constexpr int FontTextLength = 102;

} // namespace

frmPreview::frmPreview(const QRect &mainWindow, int screenWidth)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(TwipsToPixels(4230), TwipsToPixels(2790));

    fraMain = new QFrame(this);
    fraMain->setObjectName(QStringLiteral("fraMain"));
    fraMain->setAutoFillBackground(true);
    SetTwipsGeometry(fraMain, 0, -90, 4230, 2880);

    // The picture area lies behind the body text, whose page shows through it: the border drawn
    // round the area stays visible round the text.
    picMain = new PictureBox(fraMain);
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setFocusPolicy(Qt::StrongFocus);
    SetTwipsGeometry(picMain, 218, 1290, 3795, 1320);

    auto *noCaret = new NoCaret;
    noCaret->setParent(this);
    txtHeading = PageLine(fraMain, "txtHeading", 50, 14.25);
    SetTwipsGeometry(txtHeading, 143, 345, 3945, 315);
    txtLink = PageLine(fraMain, "txtLink", 50, 12);
    SetTwipsGeometry(txtLink, 338, 870, 3555, 285);
    QFont underlined = txtLink->font();
    underlined.setUnderline(true);
    txtLink->setFont(underlined);
    txtLink->setCursor(QCursor(QPixmap(QStringLiteral(":/cursor-102.png")), 13, 3));
    txtFont = new QPlainTextEdit(fraMain);
    txtFont->setObjectName(QStringLiteral("txtFont"));
    txtFont->setFrameShape(QFrame::NoFrame);
    txtFont->setFocusPolicy(Qt::ClickFocus);
    txtFont->setCursorWidth(0);
    txtFont->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption centred = txtFont->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    txtFont->document()->setDefaultTextOption(centred);
    QFont body = txtFont->font();
    body.setPointSize(12);
    txtFont->setFont(body);
    SetTwipsGeometry(txtFont, 308, 1335, 3615, 1365);
    // The body keeps to its length however the text arrives.
    connect(txtFont, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = txtFont->toPlainText();
        if (text.size() > FontTextLength)
            txtFont->setPlainText(text.left(FontTextLength));
    });

    for (QWidget *control : {static_cast<QWidget *>(txtHeading), static_cast<QWidget *>(txtLink)})
        control->setStyle(noCaret);
    for (QWidget *control : {static_cast<QWidget *>(fraMain), static_cast<QWidget *>(picMain),
                             static_cast<QWidget *>(txtHeading), static_cast<QWidget *>(txtLink),
                             static_cast<QWidget *>(txtFont), txtFont->viewport()}) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }
    Form_Load(mainWindow, screenWidth);
}

void frmPreview::Form_Load(const QRect &mainWindow, int screenWidth)
{
    const QString fontName = GetSetting(Schema::FontName);
    // Beside the main window, on the side with more room, its top edges level.
    const int left = PixelsToTwips(mainWindow.left()) < PixelsToTwips(screenWidth) / 2
                         ? PixelsToTwips(mainWindow.left() + mainWindow.width()) + 10
                         : PixelsToTwips(mainWindow.left()) - PixelsToTwips(width()) - 10;
    move(TwipsToPixels(left), mainWindow.top());
    for (QWidget *text : {static_cast<QWidget *>(txtFont), static_cast<QWidget *>(txtHeading),
                          static_cast<QWidget *>(txtLink)}) {
        QFont font = text->font();
        font.setFamily(fontName);
        text->setFont(font);
    }
    const ColourValue background = GetSetting(Schema::BackgroundColour);
    SetColours(fraMain, 0, background);
    picMain->SetBackColour(background);
    picMain->Cls();
    SetColours(txtFont, GetSetting(Schema::FontColour), background);
    // The body's page shows the picture area, border and all, through it.
    QPalette see = txtFont->palette();
    see.setColor(QPalette::Base, Qt::transparent);
    txtFont->setPalette(see);
    txtFont->viewport()->setAutoFillBackground(false);
    SetColours(txtHeading, GetSetting(Schema::HeadingColour), background);
    m_activeLink = GetSetting(Schema::ActiveLinkColour);
    m_link = GetSetting(Schema::LinkColour);
    m_hover = GetSetting(Schema::HoverColour);
    SetColours(txtLink, m_link, background);
    txtHeading->setText(GetSetting(Schema::HeadingText));
    txtLink->setText(GetSetting(Schema::LinkText));
    const QString body = GetSetting(Schema::FontText);
    m_lineBreak = body.contains(QLatin1Char('\n')) && !body.contains(QLatin1String("\r\n"))
                      ? QStringLiteral("\n")
                      : QStringLiteral("\r\n");
    txtFont->setPlainText(body);
    picMain->setFocus();
}

void frmPreview::SetLinkColour(ColourValue colour)
{
    QPalette palette = txtLink->palette();
    palette.setColor(QPalette::Text, ResolveColour(colour));
    txtLink->setPalette(palette);
}

void frmPreview::DrawBorder(ColourValue colour)
{
    const int w = PixelsToTwips(picMain->width()), h = PixelsToTwips(picMain->height());
    picMain->Line(0, 0, w - 10, 0, colour);
    picMain->Line(w - 10, 0, w - 10, h - 10, colour);
    picMain->Line(w - 10, h - 10, 0, h - 10, colour);
    picMain->Line(0, h - 10, 0, 0, colour);
}

void frmPreview::Form_Unload()
{
    if (std::exchange(m_unloaded, true))
        return;
    SaveValue(Schema::HeadingText, txtHeading->text());
    SaveValue(Schema::LinkText, txtLink->text());
    SaveValue(Schema::FontText, txtFont->toPlainText().replace(QLatin1Char('\n'), m_lineBreak));
}

bool frmPreview::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (watched == txtLink)
            txtLink_MouseMove();
        else if (watched == fraMain)
            fraMain_MouseMove();
        else if (watched == picMain)
            picMain_MouseMove();
        else if (watched == txtHeading)
            txtHeading_MouseMove();
        else // the body or its viewport
            txtFont_MouseMove();
        break;
    case QEvent::MouseButtonPress:
        if (watched == txtLink)
            txtLink_MouseDown();
        if (watched == fraMain) {
            fraMain_MouseDown();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == txtLink)
            txtLink_MouseUp();
        if (watched == picMain) {
            picMain_Click();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (watched == picMain) {
            picMain_KeyPress();
            return true;
        }
        if (watched == txtHeading)
            return txtHeading_KeyPress(key);
        if (watched == txtLink)
            return txtLink_KeyPress(key);
        if (watched == txtFont)
            return txtFont_KeyPress(key);
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// A key a text box has no use for (Shift alone, an arrow at the end of its text) goes on to the
// window, but it is still the box's: typing a capital letter must not close the page.
void frmPreview::keyPressEvent(QKeyEvent *)
{
    const QWidget *focus = focusWidget();
    if (focus != txtHeading && focus != txtLink && focus != txtFont)
        Form_KeyPress();
}

void frmPreview::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        Form_Deactivate();
}

void frmPreview::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmPreview::Form_Deactivate()
{
    close();
}

void frmPreview::Form_KeyPress()
{
    close();
}

void frmPreview::picMain_KeyPress()
{
    close();
}

void frmPreview::fraMain_MouseDown()
{
    close();
}

void frmPreview::picMain_Click()
{
    close();
}

bool frmPreview::CloseOnEnterOrEsc(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
        return false;
    close();
    return true;
}

bool frmPreview::txtHeading_KeyPress(int key)
{
    return CloseOnEnterOrEsc(key);
}

bool frmPreview::txtLink_KeyPress(int key)
{
    return CloseOnEnterOrEsc(key);
}

bool frmPreview::txtFont_KeyPress(int key)
{
    return CloseOnEnterOrEsc(key);
}

void frmPreview::txtLink_MouseMove()
{
    SetLinkColour(m_hover);
}

void frmPreview::fraMain_MouseMove()
{
    SetLinkColour(m_link);
}

void frmPreview::picMain_MouseMove()
{
    SetLinkColour(m_link);
}

void frmPreview::txtHeading_MouseMove()
{
    SetLinkColour(m_link);
}

void frmPreview::txtFont_MouseMove()
{
    SetLinkColour(m_link);
}

void frmPreview::txtLink_MouseDown()
{
    SetLinkColour(m_activeLink);
}

void frmPreview::txtLink_MouseUp()
{
    SetLinkColour(m_link);
}
