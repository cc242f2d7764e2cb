#include "dialogs/frmcopy.h"

#include "core/prompts.h"
#include "core/twips.h"
#include "dialogs/designface.h"
#include "dialogs/frmalert.h"
#include "dialogs/numbertext.h"
#include "settings/schema.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <algorithm>
#include <type_traits>

namespace {

// A control at its designed place; a check box or option is widened to its caption where the
// face here is wider than the one the window was designed with.
template <typename Control>
Control *Named(Control *control, const QString &name, int left, int top, int width, int height)
{
    control->setObjectName(name);
    SetTwipsGeometry(control, left, top, width, height);
    if constexpr (std::is_base_of_v<QAbstractButton, Control> &&
                  !std::is_same_v<Control, QPushButton>)
        control->resize(std::max(control->width(), control->sizeHint().width()), control->height());
    return control;
}

QString Indexed(const char *name, int index)
{
    return QStringLiteral("%1%2").arg(QLatin1String(name)).arg(index);
}

// The seven choices of a tag page in their two columns.
void AddTagOptions(QGroupBox *frame, const char *name, const QStringList &captions,
                   std::array<QRadioButton *, 7> &options, int secondLeft)
{
    const int tops[] = {345, 720, 1095, 1470, 345, 735, 1080};
    for (int i = 0; i < 7; ++i) {
        const int left = i < 4 ? (i == 1 ? secondLeft : 360) : 1860;
        options[i] =
            Named(new QRadioButton(captions[i], frame), Indexed(name, i), left, tops[i], 1290, 315);
    }
}

} // namespace

frmCopy::frmCopy(CopyOptions &options, bool &showAlert, QWidget *parent)
    : QDialog(parent), m_options(options), m_showAlert(showAlert)
{
    setObjectName(QStringLiteral("frmCopy"));
    setWindowTitle(tr("Copy Options"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsToPixels(5805), TwipsToPixels(3900));
    UseDesignFace(*this);
    CreatePages();
    cmdOK = Named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"), 3345, 3405, 1140, 375);
    cmdOK->setDefault(true);
    cmdCancel = Named(new QPushButton(tr("Cancel"), this), QStringLiteral("cmdCancel"), 4530, 3405,
                      1140, 375);
    Form_Load();

    // Connected after the load has set the controls, so that setting them never toggles a switch.
    for (int i = 0; i < 6; ++i)
        connect(chkCopy[i], &QCheckBox::clicked, this, [this, i] { chkCopy_Click(i); });
    for (int i = 0; i < 3; ++i) {
        connect(optUseRGBValues[i], &QRadioButton::clicked, this,
                [this, i] { optUseRGBValues_Click(i); });
        connect(optIncludeTag[i], &QRadioButton::clicked, this,
                [this, i] { optIncludeTag_Click(i); });
    }
    connect(tbsMain, &QTabWidget::currentChanged, this, &frmCopy::tbsMain_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmCopy::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCopy::cmdCancel_Click);
}

void frmCopy::CreatePages()
{
    tbsMain = Named(new QTabWidget(this), QStringLiteral("tbsMain"), 135, 75, 5535, 3225);
    const QString titles[] = {{}, tr("General"), tr("HTML"), tr("CSS")};
    for (int page = 1; page <= 3; ++page) {
        fraCopy[page] = new QWidget;
        fraCopy[page]->setObjectName(Indexed("fraCopy", page));
        tbsMain->addTab(fraCopy[page], titles[page]);
    }
    QWidget *general = fraCopy[1];
    fraCopyWith = Named(new QGroupBox(tr("Copy With"), general), QStringLiteral("fraCopyWith"), 45,
                        60, 5265, 1005);
    const struct
    {
        int index;
        const char *caption;
        int left, top, width;
    } switches[] = {{0, "Quotes", 465, 240, 885},
                    {2, "Pound sign", 2325, 240, 1155},
                    {1, "Lowercase letters", 465, 540, 1590},
                    {5, "Available names", 2325, 540, 2115}};
    for (const auto &s : switches)
        chkCopy[s.index] = Named(new QCheckBox(tr(s.caption), fraCopyWith),
                                 Indexed("chkCopy", s.index), s.left, s.top, s.width, 360);

    // Each of the two lower frames has its switch on its top edge, over the frame's line.
    fraUseRGBValues =
        Named(new QGroupBox(general), QStringLiteral("fraUseRGBValues"), 45, 1185, 3030, 1530);
    chkCopy[3] = Named(new QCheckBox(tr("Use RGB values"), fraUseRGBValues),
                       QStringLiteral("chkCopy3"), 180, 0, 1560, 225);
    const char *forms[] = {"8-bit numbers (0-255)", "Percentage", "Float range"};
    const int formWidths[] = {1800, 1215, 1215};
    for (int i = 0; i < 3; ++i)
        optUseRGBValues[i] =
            Named(new QRadioButton(tr(forms[i]), fraUseRGBValues), Indexed("optUseRGBValues", i),
                  420, 270 + 345 * i, formWidths[i], 390);
    // The precision box keeps its place unless the widened "Float range" caption reaches it; then
    // it stands just after the caption. Its arrows are attached to its right edge.
    txtPrecision =
        Named(new QLineEdit(fraUseRGBValues), QStringLiteral("txtPrecision"), 1635, 990, 750, 360);
    txtPrecision->setAlignment(Qt::AlignRight);
    txtPrecision->move(std::max(txtPrecision->x(), optUseRGBValues[2]->geometry().right() + 1),
                       txtPrecision->y());
    udnPrecision =
        Named(new QSpinBox(fraUseRGBValues), QStringLiteral("udnPrecision"), 2415, 1005, 195, 330);
    udnPrecision->setGeometry(txtPrecision->geometry().right() + 1, txtPrecision->y(),
                              udnPrecision->width(), txtPrecision->height());
    udnPrecision->setRange(0, 100);
    // The arrows follow the text as it is typed, so that they step the number the box shows now.
    connect(txtPrecision, &QLineEdit::textChanged, this, [this](const QString &text) {
        const QSignalBlocker quiet(udnPrecision);
        udnPrecision->setValue(std::clamp(ReadWholeNumber(text), 0, 100));
    });
    connect(udnPrecision, &QSpinBox::valueChanged, this,
            [this](int value) { txtPrecision->setText(QString::number(value)); });

    fraIncludeTag =
        Named(new QGroupBox(general), QStringLiteral("fraIncludeTag"), 3180, 1185, 2130, 1530);
    chkCopy[4] = Named(new QCheckBox(tr("Include tag"), fraIncludeTag), QStringLiteral("chkCopy4"),
                       180, 0, 1155, 225);
    const char *kinds[] = {"HTML", "CSS", "Inline CSS"};
    const int kindWidths[] = {825, 705, 1125};
    for (int i = 0; i < 3; ++i)
        optIncludeTag[i] =
            Named(new QRadioButton(tr(kinds[i]), fraIncludeTag), Indexed("optIncludeTag", i), 420,
                  270 + 345 * i, kindWidths[i], 390);
    for (QCheckBox *onEdge : {chkCopy[3], chkCopy[4]})
        onEdge->setAutoFillBackground(true);

    fraHTML = Named(new QGroupBox(tr("HTML Tags"), fraCopy[2]), QStringLiteral("fraHTML"), 45, 60,
                    5265, 2655);
    AddTagOptions(fraHTML, "optHTML",
                  {tr("Color"), tr("Text"), tr("Background"), tr("Border"), tr("Link"),
                   tr("Active link"), tr("Viewed link")},
                  optHTML, 375);
    fraCSS = Named(new QGroupBox(tr("CSS and Inline CSS Tags"), fraCopy[3]),
                   QStringLiteral("fraCSS"), 45, 60, 5265, 2655);
    AddTagOptions(fraCSS, "optCSS",
                  {tr("Color"), tr("Background"), tr("Border"), tr("Top border"),
                   tr("Bottom border"), tr("Left border"), tr("Right border")},
                  optCSS, 360);
}

void frmCopy::SetPrecisionEnabled(bool enabled)
{
    txtPrecision->setEnabled(enabled);
    udnPrecision->setEnabled(enabled);
}

void frmCopy::Form_Load()
{
    m_snapshot = m_options;
    // A stored page that no window has shows the first.
    const int stored = GetSetting(Schema::CopyTab);
    CopyPage = stored >= 1 && stored <= 3 ? stored : 1;
    tbsMain->setCurrentIndex(CopyPage - 1);

    const CopyFlags flags = m_options.copyFlags;
    chkCopy[0]->setChecked(flags.testFlag(Quotes));
    chkCopy[1]->setChecked(flags.testFlag(Lowercase));
    chkCopy[2]->setChecked(flags.testFlag(PoundSign));
    chkCopy[5]->setChecked(flags.testFlag(AvailableNames));
    const bool rgb = flags.testFlag(UseRgb);
    chkCopy[3]->setChecked(rgb);
    chkCopy[2]->setEnabled(!rgb);
    for (int i = 0; i < 3; ++i) {
        optUseRGBValues[i]->setEnabled(rgb);
        optUseRGBValues[i]->setChecked(m_options.rgbMode == i + 1);
        optIncludeTag[i]->setChecked(m_options.tagKind == i + 1);
    }
    const bool tag = flags.testFlag(IncludeTag);
    chkCopy[4]->setChecked(tag);
    chkCopy[0]->setEnabled(!(tag && optIncludeTag[2]->isChecked()));
    for (QRadioButton *option : optIncludeTag)
        option->setEnabled(tag);
    SetPrecisionEnabled(rgb && optUseRGBValues[2]->isChecked());
    txtPrecision->setText(QString::number(m_options.precision));
    if (m_options.htmlAttribute >= 1 && m_options.htmlAttribute <= 7)
        optHTML[m_options.htmlAttribute - 1]->setChecked(true);
    if (m_options.cssProperty >= 1 && m_options.cssProperty <= 7)
        optCSS[m_options.cssProperty - 1]->setChecked(true);
}

void frmCopy::chkCopy_Click(int index)
{
    const CopyFlag bits[] = {Quotes, Lowercase, PoundSign, UseRgb, IncludeTag, AvailableNames};
    if (index == 3) {
        if (chkCopy[3]->isChecked() && m_showAlert) {
            frmAlert alert(m_showAlert, this);
            CurrentPrompts().RunModal(alert);
        }
        chkCopy[2]->setEnabled(!chkCopy[2]->isEnabled());
        for (QRadioButton *option : optUseRGBValues)
            option->setEnabled(!option->isEnabled());
        SetPrecisionEnabled(chkCopy[3]->isChecked() && optUseRGBValues[2]->isChecked());
    } else if (index == 4) {
        for (QRadioButton *option : optIncludeTag)
            option->setEnabled(!option->isEnabled());
        if (!chkCopy[4]->isChecked())
            chkCopy[0]->setEnabled(true);
        else if (optIncludeTag[2]->isChecked())
            chkCopy[0]->setEnabled(false);
    }
    // Each click flips its bit; the bits follow the boxes because both start equal.
    m_options.copyFlags ^= bits[index];
}

void frmCopy::optUseRGBValues_Click(int index)
{
    m_options.rgbMode = RgbMode(index + 1);
    SetPrecisionEnabled(index == 2);
}

void frmCopy::optIncludeTag_Click(int index)
{
    m_options.tagKind = TagKind(index + 1);
    chkCopy[0]->setEnabled(index != 2);
}

void frmCopy::tbsMain_Click()
{
    CopyPage = tbsMain->currentIndex() + 1;
}

void frmCopy::cmdOK_Click()
{
    const int precision = ReadWholeNumber(txtPrecision->text());
    if (precision < 1 || precision > 100) {
        CurrentPrompts().Warn(this, QStringLiteral("Invalid Entry"),
                              QStringLiteral("Please enter a number between 1 and 100."));
        txtPrecision->setFocus();
        txtPrecision->selectAll();
        return;
    }
    m_options.precision = precision;
    const auto chosen = [](const std::array<QRadioButton *, 7> &options) {
        for (int i = 0; i < 7; ++i)
            if (options[i]->isChecked())
                return i + 1;
        return 1;
    };
    m_options.htmlAttribute = chosen(optHTML);
    m_options.cssProperty = chosen(optCSS);
    close();
}

void frmCopy::cmdCancel_Click()
{
    m_options.copyFlags = m_snapshot.copyFlags;
    m_options.rgbMode = m_snapshot.rgbMode;
    m_options.tagKind = m_snapshot.tagKind;
    close();
}

void frmCopy::Form_Unload()
{
    if (!std::exchange(m_unloaded, true))
        SaveValue(Schema::CopyTab, CopyPage);
}

// Esc is Cancel.
void frmCopy::reject()
{
    cmdCancel_Click();
}

// The close box closes without putting anything back.
void frmCopy::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}
