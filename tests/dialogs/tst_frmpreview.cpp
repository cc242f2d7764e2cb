#include "app/frmmain.h"
#include "core/picturebox.h"
#include "dialogs/frmpreview.h"
#include "tests/freshsettings.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

// The preview, opened from the main window's Preview menu: its colours, place, keys and texts.
class tst_frmPreview : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<frmMain> m_main;
    QPointer<frmPreview> p;

    void Open(int index = 10)
    {
        m_main->mnuPreview[index]->trigger();
        QTRY_VERIFY((p = qobject_cast<frmPreview *>(QApplication::activeWindow())));
    }
    static QColor Ink(const QWidget *text) { return text->palette().color(QPalette::Text); }

private slots:
    void init()
    {
        UseFreshSettings(m_dir.filePath("registry.reg"));
        SaveValue(Schema::TrueColour, 0x0066FF); // orange, FF6600
        m_main = std::make_unique<frmMain>();
        m_main->show();
    }
    void cleanup()
    {
        delete p; // a window of its own, which outlives the main window
        m_main.reset();
    }

    // Each colour command stores its colour and says so; Border draws only in the window it opened.
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
        Open(index);
        QTEST(m_main->stbPanel[1]->text(), "status");
        QCOMPARE(p->picMain->PixelColour({0, 0}), index == 40 || index == 50 ? 0x0066FF : 0xFFFFFF);
        Open(); // what is stored, without a border
        const QColor orange(255, 102, 0);
        QCOMPARE(Ink(p->txtLink), index == 90 ? orange : Qt::blue);
        QCOMPARE(Ink(p->txtHeading), index == 70 ? orange : Qt::black);
        QCOMPARE(p->txtLink->palette().color(QPalette::Base), index == 40 ? orange : Qt::white);
        QCOMPARE(p->picMain->PixelColour({0, 0}), index == 40 ? 0x0066FF : 0xFFFFFF);
    }

    // Top edges level, 10 twips (15 to a pixel) beside a main window 224 pixels wide: right of it
    // in the left half of a 1024-pixel screen, else left of it by the preview's 282 pixels.
    void placement_data()
    {
        QTest::addColumn<QPoint>("main");
        QTest::addColumn<QPoint>("preview");
        QTest::newRow("left") << QPoint(100, 50) << QPoint(324, 50);    // 4860 + 10 twips
        QTest::newRow("last left") << QPoint(511, 0) << QPoint(735, 0); // 11025 + 10
        QTest::newRow("middle") << QPoint(512, 7) << QPoint(229, 7);    // 7680 - 4230 - 10
        QTest::newRow("right") << QPoint(900, 300) << QPoint(617, 300); // 13500 - 4240
    }
    void placement()
    {
        QFETCH(QPoint, main);
        QTEST(frmPreview(QRect(main, QSize(224, 400)), 1024).pos(), "preview");
    }

    // The body as stored, and keys in it: the arrows, Shift and Ctrl+A edit and leave the preview
    // open, the keypad's Enter closes it as Enter does. It is stored again with the line breaks it
    // had, and cut to its length.
    void body_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<bool>("closes");
        QTest::newRow("LF") << "One\nTwo" << QKeySequence("Shift+End, Left, Ctrl+A") << false;
        QTest::newRow("too long") << QString(300, u'y') << QKeySequence("Enter") << true;
    }
    void body()
    {
        QFETCH(QString, body);
        QFETCH(QKeySequence, keys);
        SaveValue(Schema::FontText, body);
        Open();
        QTest::mouseClick(p->txtFont->viewport(), Qt::LeftButton);
        QTest::keySequence(QApplication::focusWidget(), keys);
        QTEST(!(p && p->isVisible()), "closes");
        p->close();
        QCOMPARE(GetValue(Schema::FontText).toString(), body.left(102));
    }
};

QTEST_MAIN(tst_frmPreview)
#include "tst_frmpreview.moc"
