#include "app/frmmain.h"
#include "core/currentcolour.h"
#include "core/picturebox.h"
#include "core/prompts.h"
#include "core/twips.h"
#include "dialogs/frmpreview.h"
#include "settings/schema.h"
#include "tests/freshsettings.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

class ScriptedPrompts final : public Prompts
{
public:
    std::optional<QString> font;
    std::optional<ColourValue> ChooseColour(QWidget *, ColourValue) override { return {}; }
    bool Confirm(QWidget *, const QString &, const QString &) override { return false; }
    void Warn(QWidget *, const QString &, const QString &) override {}
    void RunModal(QDialog &) override {}
    void Beep() override {}
    std::optional<QString> ChooseFont(QWidget *, const QString &) override { return font; }
};

// The preview, opened from the main window's Preview menu.
class tst_frmPreview : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;

    // The preview open now, if any.
    static frmPreview *Preview(const frmMain *)
    {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *preview = qobject_cast<frmPreview *>(window); preview && preview->isVisible())
                return preview;
        return nullptr;
    }
    static QColor TextColour(const QWidget *text) { return text->palette().color(QPalette::Text); }

private slots:
    // A preview outlives a window that is destroyed without closing.
    void cleanup()
    {
        while (frmPreview *open = Preview({}))
            open->close();
    }

    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        m_prompts = {};
        SetPrompts(&m_prompts);
        SaveValue(Schema::TrueColour, RgbColour(255, 102, 0));
    }

    void freshDisplay()
    {
        frmMain w;
        w.show();
        w.mnuPreview[10]->trigger();
        const frmPreview *p = Preview(&w);
        QVERIFY(p && p->isVisible());
        QCOMPARE(p->txtHeading->text(), "Tarvo Pigmenta");
        QCOMPARE(TextColour(p->txtHeading), QColor(Qt::black));
        QCOMPARE(TextColour(p->txtLink), QColor(0, 0, 255));
        QCOMPARE(p->picMain->PixelColour(QPoint(0, 0)), 0xFFFFFF); // no border
        QVERIFY(p->txtFont->toPlainText().startsWith("Tarvo Pigmenta Release 4"));
    }

    // Each colour command stores its colour, says so and shows it; Border only draws.
    void colourCommands_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("status");
        QTest::newRow("link") << 90 << "Link is now FF6600";
        QTest::newRow("background") << 40 << "Background is now FF6600";
        QTest::newRow("heading") << 70 << "Heading is now FF6600";
        QTest::newRow("border") << 50 << "Border is now FF6600";
    }
    void colourCommands()
    {
        QFETCH(int, index);
        QFETCH(QString, status);
        frmMain w;
        w.show();
        w.mnuPreview[index]->trigger();
        QCOMPARE(w.stbPanel[1]->text(), status);
        const frmPreview *p = Preview(&w);
        const QColor orange(255, 102, 0);
        if (index == 90)
            QCOMPARE(TextColour(p->txtLink), orange);
        if (index == 70)
            QCOMPARE(TextColour(p->txtHeading), orange);
        if (index == 40)
            for (const QWidget *part : {static_cast<const QWidget *>(p->fraMain),
                                        static_cast<const QWidget *>(p->txtHeading),
                                        static_cast<const QWidget *>(p->txtLink)})
                QCOMPARE(part->palette().color(QPalette::Base), orange);
        QCOMPARE(p->picMain->PixelColour(QPoint(0, 0)), index == 50   ? RgbColour(255, 102, 0)
                                                        : index == 40 ? RgbColour(255, 102, 0)
                                                                      : 0xFFFFFF);
        // The border lasts this opening only and is never stored.
        w.mnuPreview[10]->trigger();
        QCOMPARE(Preview(&w)->picMain->PixelColour(QPoint(0, 0)),
                 index == 40 ? RgbColour(255, 102, 0) : 0xFFFFFF);
    }

    // Beside the main window on the side with more room, top edges level, 10 twips apart.
    void placement()
    {
        const QRect leftHalf(100, 50, 224, 400), rightHalf(700, 50, 224, 400);
        frmPreview right(leftHalf, 1024);
        QCOMPARE(right.pos(), QPoint((PixelsToTwips(324) + 10) / 15, 50));
        frmPreview left(rightHalf, 1024);
        QCOMPARE(left.pos(),
                 QPoint((PixelsToTwips(700) - PixelsToTwips(left.width()) - 10) / 15, 50));
    }

    // Edited texts are stored when the window closes, by Esc or Enter; strange stored texts are
    // held to the boxes' lengths.
    void texts()
    {
        SaveValue(Schema::HeadingText, QString(10000, u'x'));
        SaveValue(Schema::FontName, "No Such Face At All");
        frmMain w;
        w.show();
        w.mnuPreview[10]->trigger();
        frmPreview *p = Preview(&w);
        QCOMPARE(p->txtHeading->text().size(), 50);
        p->txtHeading->setText("My page");
        p->txtFont->setPlainText(QString(300, u'y'));
        QCOMPARE(p->txtFont->toPlainText().size(), 102);
        QTest::keyClick(p->txtHeading, Qt::Key_Escape);
        QTRY_VERIFY(!Preview(&w));
        QCOMPARE(GetValue(Schema::HeadingText).toString(), "My page");
        QCOMPARE(GetValue(Schema::FontText).toString().size(), 102);
    }

    // Change Font stores the face chosen; a cancel keeps the one before.
    void changeFont()
    {
        frmMain w;
        w.show();
        w.mnuPreview[110]->trigger();
        QCOMPARE(GetValue(Schema::FontName).toString(), "Times New Roman");
        m_prompts.font = "DejaVu Serif";
        w.mnuPreview[110]->trigger();
        QCOMPARE(GetValue(Schema::FontName).toString(), "DejaVu Serif");
        QCOMPARE(Preview(&w)->txtHeading->font().family(), "DejaVu Serif");
    }

    // The link follows the pointer: hover, active while pressed, link elsewhere; a key on the
    // page closes it.
    void linkAndKeys()
    {
        frmMain w;
        w.show();
        w.mnuPreview[10]->trigger();
        frmPreview *p = Preview(&w);
        QTest::mouseMove(p->txtLink);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), p->txtLink->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(p->txtLink, &move);
        QCOMPARE(TextColour(p->txtLink), QColor(0, 153, 0));
        QTest::mousePress(p->txtLink, Qt::LeftButton);
        QCOMPARE(TextColour(p->txtLink), QColor(255, 0, 0));
        QTest::mouseRelease(p->txtLink, Qt::LeftButton);
        QCOMPARE(TextColour(p->txtLink), QColor(0, 0, 255));
        QTest::keyClick(p->picMain, Qt::Key_A);
        QTRY_VERIFY(!Preview(&w));
    }
};

QTEST_MAIN(tst_frmPreview)
#include "tst_frmpreview.moc"
