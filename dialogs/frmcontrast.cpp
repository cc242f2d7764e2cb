#include "dialogs/frmcontrast.h"

#include "core/contrast.h"
#include "core/currentcolour.h"
#include "core/systemcolours.h"
#include "dialogs/designface.h"
#include "settings/schema.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel *Named(QLabel *label, const char *name, int index)
{
    label->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(index));
    return label;
}

// A stored colour as the Preview draws it: a system colour reference as the desktop shows it.
ColourValue Stored(const Setting<int> &setting)
{
    return ColourOf(ResolveColour(GetSetting(setting)));
}

} // namespace

frmContrast::frmContrast(const ColourDisplay &picMain, QWidget *parent)
    : QDialog(parent), m_picMain(picMain)
{
    setObjectName(QStringLiteral("frmContrast"));
    setWindowTitle(tr("Contrast"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    UseDesignFace(*this);

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setHorizontalSpacing(10);
    const QString columns[] = {tr("Ratio"), tr("AA"), tr("AA large"), tr("AAA"), tr("AAA large")};
    QFont bold = font();
    bold.setBold(true);
    for (int column = 0; column < 5; ++column) {
        auto *heading = Named(new QLabel(columns[column], this), "lblColumn", column);
        heading->setFont(bold);
        // The ratios line up at their right edges, the verdicts under their headings' middles.
        grid->addWidget(heading, 0, column + 2, column == 0 ? Qt::AlignRight : Qt::AlignCenter);
    }
    const QString pairs[] = {tr("Text"),
                             tr("Heading"),
                             tr("Link"),
                             tr("Hover link"),
                             tr("Active link"),
                             tr("Current on white"),
                             tr("Current on black")};
    for (int pair = 0; pair < PairCount; ++pair) {
        // The Preview's pairs, a gap, the current colour's.
        const int row = pair < 5 ? pair + 1 : pair + 2;
        lblSample[pair] = Named(new QLabel(QStringLiteral("Aa"), this), "lblSample", pair);
        lblSample[pair]->setFont(bold);
        lblSample[pair]->setAutoFillBackground(true);
        lblSample[pair]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        lblSample[pair]->setAlignment(Qt::AlignCenter);
        lblSample[pair]->setMargin(1);
        // A screen reader says each cell with its row and column, which a grid of labels does not
        // tell it.
        lblSample[pair]->setAccessibleDescription(pairs[pair]);
        grid->addWidget(lblSample[pair], row, 0);
        grid->addWidget(Named(new QLabel(pairs[pair], this), "lblPair", pair), row, 1);
        lblRatio[pair] = Named(new QLabel(this), "lblRatio", pair);
        lblRatio[pair]->setAccessibleDescription(pairs[pair] + QLatin1Char(' ') + columns[0]);
        grid->addWidget(lblRatio[pair], row, 2, Qt::AlignRight);
        for (int level = 0; level < 4; ++level) {
            QLabel *verdict = Named(new QLabel(this), "lblVerdict", pair * 4 + level);
            verdict->setAccessibleDescription(pairs[pair] + QLatin1Char(' ') + columns[level + 1]);
            grid->addWidget(verdict, row, level + 3, Qt::AlignCenter);
            lblVerdict[pair][level] = verdict;
        }
    }
    grid->setRowMinimumHeight(6, 6);

    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    grid->addWidget(cmdClose, 9, 5, 1, 2, Qt::AlignRight);
    connect(cmdClose, &QPushButton::clicked, this, &frmContrast::cmdClose_Click);

    // The Preview's colours change only by the main window's commands, which load this again; the
    // current colour changes at every step of a finder drag, which reads no setting.
    connect(&picMain, &ColourDisplay::colourChanged, this, &frmContrast::ShowCurrentColour);
    Form_Load();
}

void frmContrast::Form_Load()
{
    const ColourValue background = Stored(Schema::BackgroundColour);
    const Setting<int> *previewColours[] = {&Schema::FontColour, &Schema::HeadingColour,
                                            &Schema::LinkColour, &Schema::HoverColour,
                                            &Schema::ActiveLinkColour};
    for (int pair = 0; pair < 5; ++pair)
        ShowPair(pair, Stored(*previewColours[pair]), background);
    ShowCurrentColour(ReadSwatchColour(m_picMain, TrueSwatch));
}

void frmContrast::ShowCurrentColour(ColourValue current)
{
    ShowPair(5, current, RgbColour(255, 255, 255));
    ShowPair(6, current, RgbColour(0, 0, 0));
}

void frmContrast::ShowPair(int pair, ColourValue foreground, ColourValue back)
{
    QPalette palette = lblSample[pair]->palette();
    palette.setColor(QPalette::WindowText, ResolveColour(foreground));
    palette.setColor(QPalette::Window, ResolveColour(back));
    lblSample[pair]->setPalette(palette);
    lblSample[pair]->setToolTip(HexText(foreground) + tr(" on ") + HexText(back));
    const double ratio = ContrastRatio(foreground, back);
    lblRatio[pair]->setText(ContrastRatioText(ratio));
    const ContrastVerdicts verdicts = ContrastVerdictsOf(ratio);
    const bool passes[] = {verdicts.aaNormal, verdicts.aaLarge, verdicts.aaaNormal,
                           verdicts.aaaLarge};
    for (int level = 0; level < 4; ++level)
        lblVerdict[pair][level]->setText(passes[level] ? tr("Pass") : tr("Fail"));
}

void frmContrast::cmdClose_Click()
{
    close();
}
