#include "dialogs/frmcolour.h"

#include "core/colournames.h"
#include "core/copyactions.h"
#include "core/copytext.h"
#include "core/currentcolour.h"
#include "core/prompts.h"
#include "core/twips.h"
#include "dialogs/designface.h"
#include "palettes/swatchhistory.h"
#include "settings/schema.h"
#include "settings/strings.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <functional>

namespace {

// Holds whatever reaches a box, pasted text included, to what could have been typed into it.
class TypedOnly : public QValidator
{
public:
    TypedOnly(std::function<int()> notation, QObject *parent)
        : QValidator(parent), m_notation(std::move(notation))
    {}
    State validate(QString &input, int &pos) const override
    {
        // Typed text is never wrapped in quotes or spaces, so only pasted text changes here.
        const QString text = PastedText(input);
        if (!CouldBeTyped(m_notation(), text))
            return Invalid;
        if (text != input) {
            input = text;
            pos = int(text.size());
        }
        return Acceptable;
    }

private:
    std::function<int()> m_notation;
};

// The character a key types into a box, for its KeyPress to filter; none for the keys that do in
// a box what they do in any dialog: move the focus, cancel, delete, paste or select all.
QChar TypedCharacter(const QKeyEvent &key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return u'\r';
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    if (key.text().size() != 1 || key.matches(QKeySequence::Paste) ||
        key.matches(QKeySequence::SelectAll))
        return {};
    return key.text()[0];
}

} // namespace

frmColour::frmColour(ColourDisplay &picMain, SwatchHistory &history, const CopyOptions &options,
                     bool alwaysOnTop, QWidget *parent)
    : QDialog(parent), m_picMain(picMain), m_history(history), m_options(options)
{
    setObjectName(QStringLiteral("frmColour"));
    setWindowTitle(tr("Enter Colour"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint |
                   (alwaysOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags()));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsToPixels(5130), TwipsToPixels(2415));
    UseDesignFace(*this);

    fraColour = new QGroupBox(tr("Colour"), this);
    fraColour->setObjectName(QStringLiteral("fraColour"));
    SetTwipsGeometry(fraColour, 90, 60, 4965, 2250);
    const auto option = [this](const QString &caption, const char *name, int left, int width,
                               int notation) {
        auto *button = new QRadioButton(caption, fraColour);
        button->setObjectName(QLatin1String(name));
        SetTwipsGeometry(button, left, 405, width, 285);
        button->resize(std::max(button->width(), button->sizeHint().width()), button->height());
        connect(button, &QRadioButton::clicked, this, [this, notation] { SetNotation(notation); });
        button->installEventFilter(this);
        return button;
    };
    optHex = option(tr("Hex"), "optHex", 480, 795, HexNotation);
    optDec = option(tr("Decimal"), "optDec", 1530, 900, DecimalNotation);
    optName = option(tr("Name"), "optName", 2685, 930, NameNotation);
    optFloat = option(tr("RGB"), "optFloat", 3780, 840, RgbNotation);

    const auto label = [this](const QString &caption, const char *name, int left) {
        auto *l = new QLabel(caption, fraColour);
        l->setObjectName(QLatin1String(name));
        l->move(TwipsToPixels(left), TwipsToPixels(1050));
        l->adjustSize();
        return l;
    };
    lblRed = label(QStringLiteral("R:"), "lblRed", 105);
    lblGreen = label(QStringLiteral("G:"), "lblGreen", 1680);
    lblBlue = label(LoadResString(BlueLabelText), "lblBlue", 3285);
    const int lefts[] = {330, 1920, 3510};
    for (int i = 0; i < 3; ++i) {
        txtColour[i] = new QLineEdit(fraColour);
        txtColour[i]->setObjectName(QStringLiteral("txtColour%1").arg(i));
        txtColour[i]->setAlignment(Qt::AlignRight);
        SetTwipsGeometry(txtColour[i], lefts[i], 990, 1230, 360);
        txtColour[i]->setValidator(new TypedOnly([] { return RgbNotation; }, txtColour[i]));
        txtColour[i]->installEventFilter(this);
    }
    txtColourName = new QLineEdit(fraColour);
    txtColourName->setObjectName(QStringLiteral("txtColourName"));
    SetTwipsGeometry(txtColourName, 1545, 990, 3015, 360);
    txtColourName->setValidator(new TypedOnly([this] { return m_notation; }, txtColourName));
    txtColourName->installEventFilter(this);

    cmdOK = new QPushButton(tr("OK"), fraColour);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    SetTwipsGeometry(cmdOK, 2640, 1755, 1065, 360);
    connect(cmdOK, &QPushButton::clicked, this, &frmColour::cmdOK_Click);
    cmdCancel = new QPushButton(tr("Cancel"), fraColour);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    SetTwipsGeometry(cmdCancel, 3780, 1755, 1065, 360);
    connect(cmdCancel, &QPushButton::clicked, this, &frmColour::cmdCancel_Click);
    Form_Load();
}

// A window destroyed while shown hides first, and the focus leaving its box asks the box's
// validator, which reads the notation: so it hides while it is still whole.
frmColour::~frmColour()
{
    hide();
}

// A stored notation that is none of the four (possible only by editing the settings) starts in
// Hex: the window has no layout for none.
void frmColour::Form_Load()
{
    const int stored = GetSetting(Schema::ColourType);
    int notation = HexNotation;
    for (int candidate : {HexNotation, DecimalNotation, NameNotation, RgbNotation})
        if (stored != 0 && (candidate & stored) == stored) {
            notation = candidate;
            break;
        }
    SetNotation(notation);
}

void frmColour::SetNotation(int notation)
{
    m_notation = notation;
    const bool rgb = notation == RgbNotation;
    QRadioButton *options[] = {optHex, optDec, optName, optFloat};
    for (QRadioButton *option : options)
        option->setChecked(option == options[notation == HexNotation       ? 0
                                             : notation == DecimalNotation ? 1
                                             : notation == NameNotation    ? 2
                                                                           : 3]);
    for (QWidget *control :
         {static_cast<QWidget *>(txtColour[0]), static_cast<QWidget *>(txtColour[1]),
          static_cast<QWidget *>(txtColour[2]), static_cast<QWidget *>(lblRed),
          static_cast<QWidget *>(lblGreen)})
        control->setVisible(rgb);
    txtColourName->setVisible(!rgb);
    if (rgb) {
        lblBlue->setText(LoadResString(BlueLabelText));
        lblBlue->adjustSize();
        lblBlue->move(TwipsToPixels(3285), lblBlue->y());
        return;
    }
    txtColourName->clear();
    lblBlue->setText(LoadResString(notation == HexNotation       ? HexPromptText
                                   : notation == DecimalNotation ? DecimalPromptText
                                                                 : NamePromptText));
    lblBlue->adjustSize();
    // The prompt ends 100 twips before the box. A prompt too wide to start inside the frame where
    // the red label starts moves the box right by what it lacks, so that it is read whole.
    const int boxLeft = std::max(1725, 105 + PixelsToTwips(lblBlue->width()) + 100);
    SetTwipsGeometry(txtColourName, boxLeft, 990, 3015, 360);
    lblBlue->move(TwipsToPixels(boxLeft - PixelsToTwips(lblBlue->width()) - 100), lblBlue->y());
}

void frmColour::Form_Activate()
{
    QLineEdit *box = txtColour[0]->isVisible() ? txtColour[0] : txtColourName;
    box->setFocus();
    if (box == txtColour[0])
        box->selectAll();
}

// The box the click showed takes the focus.
void frmColour::opt_MouseUp()
{
    Form_Activate();
}

// Backspace goes through and Enter is OK; any other character passes the notation's filter or is
// discarded, mostly with a beep.
bool frmColour::Discards(int notation, const QString &text, QChar KeyAscii)
{
    if (KeyAscii == u'\b')
        return false;
    if (KeyAscii == u'\r') {
        cmdOK_Click();
        return true;
    }
    const KeyVerdict verdict = FilterKey(notation, text, KeyAscii);
    if (verdict.beep)
        CurrentPrompts().Beep();
    return !verdict.accepted;
}

bool frmColour::txtColourName_KeyPress(QChar KeyAscii)
{
    return Discards(m_notation, txtColourName->text(), KeyAscii);
}

bool frmColour::txtColour_KeyPress(int Index, QChar KeyAscii)
{
    return Discards(RgbNotation, txtColour[Index]->text(), KeyAscii);
}

// The caret stays at the end, where typing goes.
bool frmColour::txtColour_KeyDown(int, int KeyCode)
{
    return KeyCode == Qt::Key_Home || KeyCode == Qt::Key_Left || KeyCode == Qt::Key_Up ||
           KeyCode == Qt::Key_Right || KeyCode == Qt::Key_Down;
}

void frmColour::txtColour_GotFocus(int Index)
{
    txtColour[Index]->selectAll();
}

void frmColour::txtColour_LostFocus(int Index)
{
    txtColour[Index]->setText(ReformatFraction(txtColour[Index]->text(), m_options.precision));
}

void frmColour::txtColour_MouseDown(int Index)
{
    txtColour[Index]->setFocus(Qt::MouseFocusReason);
    txtColour[Index]->end(false);
}

void frmColour::txtColour_MouseUp(int Index)
{
    txtColour[Index]->end(false);
}

void frmColour::txtColour_DblClick(int Index)
{
    txtColour[Index]->end(false);
}

bool frmColour::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtColourName && event->type() == QEvent::KeyPress) {
        const QChar KeyAscii = TypedCharacter(*static_cast<QKeyEvent *>(event));
        return !KeyAscii.isNull() && txtColourName_KeyPress(KeyAscii);
    }
    if (event->type() == QEvent::MouseButtonRelease && qobject_cast<QRadioButton *>(watched)) {
        // The button takes the release first, and with it its Click, which shows the box.
        QMetaObject::invokeMethod(this, &frmColour::opt_MouseUp, Qt::QueuedConnection);
        return false;
    }
    const auto box = std::find(txtColour.begin(), txtColour.end(), watched);
    if (box == txtColour.end())
        return QDialog::eventFilter(watched, event);
    const int Index = int(box - txtColour.begin());
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QChar KeyAscii = TypedCharacter(*key);
        return txtColour_KeyDown(Index, key->key()) ||
               (!KeyAscii.isNull() && txtColour_KeyPress(Index, KeyAscii));
    }
    case QEvent::FocusIn:
        txtColour_GotFocus(Index);
        return false;
    case QEvent::FocusOut:
        txtColour_LostFocus(Index);
        return false;
    case QEvent::MouseButtonPress:
        txtColour_MouseDown(Index);
        return true;
    case QEvent::MouseButtonRelease:
        txtColour_MouseUp(Index);
        return true;
    case QEvent::MouseButtonDblClick:
        txtColour_DblClick(Index);
        return true;
    default:
        return false;
    }
}

void frmColour::cmdOK_Click()
{
    ColourValue colour = 0;
    PaletteKind kind = NoPalette;
    int index = 0;
    switch (m_notation) {
    case HexNotation: {
        const std::optional<ColourValue> hex = HexColour(txtColourName->text());
        if (!hex) {
            CurrentPrompts().Warn(this, tr("Enter Colour"),
                                  tr("Please enter six hex digits, such as FF6600."));
            return;
        }
        colour = *hex;
        break;
    }
    case DecimalNotation:
        colour = DecimalColour(txtColourName->text());
        break;
    case NameNotation: {
        txtColourName->setText(txtColourName->text().toLower());
        const std::optional<int> found = FindColourName(txtColourName->text());
        if (!found) {
            CurrentPrompts().Warn(this, QStringLiteral("No Such Colour Name"),
                                  QStringLiteral("Please enter a valid HTML colour name."));
            return;
        }
        index = *found;
        colour = ParseHexPairs(ColourNameEntry(index).valueText);
        kind = NamesPalette;
        break;
    }
    case RgbNotation:
        colour = RgbColour(ComponentOf(txtColour[0]->text()), ComponentOf(txtColour[1]->text()),
                           ComponentOf(txtColour[2]->text()));
        break;
    }
    m_history.Apply(Record, m_picMain);
    SetCurrentColour(m_picMain, colour, kind, index);
    CopyPickedColour(m_picMain, m_options, EnterColourCopy);
    close();
}

void frmColour::cmdCancel_Click()
{
    close();
}

void frmColour::Form_Unload()
{
    if (!std::exchange(m_unloaded, true))
        SaveValue(Schema::ColourType, m_notation);
}

bool frmColour::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void frmColour::reject()
{
    cmdCancel_Click();
}

void frmColour::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}
