// Every caption of every window is shown whole: each label, button, check box, option and frame
// title has the room its text needs, inside every control that holds it, and no two captions
// overlap. Run once at each scale factor (QT_SCALE_FACTOR). The colour display's captions are left
// out: a long colour name is meant to be cut on both sides.

#include "app/dialogprompts.h"
#include "app/frmmain.h"
#include "dialogs/frmalert.h"
#include "dialogs/frmcolour.h"
#include "dialogs/frmcontrast.h"
#include "dialogs/frmcopy.h"
#include "settings/strings.h"
#include "tests/freshsettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The room a caption's text takes inside its control, in the control's own coordinates.
QRect TextRoom(const QWidget *control)
{
    const QFontMetrics metrics = control->fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->wordWrap() || label->text().isEmpty() ||
            label->objectName().startsWith(u"lblHexName"))
            return {};
        int width = 0;
        for (const QString &line : label->text().split(u'\n'))
            width = std::max(width, metrics.horizontalAdvance(line));
        width += 2 * (label->margin() + label->frameWidth());
        const Qt::Alignment align = label->alignment();
        const int left = align & Qt::AlignRight     ? label->width() - width
                         : align & Qt::AlignHCenter ? (label->width() - width) / 2
                                                    : 0;
        return {left, 0, width, label->height()};
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(control);
        frame && !frame->title().isEmpty())
        return {0, 0, frame->minimumSizeHint().width(), metrics.height()};
    // A button's text with its margins; a check box's or option's mark, the space beside it and
    // its text.
    const auto *button = qobject_cast<const QAbstractButton *>(control);
    if (!button || button->inherits("QToolButton"))
        return {};
    const QStyle *style = control->style();
    const bool box = qobject_cast<const QCheckBox *>(control);
    const int width = metrics.horizontalAdvance(button->text()) +
                      (qobject_cast<const QPushButton *>(control)
                           ? style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control)
                           : style->pixelMetric(box ? QStyle::PM_IndicatorWidth
                                                    : QStyle::PM_ExclusiveIndicatorWidth) +
                                 style->pixelMetric(box ? QStyle::PM_CheckBoxLabelSpacing
                                                        : QStyle::PM_RadioButtonLabelSpacing));
    const int left =
        qobject_cast<const QPushButton *>(control) ? (control->width() - width) / 2 : 0;
    return {left, (control->height() - metrics.height()) / 2, width, metrics.height()};
}

// What is cut, covered by a text box or touched among the shown captions of window.
QStringList Clipped(const QWidget *window)
{
    QStringList faults;
    QList<QPair<const QWidget *, QRect>> shown; // each caption with its room in window coordinates
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const QRect room = TextRoom(control);
        if (room.isEmpty() || !control->isVisibleTo(window))
            continue;
        const QString name = window->objectName() + u'.' + control->objectName();
        for (const QWidget *holder = control; holder != window; holder = holder->parentWidget())
            if (!holder->rect().contains(
                    QRect(control->mapTo(holder, room.topLeft()), room.size())))
                faults << QStringLiteral("%1 (%2 pixels wide) is cut by %3")
                              .arg(name)
                              .arg(room.width())
                              .arg(holder->objectName());
        // Captions side by side keep at least two pixels apart, so that columns do not touch.
        const QRect placed(control->mapTo(window, room.topLeft()), room.size());
        for (const auto &[other, otherRoom] : shown)
            if (otherRoom.adjusted(-1, 0, 1, 0).intersects(placed.adjusted(-1, 0, 1, 0)) &&
                !other->isAncestorOf(control) && !control->isAncestorOf(other))
                faults << name + QStringLiteral(" touches ") + other->objectName();
        for (const QWidget *box : window->findChildren<QWidget *>())
            if ((box->inherits("QLineEdit") || box->inherits("QAbstractSpinBox")) &&
                box->isVisibleTo(window) && !box->isAncestorOf(control) &&
                QRect(box->mapTo(window, QPoint()), box->size()).intersects(placed))
                faults << name + QStringLiteral(" is covered by ") + box->objectName();
        shown.append({control, placed});
    }
    return faults;
}

} // namespace

class tst_Captions : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        UseFreshSettings(m_folder.filePath(QStringLiteral("registry.reg")));
        SetPrompts(&m_prompts); // the notice beeps as it opens
    }

    // The main window with every palette and every View setting, instant copy on, the widest
    // readouts and a long status text; every notation of Enter Colour, every page of Copy Options
    // with all its controls enabled, the RGB notice, About and Contrast.
    void everyWindow()
    {
        QStringList faults;
        SaveValue(Schema::Copy, 75);
        for (int palette = 10; palette <= 50; palette += 10)
            for (int view = 0; view < 8; ++view) {
                SaveValue(Schema::Palette, palette);
                SaveValue(Schema::View, view);
                frmMain window;
                window.show();
                const std::pair<const char *, const char *> widest[] = {
                    {"Coord", "-0000"}, {"Val", "255"}, {"Float", "0.502"}, {"Percent", "100%"}};
                for (QLabel *readout : window.fraFinder->findChildren<QLabel *>())
                    for (const auto &[suffix, text] : widest)
                        if (readout->objectName().endsWith(QLatin1String(suffix)))
                            readout->setText(QLatin1String(text));
                window.StatusMessage(QStringLiteral("Now not including tag"));
                faults << Clipped(&window);
            }
        frmMain window;
        window.show();
        // The Wayland status texts, Copy CSS's and the swatch files'.
        for (const QString &text :
             {LoadResString(388), LoadResString(389), LoadResString(390), LoadResString(393),
              LoadResString(394), LoadResString(395), LoadResString(396), LoadResString(397),
              LoadResString(398), LoadResString(399) + " 64", LoadResString(400),
              LoadResString(401) + " 64"}) {
            window.StatusMessage(text);
            faults << Clipped(&window);
        }
        window.mnuColour_Click(40);
        auto *entry = window.findChild<frmColour *>();
        for (int notation : {HexNotation, DecimalNotation, NameNotation, RgbNotation}) {
            entry->SetNotation(notation);
            faults << Clipped(entry);
        }
        window.mnuOptions_Click(10);
        auto *copy = window.findChild<frmCopy *>();
        for (QWidget *control : copy->findChildren<QWidget *>())
            control->setEnabled(true);
        for (int page = 0; page < 3; ++page) {
            copy->tbsMain->setCurrentIndex(page);
            faults << Clipped(copy);
        }
        bool showAlert = true;
        frmAlert alert(showAlert, &window);
        alert.show();
        window.mnuHelp_Click(30);
        window.mnuPreview_Click(130);
        faults << Clipped(&alert) << Clipped(window.findChild<QDialog *>("frmAbout"))
               << Clipped(window.findChild<frmContrast *>());
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

private:
    QTemporaryDir m_folder;
    DialogPrompts m_prompts;
};

QTEST_MAIN(tst_Captions)
#include "tst_captions.moc"
