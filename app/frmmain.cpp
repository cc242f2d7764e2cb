#include "app/frmmain.h"

#include "app/help.h"
#include "app/mainlayout.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "core/twips.h"
#include "finder/finderdrag.h"
#include "palettes/drawpalette.h"
#include "palettes/palettepointer.h"
#include "settings/schema.h"
#include "settings/strings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

// The client area is this wide; the width never changes.
constexpr int ClientWidth = 3360;

void MoveTwips(QWidget *control, int left, int top)
{
    control->move(TwipsToPixels(left), TwipsToPixels(top));
}

int TwipsHeight(const QWidget *control)
{
    return PixelsToTwips(control->height());
}

QLabel *NewLabel(QWidget *parent, const char *name, const QString &accessibleName,
                 const QString &text = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(accessibleName);
    return label;
}

// A caption or readout of the finder frame at its place.
QLabel *FinderLabel(QWidget *frame, const char *name, const QString &accessibleName, int left,
                    int top, const QString &text = {})
{
    QLabel *label = NewLabel(frame, name, accessibleName, text);
    MoveTwips(label, left, top);
    return label;
}

// The widest text a caption or readout of the finder frame shows: a coordinate left of the
// primary screen, a value, a fraction, a whole percentage.
QString WidestFinderText(const QLabel *label)
{
    const QString name = label->objectName();
    return name.endsWith(QLatin1String("Coord"))     ? QStringLiteral("-0000")
           : name.endsWith(QLatin1String("Val"))     ? QStringLiteral("255")
           : name.endsWith(QLatin1String("Float"))   ? QStringLiteral("0.000")
           : name.endsWith(QLatin1String("Percent")) ? QStringLiteral("100%")
                                                     : label->text();
}

// The frame's columns were placed for a smaller font than desktops use: its captions and
// readouts take the largest font, from the frame's own down by half points, at which the widest
// text of every column ends a space before the next column or the frame's edge.
void FitFinderTexts(QGroupBox *frame)
{
    const QList<QLabel *> labels = frame->findChildren<QLabel *>();
    const auto limit = [&](const QLabel *label) {
        int limit = frame->width() - 1; // the frame's line
        for (const QLabel *other : labels) {
            if (other->y() == label->y() && other->x() > label->x())
                limit = std::min(limit, other->x());
        }
        return limit;
    };
    QFont font = frame->font();
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        return std::ranges::all_of(labels, [&](const QLabel *label) {
            return label->x() + metrics.horizontalAdvance(WidestFinderText(label) + ' ') <=
                   limit(label);
        });
    };
    while (!fits() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    // Each label as wide as its widest text and as high as a line of the frame's own font, its
    // text centred in that: a row's texts share their baseline, where the larger font's would be.
    const QFontMetrics metrics(font);
    const int height = QFontMetrics(frame->font()).height();
    for (QLabel *label : labels) {
        label->setFont(font);
        label->resize(metrics.horizontalAdvance(WidestFinderText(label)) + 2, height);
    }
}

} // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tarvo Pigmenta"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    CreateControls();
    CreateMenus();
    CreateToolbar();
    CreateStatusBar();
    connect(&History, &SwatchHistory::EnabledChanged, this, [this](bool undo, bool redo) {
        mnuColour[70]->setEnabled(undo);
        mnuColour[80]->setEnabled(redo);
    });
    // F1 opens the manual from every window of the program, the main window's menu item only
    // showing the key.
    new HelpKey([this] { ShowManual(); }, this);
    Form_Resize();
    Form_Load();
    // A change of the settings that could not be made is said where the user looks for news of
    // what a command did; a success text that would hide it is not shown.
    SetSaveProblemHandler([this](const QString &problem) {
        StatusMessage(LoadResString(NotSavedText) + QLatin1Char(' ') + problem);
    });
}

void frmMain::CreateControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    fraMain = new QGroupBox(tr("Current Colour"), client);
    fraMain->setObjectName(QStringLiteral("fraMain"));
    SetTwipsGeometry(fraMain, 60, 390, 3255, 1830);

    picMain = new ColourDisplay(fraMain);
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setAccessibleName(tr("Current colour"));
    SetTwipsGeometry(picMain, 255, 405, 2730, 1110);

    picFinder = new PictureBox(client);
    picFinder->setObjectName(QStringLiteral("picFinder"));
    picFinder->setAccessibleName(tr("Magnified view"));
    picFinder->SetBackColour(FinderBackColour);
    SetTwipsGeometry(picFinder, 120, 2400, 1295, 1295);
    picFinder->Cls();

    fraFinder = new QGroupBox(tr("Finder Co-ords"), client);
    fraFinder->setObjectName(QStringLiteral("fraFinder"));
    SetTwipsGeometry(fraFinder, 1560, 2310, 1755, 1395);
    lblX = FinderLabel(fraFinder, "lblX", tr("X"), 165, 285, QStringLiteral("X:"));
    lblY = FinderLabel(fraFinder, "lblY", tr("Y"), 960, 285, QStringLiteral("Y:"));
    lblRed = FinderLabel(fraFinder, "lblRed", tr("Red"), 165, 615, QStringLiteral("R:"));
    lblGreen = FinderLabel(fraFinder, "lblGreen", tr("Green"), 165, 855, QStringLiteral("G:"));
    lblBlue = FinderLabel(fraFinder, "lblBlue", tr("Blue"), 180, 1110, QStringLiteral("B:"));
    lblXCoord = FinderLabel(fraFinder, "lblXCoord", tr("X coordinate"), 405, 285);
    lblYCoord = FinderLabel(fraFinder, "lblYCoord", tr("Y coordinate"), 1215, 285);
    lblRedVal = FinderLabel(fraFinder, "lblRedVal", tr("Red value"), 375, 615);
    lblGreenVal = FinderLabel(fraFinder, "lblGreenVal", tr("Green value"), 375, 855);
    lblBlueVal = FinderLabel(fraFinder, "lblBlueVal", tr("Blue value"), 375, 1110);
    lblRedFloat = FinderLabel(fraFinder, "lblRedFloat", tr("Red fraction"), 780, 615);
    lblGreenFloat = FinderLabel(fraFinder, "lblGreenFloat", tr("Green fraction"), 780, 855);
    lblBlueFloat = FinderLabel(fraFinder, "lblBlueFloat", tr("Blue fraction"), 780, 1110);
    lblRedPercent = FinderLabel(fraFinder, "lblRedPercent", tr("Red percentage"), 1320, 615);
    lblGreenPercent = FinderLabel(fraFinder, "lblGreenPercent", tr("Green percentage"), 1320, 855);
    lblBluePercent = FinderLabel(fraFinder, "lblBluePercent", tr("Blue percentage"), 1320, 1110);
    FitFinderTexts(fraFinder);
    CreateFinder();

    picPalette = new PictureBox(client);
    picPalette->setObjectName(QStringLiteral("picPalette"));
    picPalette->setAccessibleName(tr("Palette"));
    SetTwipsGeometry(picPalette, 60, 3870, 3255, 1530);
    CreatePalettePointer();
}

void frmMain::Form_Load()
{
    // The help item shows its key at its right edge. It keeps C as its access key, which a menu
    // here takes only from a marked letter.
    mnuHelp[10]->setText(tr("&Contents And Index") + QLatin1Char('\t') + QStringLiteral("F1"));

    CentreInContainer(*picMain, *picMain->lblHexName[0], CentreAcross | CentreAbove);
    CentreInContainer(*picMain, *picMain->lblHexName[1], CentreAcross | CentreBelow);
    picFinder->resize(TwipsToPixels(1295), TwipsToPixels(1295));
    picMain->resize(TwipsToPixels(2730), TwipsToPixels(1110));

    Settings = ReadProgramSettings();
    PlaceWindow();
    const ColourValue trueColour = GetSetting(Schema::TrueColour);
    const ColourValue safeColour = GetSetting(Schema::SafeColour);

    mnuOptions[70]->setEnabled(KeyExists(Schema::OldProgramKey));

    ShowStoredColours(*picMain, trueColour, safeColour);

    mnuColour[70]->setEnabled(false);
    mnuColour[80]->setEnabled(false);
    mnuOptions[40]->setChecked(Settings.alwaysOnTop);
    mnuOptions[50]->setChecked(Settings.showSplash);
    ShowInstantCopyState();
    ShowCssForm();
    MenuRadioCheck(PalettePosition(Settings.currentPalette), 5);
    stbPanel[2]->setText(PaletteShortName(Settings.currentPalette));

    if (Settings.viewFlags & ToolbarShown)
        mnuView[70]->setText(LoadResString(HideToolbarText));
    else
        tlbMain->hide();
    if (Settings.viewFlags & StatusBarShown)
        mnuView[80]->setText(LoadResString(HideStatusBarText));
    else
        stbMain->hide();
    if (Settings.viewFlags & PaletteShown)
        mnuView[90]->setText(LoadResString(HidePaletteText));
    else
        picPalette->hide();

    setWindowFlag(Qt::WindowStaysOnTopHint, Settings.alwaysOnTop);
    DrawPalette(*picPalette, Settings.currentPalette);
    Form_Resize();
}

// The window goes where it was last closed, or in the middle of the screen on a first start. A
// stored coordinate that puts the window beside, above or below every screen (a screen since
// unplugged) is centred instead; the other one stays, and so does a place partly off the screen.
void frmMain::PlaceWindow()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect();
    const int centredLeft = qRound(PixelsToTwips(area.x()) + PixelsToTwips(area.width()) / 2.0 -
                                   PixelsToTwips(width()) / 2.0);
    const int centredTop = qRound(PixelsToTwips(area.y()) + PixelsToTwips(area.height()) / 2.0 -
                                  PixelsToTwips(height()) / 2.0);
    QRect place(QPoint(TwipsToPixels(GetSetting(Schema::Left, centredLeft)),
                       TwipsToPixels(GetSetting(Schema::Top, centredTop))),
                size());
    bool across = false, down = false;
    for (const QScreen *each : QGuiApplication::screens()) {
        const QRect shown = each->geometry();
        across = across || (place.left() <= shown.right() && shown.left() <= place.right());
        down = down || (place.top() <= shown.bottom() && shown.top() <= place.bottom());
    }
    if (!across)
        place.moveLeft(TwipsToPixels(centredLeft));
    if (!down)
        place.moveTop(TwipsToPixels(centredTop));
    move(place.topLeft());
}

bool frmMain::OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void frmMain::Form_Resize()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        return;
    // The heights are the controls' own, in whole pixels: a magnifier designed 1295 twips high is
    // 86 pixels, 1290 twips, and the window follows what is shown.
    MainParts parts;
    parts.toolbar = PixelsToTwips(tlbMain->sizeHint().height());
    parts.statusBar = PixelsToTwips(stbMain->sizeHint().height());
    parts.palette = TwipsHeight(picPalette);
    parts.fraMain = TwipsHeight(fraMain);
    parts.fraFinder = TwipsHeight(fraFinder);
    parts.picFinder = TwipsHeight(picFinder);
    parts.toolbarShown = !tlbMain->isHidden();
    parts.statusBarShown = !stbMain->isHidden();
    parts.paletteShown = !picPalette->isHidden();
    const MainLayout layout = ComputeMainLayout(parts);

    const int width = TwipsToPixels(ClientWidth);
    const int clientHeight = TwipsToPixels(layout.outerHeight - DesignedNonClientHeight);
    tlbMain->setGeometry(0, 0, width, TwipsToPixels(parts.toolbar));
    MoveTwips(fraMain, PixelsToTwips(fraMain->x()), layout.fraMainTop);
    MoveTwips(picFinder, PixelsToTwips(picFinder->x()), layout.picFinderTop);
    MoveTwips(fraFinder, PixelsToTwips(fraFinder->x()), layout.fraFinderTop);
    MoveTwips(picPalette, PixelsToTwips(picPalette->x()), layout.picPaletteTop);
    const int statusHeight = stbMain->sizeHint().height();
    stbMain->setGeometry(0, clientHeight - statusHeight, width, statusHeight);
    const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    setFixedSize(width, menuHeight + clientHeight);
}

void frmMain::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    // The closing window has no status bar to say it on: one line on standard error tells what
    // kept the settings (the other windows' included) from being stored.
    QString problem;
    SetSaveProblemHandler([&problem](const QString &each) {
        if (problem.isEmpty())
            problem = each;
    });
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    SaveProgramSettings(Settings);
    // Where the desktop does not tell the window its place, the place stored before is kept for
    // the next start on one that does.
    if (!OnWayland() && !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        SaveValue(Schema::Left, PixelsToTwips(x()));
        SaveValue(Schema::Top, PixelsToTwips(y()));
    }
    SaveValue(Schema::TrueColour, ReadSwatchColour(*picMain, TrueSwatch));
    SaveValue(Schema::SafeColour, ReadSwatchColour(*picMain, SafeSwatch));
    // A change that another copy's hold kept back gets one more try; what it keeps still is
    // named.
    if (const QStringList unstored = StorePendingChanges(); !unstored.isEmpty())
        problem =
            LoadResString(NotStoredText) + QLatin1Char(' ') + unstored.join(QStringLiteral(", "));
    SetSaveProblemHandler({});
    if (!problem.isEmpty())
        qWarning("Tarvo Pigmenta: %s %s", qPrintable(LoadResString(NotSavedText)),
                 qPrintable(problem));
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_palette->CancelDrag();
}

void frmMain::StatusMessage(const QString &text)
{
    stbPanel[1]->setText(text);
}

void frmMain::MenuRadioCheck(int position, int count)
{
    for (int i = 0; i < count; ++i)
        mnuView[(i + 1) * 10]->setChecked(i == position);
}
