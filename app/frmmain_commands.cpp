// The main window's commands: its menus, toolbar buttons and status bar panels.

#include "app/frmmain.h"
#include "app/help.h"
#include "core/copyactions.h"
#include "core/copytext.h"
#include "core/cssforms.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "core/prompts.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmcolour.h"
#include "dialogs/frmcontrast.h"
#include "dialogs/frmcopy.h"
#include "dialogs/frmpreview.h"
#include "palettes/drawpalette.h"
#include "palettes/palettekind.h"
#include "settings/import.h"
#include "settings/schema.h"
#include "settings/strings.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolTip>
#include <QWindow>

namespace {

struct MenuItem
{
    int index;
    const char *caption; // "-" for a separator
    QKeySequence shortcut;
};

// Builds a menu's items, keyed by their indices; each one calls click with its index.
QMap<int, QAction *> AddItems(QMenu *menu, std::initializer_list<MenuItem> items,
                              const std::function<void(int)> &click)
{
    QMap<int, QAction *> actions;
    for (const MenuItem &item : items) {
        QAction *action;
        if (qstrcmp(item.caption, "-") == 0) {
            action = menu->addSeparator();
        } else {
            action = menu->addAction(frmMain::tr(item.caption));
            action->setShortcut(item.shortcut);
            const int index = item.index;
            QObject::connect(action, &QAction::triggered, menu, [click, index] { click(index); });
        }
        actions.insert(item.index, action);
    }
    return actions;
}

// One window of its kind at a time, held in window and made by make when there is none: opened
// again, it comes forward.
template <typename Window, typename Make> void ShowOnce(QPointer<Window> &window, Make make)
{
    if (!window)
        window = make();
    window->show();
    window->raise();
    window->activateWindow();
}

// Eight buttons and three separators fill the narrow window only when packed close. A style sheet
// would do the same at the cost of its parser and a style of its own for every widget.
class CompactToolBarStyle : public QProxyStyle
{
public:
    explicit CompactToolBarStyle(QObject *parent) { setParent(parent); }

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        switch (metric) {
        case PM_ToolBarItemSpacing:
        case PM_ToolBarItemMargin:
            return 0;
        case PM_ToolBarFrameWidth:
            return 1;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

void frmMain::CreateMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("mnuMain"));
    const char *titles[] = {"&Colour", "&View", "&Options", "&Help"};
    QMenu *menus[4];
    for (int i = 0; i < 4; ++i) {
        menus[i] = bar->addMenu(tr(titles[i]));
    }
    menus[0]->setObjectName(QStringLiteral("mnuColour"));
    menus[1]->setObjectName(QStringLiteral("mnuView"));
    menus[2]->setObjectName(QStringLiteral("mnuOptions"));
    menus[3]->setObjectName(QStringLiteral("mnuHelp"));

    const auto colour = [this](int index) { mnuColour_Click(index); };
    mnuColour = AddItems(menus[0],
                         {{10, "Copy &True Colour", QKeySequence(Qt::CTRL | Qt::Key_Insert)},
                          {20, "Copy &Safe Colour", QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
                          {30, "-", {}},
                          {40, "&Enter Colour...", QKeySequence(Qt::Key_F9)},
                          {50, "S&ystem Palette...", {}},
                          {60, "-", {}},
                          {70, "&Undo Swatch Update", QKeySequence(Qt::CTRL | Qt::Key_Z)},
                          {80, "&Redo Swatch Update", QKeySequence(Qt::CTRL | Qt::Key_Y)},
                          {90, "-", {}},
                          {100, "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X)}},
                         colour);
    // Copy CSS sits with the other copies, before their separator. Each caption shows the shape of
    // its form.
    auto *copyCss = new QMenu(tr("Copy &CSS"), menus[0]);
    copyCss->setObjectName(QStringLiteral("mnuCopyCss"));
    menus[0]->insertMenu(mnuColour[30], copyCss);
    mnuColour.insert(110, copyCss->menuAction());
    mnuCopyCss = AddItems(copyCss,
                          {{10, "&Hex #rrggbb", {}},
                           {20, "&Short Hex #rgb", {}},
                           {30, "&RGB rgb()", {}},
                           {40, "HS&L hsl()", {}},
                           {50, "&OKLCH oklch()", {}},
                           {60, "Custom &Property --colour-rrggbb", {}}},
                          [this](int index) { mnuCopyCss_Click(index); });
    // Short hex is offered only where it is exact, so for whatever colour becomes current.
    connect(picMain, &ColourDisplay::colourChanged, this, [this](ColourValue colour) {
        mnuCopyCss[20]->setEnabled(CssShortHexText(colour).has_value());
    });
    CreateSwatchItems(menus[0]);

    const auto view = [this](int index) { mnuView_Click(index); };
    mnuView = AddItems(menus[1],
                       {{10, "Browser-&Safe Palette", {}},
                        {20, "&Greyscale Palette", {}},
                        {30, "&Names Palette", {}},
                        {40, "S&ystem Palette", {}},
                        {50, "&Custom Palette", {}},
                        {60, "-", {}},
                        {70, "Show &Toolbar", QKeySequence(Qt::Key_F5)},
                        {80, "Show Status&bar", QKeySequence(Qt::Key_F6)},
                        {90, "Show &Palette", QKeySequence(Qt::Key_F7)},
                        {100, "-", {}}},
                       view);
    // Exactly one palette item carries the radio mark; MenuRadioCheck moves it.
    auto *palettes = new QActionGroup(this);
    palettes->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (PaletteKind kind : AllPalettes) {
        mnuView[kind]->setCheckable(true);
        palettes->addAction(mnuView[kind]);
    }
    QMenu *preview = menus[1]->addMenu(tr("Pre&view"));
    preview->setObjectName(QStringLiteral("mnuPreview"));
    mnuView.insert(110, preview->menuAction());
    const auto previews = [this](int index) { mnuPreview_Click(index); };
    mnuPreview = AddItems(preview,
                          {{10, "&Display", QKeySequence(Qt::Key_F11)},
                           {20, "-", {}},
                           {30, "&Active Link", QKeySequence(Qt::CTRL | Qt::Key_A)},
                           {40, "&Background", QKeySequence(Qt::CTRL | Qt::Key_B)},
                           {50, "B&order", QKeySequence(Qt::CTRL | Qt::Key_O)},
                           {60, "&Font", QKeySequence(Qt::CTRL | Qt::Key_F)},
                           {70, "&Heading", QKeySequence(Qt::CTRL | Qt::Key_H)},
                           {80, "Ho&ver", QKeySequence(Qt::CTRL | Qt::Key_V)},
                           {90, "&Link", QKeySequence(Qt::CTRL | Qt::Key_L)},
                           {100, "-", {}},
                           {110, "&Change Font...", QKeySequence(Qt::CTRL | Qt::Key_C)},
                           {120, "-", {}},
                           {130, "Con&trast...", QKeySequence(Qt::Key_F12)}},
                          previews);

    const auto options = [this](int index) { mnuOptions_Click(index); };
    mnuOptions = AddItems(menus[2],
                          {{10, "&Copy...", QKeySequence(Qt::Key_F2)},
                           {20, "&Instant Copy", QKeySequence(Qt::Key_F3)},
                           {30, "-", {}},
                           {40, "&Always On Top", QKeySequence(Qt::Key_F4)},
                           {50, "&Splashscreen", {}},
                           {60, "-", {}},
                           {70, "I&mport Settings...", {}}},
                          options);
    for (int index : {20, 40, 50})
        mnuOptions[index]->setCheckable(true);

    const auto help = [this](int index) { mnuHelp_Click(index); };
    mnuHelp = AddItems(
        menus[3],
        {{10, "&Contents and Index", {}}, {20, "-", {}}, {30, "&About Tarvo Pigmenta...", {}}},
        help);
}

void frmMain::CreateToolbar()
{
    tlbMain = new QToolBar(centralWidget());
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setAccessibleName(tr("Toolbar"));
    tlbMain->setMovable(false);
    tlbMain->setFloatable(false);
    tlbMain->setIconSize(QSize(16, 16));
    tlbMain->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tlbMain->setStyle(new CompactToolBarStyle(tlbMain));

    struct Button
    {
        int index;
        const char *text; // null for a separator
        const char *icon;
    };
    // Index 1 is an empty place at the start that carries no command.
    const Button buttons[] = {
        {2, "True Copy", "truecopy"}, {3, "Safe Copy", "safecopy"},
        {4, nullptr, nullptr},        {5, "Cycle Palettes", "cycle"},
        {6, nullptr, nullptr},        {7, "Quotes", "quotes"},
        {8, "Case", "case"},          {9, "Pound", "pound"},
        {10, "Tag", "tag"},           {11, nullptr, nullptr},
        {12, "Use RGB", "rgb"},
    };
    for (const Button &button : buttons) {
        if (!button.text) {
            tlbButtons.insert(button.index, tlbMain->addSeparator());
            continue;
        }
        QIcon icon;
        for (int size : {16, 32})
            icon.addPixmap(QPixmap(
                QStringLiteral(":/%1-%2.png").arg(QLatin1String(button.icon)).arg(size), "PNG"));
        QAction *action;
        // The two copy buttons are the Colour menu's copy commands.
        if (button.index == 2 || button.index == 3) {
            action = mnuColour[button.index == 2 ? 10 : 20];
            action->setIcon(icon);
            action->setIconVisibleInMenu(false);
            tlbMain->addAction(action);
        } else {
            action = tlbMain->addAction(icon, tr(button.text));
            const int index = button.index;
            connect(action, &QAction::triggered, this,
                    [this, index] { tlbMain_ButtonClick(index); });
        }
        action->setToolTip(tr(button.text));
        tlbButtons.insert(button.index, action);
    }
}

void frmMain::CreateStatusBar()
{
    stbMain = new QStatusBar(centralWidget());
    stbMain->setObjectName(QStringLiteral("stbMain"));
    stbMain->setAccessibleName(tr("Status bar"));
    stbMain->setSizeGripEnabled(false);
    const char *names[] = {nullptr, "stbPanel1", "stbPanel2", "stbPanel3"};
    const QString tips[] = {{}, {}, tr("Current Palette"), tr("Instant Copy")};
    const QString accessible[] = {{}, tr("Message"), tr("Current Palette"), tr("Instant Copy")};
    for (int panel = 1; panel <= 3; ++panel) {
        auto *label = new QLabel(stbMain);
        label->setObjectName(QLatin1String(names[panel]));
        label->setToolTip(tips[panel]);
        label->setAccessibleName(accessible[panel]);
        label->installEventFilter(this);
        stbPanel[panel] = label;
    }
    stbPanel[0] = nullptr;
    stbMain->addWidget(stbPanel[1], 1);
    // Panels 2 and 3 are as wide as the widest short name or "INST", so that panel 1 keeps the
    // rest of the narrow bar for its messages.
    const QFontMetrics metrics = stbPanel[2]->fontMetrics();
    int narrow = metrics.horizontalAdvance(LoadResString(InstantCopyPanelText));
    for (PaletteKind kind : AllPalettes)
        narrow = std::max(narrow, metrics.horizontalAdvance(PaletteShortName(kind)));
    for (int panel : {2, 3}) {
        stbPanel[panel]->setFixedWidth(narrow);
        stbPanel[panel]->setAlignment(Qt::AlignCenter);
        stbMain->addPermanentWidget(stbPanel[panel]);
    }
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (FinderEvent(watched, event) || PaletteEvent(watched, event))
        return true;
    if (watched == stbPanel[1] && event->type() == QEvent::ToolTip) {
        // A message too long for the panel shows whole in its tooltip.
        QLabel *panel = stbPanel[1];
        const bool cut =
            panel->fontMetrics().horizontalAdvance(panel->text()) > panel->contentsRect().width();
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                           cut ? panel->text() : QString(), panel);
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int panel = 1; panel <= 3; ++panel) {
            if (watched == stbPanel[panel])
                stbMain_PanelDblClick(panel);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::mnuColour_Click(int index)
{
    switch (index) {
    case 10:
        StatusMessage(CopyTrueColour(*picMain, Settings.copyOptions));
        break;
    case 20:
        StatusMessage(CopySafeColour(*picMain, Settings.copyOptions));
        break;
    case 40:
        ShowEnterColour();
        break;
    case 50:
        PickSystemColour();
        break;
    case 70:
        History.Apply(Undo, *picMain);
        break;
    case 80:
        History.Apply(Redo, *picMain);
        break;
    case 100:
        close();
        break;
    case 130:
        ExportSwatches();
        break;
    case 140:
        ImportSwatches();
        break;
    }
}

void frmMain::mnuCopyCss_Click(int index)
{
    if (!mnuCopyCss.contains(index))
        return;
    Settings.cssForm = CopySource(CssHexCopy + index / 10 - 1);
    ShowCssForm();
    StatusMessage(CopyCss(*picMain, Settings.copyOptions, Settings.cssForm));
}

// The repeat key F8 sits beside the form last chosen, and copies in it with the menu closed;
// short hex is offered for the colour shown at load as for every later one.
void frmMain::ShowCssForm()
{
    mnuCopyCss[20]->setEnabled(CssShortHexText(ReadSwatchColour(*picMain, TrueSwatch)).has_value());
    const int chosen = (Settings.cssForm - CssHexCopy + 1) * 10;
    for (auto [index, item] : mnuCopyCss.asKeyValueRange())
        item->setShortcut(index == chosen ? QKeySequence(Qt::Key_F8) : QKeySequence());
}

void frmMain::mnuView_Click(int index)
{
    if (IsPaletteKind(index))
        ChoosePalette(PaletteKind(index));
    else if (index == 70 || index == 80 || index == 90)
        ToggleViewPart(index);
}

void frmMain::mnuPreview_Click(int index)
{
    if (index == 130) {
        ShowOnce(m_contrast, [this] { return new frmContrast(*picMain, this); });
        return;
    }
    const ColourValue colour = ReadSwatchColour(*picMain, TrueSwatch);
    const std::pair<int, const SettingsValue *> roles[] = {{30, &Schema::ActiveLinkColour},
                                                           {40, &Schema::BackgroundColour},
                                                           {50, nullptr},
                                                           {60, &Schema::FontColour},
                                                           {70, &Schema::HeadingColour},
                                                           {80, &Schema::HoverColour},
                                                           {90, &Schema::LinkColour}};
    for (const auto &[slot, value] : roles) {
        if (slot != index)
            continue;
        // "Link is now FF6600", unless the colour could not be stored
        if (!value || SaveValue(*value, colour))
            StatusMessage(LoadResString(FirstPreviewPartText + (slot - 30) / 10) +
                          QLatin1Char(' ') + LoadResString(IsNowText) + QLatin1Char(' ') +
                          picMain->lblHexName[0]->text());
        if (value && m_contrast)
            m_contrast->Form_Load();
    }
    if (index == 110) {
        if (const std::optional<QString> font =
                CurrentPrompts().ChooseFont(this, GetSetting(Schema::FontName)))
            SaveValue(Schema::FontName, *font);
    }
    ShowPreview();
    if (index == 50)
        m_preview->DrawBorder(colour);
}

// The preview is made afresh each time, so that it shows what was just stored.
void frmMain::ShowPreview()
{
    if (m_preview)
        m_preview->close();
    const QScreen *screen = QGuiApplication::primaryScreen();
    m_preview = new frmPreview(frameGeometry(), screen ? screen->geometry().width() : 0);
    m_preview->show();
    m_preview->activateWindow();
}

void frmMain::mnuOptions_Click(int index)
{
    switch (index) {
    case 20:
        ToggleInstantCopy();
        break;
    case 40:
        ToggleAlwaysOnTop();
        break;
    case 50:
        Settings.showSplash = !Settings.showSplash;
        mnuOptions[50]->setChecked(Settings.showSplash);
        break;
    case 70:
        ImportOldSettings();
        break;
    case 10:
        ShowCopyOptions();
        break;
    }
}

void frmMain::ShowEnterColour()
{
    ShowOnce(m_enterColour, [this] {
        return new frmColour(*picMain, History, Settings.copyOptions, Settings.alwaysOnTop, this);
    });
}

// The Copy Options window tells the main window when it is gone (below); a main window destroyed
// with it still open takes it along and must not be told, its menus being gone by then.
frmMain::~frmMain()
{
    SetSaveProblemHandler({});
    if (m_copyOptions)
        disconnect(m_copyOptions, nullptr, this, nullptr);
}

void frmMain::ShowCopyOptions()
{
    ShowOnce(m_copyOptions, [this] {
        auto *window = new frmCopy(Settings.copyOptions, Settings.showAlert, this);
        // Cancel puts back switches the window's own toggles may have changed meanwhile.
        connect(window, &QObject::destroyed, this, &frmMain::ShowInstantCopyState);
        return window;
    });
}

void frmMain::mnuHelp_Click(int index)
{
    if (index == 10)
        ShowManual();
    else if (index == 30)
        ShowAbout();
}

void frmMain::ShowAbout()
{
    ShowOnce(m_about, [this] { return new frmAbout(this); });
}

void frmMain::tlbMain_ButtonClick(int index)
{
    // Buttons 2 and 3 are the Colour menu's copy commands themselves.
    switch (index) {
    case 5:
        CyclePalettes();
        break;
    case 7:
        ToggleCopySwitch(Quotes, QuotesOnText);
        break;
    case 8:
        ToggleCopySwitch(Lowercase, LowercaseOnText);
        break;
    case 9:
        ToggleCopySwitch(PoundSign, PoundSignOnText);
        break;
    case 10:
        ToggleCopySwitch(IncludeTag, IncludeTagOnText);
        break;
    case 12:
        ToggleCopySwitch(UseRgb, UseRgbOnText);
        break;
    }
}

void frmMain::stbMain_PanelDblClick(int panel)
{
    if (panel == 2)
        CyclePalettes();
    else if (panel == 3)
        ToggleInstantCopy();
}

void frmMain::ChoosePalette(PaletteKind kind)
{
    Settings.currentPalette = kind;
    MenuRadioCheck(PalettePosition(kind), 5);
    StatusMessage(PaletteChosenText(kind));
    stbPanel[2]->setText(PaletteShortName(kind));
    DrawPalette(*picPalette, kind);
}

void frmMain::CyclePalettes()
{
    ChoosePalette(NextPalette(Settings.currentPalette));
}

void frmMain::ToggleViewPart(int index)
{
    QWidget *part = index == 70   ? static_cast<QWidget *>(tlbMain)
                    : index == 80 ? static_cast<QWidget *>(stbMain)
                                  : static_cast<QWidget *>(picPalette);
    const int flag = index == 70 ? ToolbarShown : index == 80 ? StatusBarShown : PaletteShown;
    // Each part's Show text is followed by its Hide text.
    const int showText = index == 70   ? ShowToolbarText
                         : index == 80 ? ShowStatusBarText
                                       : ShowPaletteText;
    part->setHidden(!part->isHidden());
    mnuView[index]->setText(LoadResString(part->isHidden() ? showText : showText + 1));
    Settings.viewFlags ^= flag;
    Form_Resize();
}

// The switch's On text is followed by its Off text.
void frmMain::ToggleCopySwitch(CopyFlag flag, StringId onText)
{
    CopyFlags &flags = Settings.copyOptions.copyFlags;
    flags ^= flag;
    StatusMessage(LoadResString(flags.testFlag(flag) ? onText : onText + 1));
}

void frmMain::ToggleInstantCopy()
{
    CopyFlags &flags = Settings.copyOptions.copyFlags;
    flags ^= InstantCopy;
    ShowInstantCopyState();
    StatusMessage(
        LoadResString(flags.testFlag(InstantCopy) ? InstantCopyOnText : InstantCopyOffText));
}

// The Options menu's check and status panel 3 ("INST") show the instant copy switch.
void frmMain::ShowInstantCopyState()
{
    const bool on = Settings.copyOptions.copyFlags.testFlag(InstantCopy);
    mnuOptions[20]->setChecked(on);
    stbPanel[3]->setText(on ? LoadResString(InstantCopyPanelText) : QString());
}

void frmMain::ToggleAlwaysOnTop()
{
    Settings.alwaysOnTop = !Settings.alwaysOnTop;
    ApplyAlwaysOnTop();
    // The switch is kept for the next start on a desktop that honours it; here the window would
    // seem to ignore it.
    if (Settings.alwaysOnTop && OnWayland())
        StatusMessage(LoadResString(OnTopUnavailableText));
}

void frmMain::ApplyAlwaysOnTop()
{
    mnuOptions[40]->setChecked(Settings.alwaysOnTop);
    // A shown window takes the new stacking at once from its platform window; the widget's own
    // way would destroy the platform window and make a new one.
    const Qt::WindowFlags flags =
        windowFlags().setFlag(Qt::WindowStaysOnTopHint, Settings.alwaysOnTop);
    if (QWindow *window = windowHandle()) {
        overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

void frmMain::ImportOldSettings()
{
    if (!ImportSettings(Settings, *picMain, *picPalette, this))
        return;
    ApplyAlwaysOnTop();
    mnuOptions[50]->setChecked(Settings.showSplash);
    ShowInstantCopyState();
    // The box shows the palette the menu names again, whatever the import drew into it.
    DrawPalette(*picPalette, Settings.currentPalette);
}

void frmMain::PickSystemColour()
{
    const std::optional<ColourValue> chosen =
        CurrentPrompts().ChooseColour(this, ReadSwatchColour(*picMain, TrueSwatch));
    if (!chosen)
        return;
    SetCurrentColour(*picMain, *chosen);
    CopyPickedColour(*picMain, Settings.copyOptions, SystemDialogCopy);
}

void frmMain::ShowManual()
{
    const QString problem = OpenManual();
    if (!problem.isEmpty())
        StatusMessage(problem);
}
