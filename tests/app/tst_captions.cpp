// Every caption of every window is shown whole: each label, button, check box, option and frame
// title has the room its text needs, inside every control that holds it, and no two captions
// overlap. Run once at each scale factor (QT_SCALE_FACTOR). The colour display's captions are left
// out: a long colour name is meant to be cut on both sides.

#include "app/dialogprompts.h"
#include "app/frmmain.h"
#include "dialogs/frmalert.h"
#include "dialogs/frmcolour.h"
#include "dialogs/frmcopy.h"
#include "tests/freshsettings.h"

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
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        const int width = metrics.horizontalAdvance(button->text()) +
                          button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        return {(button->width() - width) / 2, 0, width, button->height()};
    }
    // Check boxes and options: the mark, the space beside it and the text, centred upright.
    const auto mark = [control, &metrics](QStyle::PixelMetric width, QStyle::PixelMetric height,
                                          QStyle::PixelMetric spacing, const QString &text) {
        const QStyle *style = control->style();
        const int tall = std::max(style->pixelMetric(height), metrics.height());
        return QRect(0, (control->height() - tall) / 2,
                     style->pixelMetric(width) + style->pixelMetric(spacing) +
                         metrics.horizontalAdvance(text),
                     tall);
    };
    if (const auto *box = qobject_cast<const QCheckBox *>(control))
        return mark(QStyle::PM_IndicatorWidth, QStyle::PM_IndicatorHeight,
                    QStyle::PM_CheckBoxLabelSpacing, box->text());
    if (const auto *option = qobject_cast<const QRadioButton *>(control))
        return mark(QStyle::PM_ExclusiveIndicatorWidth, QStyle::PM_ExclusiveIndicatorHeight,
                    QStyle::PM_RadioButtonLabelSpacing, option->text());
    if (const auto *frame = qobject_cast<const QGroupBox *>(control);
        frame && !frame->title().isEmpty())
        return {0, 0, frame->minimumSizeHint().width(), frame->height()};
    return {};
}

// What is cut or covered among the shown captions of window.
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

    // Every palette and every View setting, with instant copy on, the widest readouts and the
    // longest usual status texts.
    void mainWindow()
    {
        QStringList faults;
        SaveValue(Schema::Copy, 75);
        for (int palette = 10; palette <= 50; palette += 10)
            for (int view = 0; view < 8; ++view) {
                SaveValue(Schema::Palette, palette);
                SaveValue(Schema::View, view);
                frmMain window;
                window.show();
                const std::pair<QList<QLabel *>, const char *> readouts[] = {
                    {{window.lblXCoord, window.lblYCoord}, "-0000"},
                    {{window.lblRedVal, window.lblGreenVal, window.lblBlueVal}, "255"},
                    {{window.lblRedFloat, window.lblGreenFloat, window.lblBlueFloat}, "0.502"},
                    {{window.lblRedPercent, window.lblGreenPercent, window.lblBluePercent},
                     "100%"}};
                for (const auto &[labels, widest] : readouts)
                    for (QLabel *label : labels)
                        label->setText(QLatin1String(widest));
                for (const char *text :
                     {"Now not using quotes", "Now not including tag", "Hover is now FF6600"}) {
                    window.StatusMessage(QLatin1String(text));
                    faults << Clipped(&window);
                }
            }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Every notation of Enter Colour, every page of Copy Options with all its controls enabled,
    // the RGB notice and About.
    void dialogs()
    {
        frmMain window;
        window.show();
        QStringList faults;
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
        faults << Clipped(&alert);
        window.mnuHelp_Click(30);
        faults << Clipped(window.findChild<QDialog *>(QStringLiteral("frmAbout")));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

private:
    QTemporaryDir m_folder;
    DialogPrompts m_prompts;
};

QTEST_MAIN(tst_Captions)
#include "tst_captions.moc"
