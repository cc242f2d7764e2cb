// The custom swatches out to a palette file and in from one, for other programs' palettes.

#include "app/frmmain.h"
#include "core/picturebox.h"
#include "core/prompts.h"
#include "palettes/drawpalette.h"
#include "palettes/swatchfile.h"
#include "settings/schema.h"
#include "settings/strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>
#include <algorithm>

namespace {

// What GetSwatches gives for a swatch without a stored colour: no colour or system colour's number.
constexpr int NoSwatch = -1;

} // namespace

// Export and Import come after the history items, before the separator above Exit.
void frmMain::CreateSwatchItems(QMenu *colour)
{
    QAction *exitSeparator = mnuColour[90];
    mnuColour.insert(120, colour->insertSeparator(exitSeparator));
    const std::pair<int, const char *> items[] = {{130, "Ex&port Swatches..."},
                                                  {140, "&Import Swatches..."}};
    for (const auto &[index, caption] : items) {
        auto *action = new QAction(tr(caption), colour);
        colour->insertAction(exitSeparator, action);
        connect(action, &QAction::triggered, this, [this, index] { mnuColour_Click(index); });
        mnuColour.insert(index, action);
    }
}

// The swatches that hold a colour, in their order, as a GIMP palette or CSS custom properties:
// the name's ending chooses, else the filter chosen, whose ending a name without one then gets.
void frmMain::ExportSwatches()
{
    QList<ColourValue> colours;
    for (const int stored : GetSwatches(NoSwatch)) {
        if (stored != NoSwatch)
            colours.append(stored);
    }
    if (colours.isEmpty()) {
        StatusMessage(LoadResString(NoSwatchToExportText));
        return;
    }
    const QString title = tr("Export Swatches");
    const QString gpl = tr("GIMP palette (*.gpl)"), css = tr("CSS custom properties (*.css)");
    QString filter = gpl;
    QString name =
        CurrentPrompts().SaveFileName(this, title, gpl + QStringLiteral(";;") + css, filter);
    if (name.isEmpty())
        return;
    const QString suffix = QFileInfo(name).suffix().toLower();
    const bool asCss = suffix == u"css" || (suffix != u"gpl" && filter == css);
    if (suffix.isEmpty())
        name += asCss ? QStringLiteral(".css") : QStringLiteral(".gpl");
    // The file is replaced whole or not at all.
    QSaveFile file(name);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        file.write(SwatchFileText(colours, asCss ? SwatchFormat::Css : SwatchFormat::Gpl));
        written = file.commit();
    }
    if (!written) {
        CurrentPrompts().Warn(
            this, title,
            LoadResString(NotWrittenText).arg(QDir::toNativeSeparators(name), file.errorString()));
        return;
    }
    StatusMessage(LoadResString(SwatchesExportedText) + QLatin1Char(' ') +
                  QString::number(colours.size()));
}

// A palette file's colours go in file order into the swatches that hold none, from the last one
// up. A file that cannot be trusted whole changes nothing.
void frmMain::ImportSwatches()
{
    const QString title = tr("Import Swatches");
    const QString name = CurrentPrompts().OpenFileName(
        this, title, tr("Palettes (*.gpl *.css)") + QStringLiteral(";;") + tr("All files (*)"));
    if (name.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(name);
    QFile file(name);
    // A byte beyond the limit tells a file too large without reading all of it.
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(SwatchFileLimit + 1);
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        CurrentPrompts().Warn(this, title,
                              LoadResString(NotReadText).arg(shown, file.errorString()));
        return;
    }
    const SwatchFileContents contents = ReadSwatchFile(bytes);
    if (contents.problem != SwatchFileContents::None) {
        const QString problem = LoadResString(NotReadText + int(contents.problem));
        CurrentPrompts().Warn(this, title,
                              contents.problem == SwatchFileContents::BadLine
                                  ? problem.arg(shown, QString::number(contents.line))
                                  : problem.arg(shown));
        return;
    }
    // Every free swatch is found before the first colour is stored, which makes one free no more.
    const QList<int> swatches = GetSwatches(NoSwatch);
    QList<int> free;
    for (int index = Schema::SwatchCount - 1; index >= 0; --index) {
        if (swatches[index] == NoSwatch)
            free.append(index);
    }
    const qsizetype fitting = std::min(free.size(), contents.colours.size());
    qsizetype stored = 0;
    while (stored < fitting && SaveValue(Schema::Swatch(free[stored]), contents.colours[stored]))
        ++stored;
    if (Settings.currentPalette == CustomPalette)
        DrawPalette(*picPalette, CustomPalette);
    // A colour the store did not take has its reason in the status bar.
    if (stored < fitting)
        return;
    StatusMessage(LoadResString(SwatchesImportedText) + QLatin1Char(' ') + QString::number(stored));
    if (const qsizetype left = contents.colours.size() - stored; left > 0)
        CurrentPrompts().Warn(
            this, title,
            LoadResString(SwatchesDidNotFitText)
                .arg(QString::number(left), QString::number(contents.colours.size()), shown));
}
