#pragma once

#include "core/programsettings.h"
#include "palettes/swatchhistory.h"
#include "settings/strings.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <array>

class ColourDisplay;
class FinderDrag;
class frmAbout;
class frmColour;
class frmContrast;
class frmCopy;
class frmPreview;
class PalettePointer;
class PictureBox;
class QGroupBox;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;

// The main window: the current colour, the finder with its readouts and a palette under a menu
// bar and a toolbar, above a status bar. A narrow tool window of fixed width whose height follows
// the parts shown. It holds the program's switches from its load to its unload.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window and runs its load.
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    void Form_Load();
    void Form_Resize();
    void Form_Unload();

    void StatusMessage(const QString &text);
    // Puts the radio mark on the palette item at position (0 to count - 1) and clears the rest.
    void MenuRadioCheck(int position, int count);

    void mnuColour_Click(int index);
    void mnuCopyCss_Click(int index);
    void mnuView_Click(int index);
    void mnuPreview_Click(int index);
    void mnuOptions_Click(int index);
    void mnuHelp_Click(int index);
    void tlbMain_ButtonClick(int index);
    void stbMain_PanelDblClick(int panel);
    void imgLocator_MouseDown(int Button, int Shift, int X, int Y);
    void imgLocator_MouseMove(int Button, int Shift, int X, int Y);
    void imgLocator_MouseUp(int Button, int Shift, int X, int Y);
    void picPalette_MouseDown(int Button, int Shift, int X, int Y);
    void picPalette_MouseMove(int Button, int Shift, int X, int Y);
    void picPalette_MouseUp(int Button, int Shift, int X, int Y);
    void picMain_MouseDown(int Button, int Shift, int X, int Y);
    void picMain_MouseMove(int Button, int Shift, int X, int Y);
    void picMain_MouseUp(int Button, int Shift, int X, int Y);
    void lblHexName_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void lblHexName_MouseMove(int Index, int Button, int Shift, int X, int Y);
    void lblHexName_MouseUp(int Index, int Button, int Shift, int X, int Y);

    // Controls, named as in the window's design.
    QToolBar *tlbMain;
    QGroupBox *fraMain;
    ColourDisplay *picMain; // with its captions lblHexName
    PictureBox *picFinder;
    QLabel *imgLocator;
    QGroupBox *fraFinder;
    QLabel *lblX, *lblY, *lblRed, *lblGreen, *lblBlue;
    QLabel *lblXCoord, *lblYCoord;
    QLabel *lblRedVal, *lblGreenVal, *lblBlueVal;
    QLabel *lblRedFloat, *lblGreenFloat, *lblBlueFloat;
    QLabel *lblRedPercent, *lblGreenPercent, *lblBluePercent;
    PictureBox *picPalette;
    QStatusBar *stbMain;
    std::array<QLabel *, 4> stbPanel; // panels 1 to 3; [0] is unused

    // Menu items and toolbar buttons by their indices.
    QMap<int, QAction *> mnuColour, mnuView, mnuPreview, mnuOptions, mnuHelp;
    QMap<int, QAction *> tlbButtons;
    QMap<int, QAction *> mnuCopyCss; // the Copy CSS submenu, mnuColour[110]

    ProgramSettings Settings;
    SwatchHistory History;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateControls();
    void CreateMenus();
    void CreateSwatchItems(QMenu *colour);
    void CreateToolbar();
    void CreateStatusBar();
    void CreateFinder();
    bool FinderEvent(QObject *watched, QEvent *event);
    void CreatePalettePointer();
    bool PaletteEvent(QObject *watched, QEvent *event);
    void PlaceWindow();
    // Wayland tells no window where it is, and keeps none above the others.
    static bool OnWayland();

    void ChoosePalette(PaletteKind kind);
    void CyclePalettes();
    void ToggleViewPart(int index);
    void ToggleCopySwitch(CopyFlag flag, StringId onText);
    void ToggleInstantCopy();
    void ShowInstantCopyState();
    void ShowCssForm();
    void ToggleAlwaysOnTop();
    void ApplyAlwaysOnTop();
    void ImportOldSettings();
    void ExportSwatches();
    void ImportSwatches();
    void PickSystemColour();
    void ShowManual();
    void ShowAbout();
    void ShowCopyOptions();
    void ShowEnterColour();
    void ShowPreview();

    FinderDrag *m_finder = nullptr;
    PalettePointer *m_palette = nullptr;
    QPointer<frmAbout> m_about;
    QPointer<frmCopy> m_copyOptions;
    QPointer<frmColour> m_enterColour;
    QPointer<frmContrast> m_contrast;
    QPointer<frmPreview> m_preview;
    bool m_unloaded = false;
};
