#include "finder/desktopsource.h"
#include "finder/screenmap.h"

#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <memory>

namespace {

// A colour for every device pixel of the desktop, different within any block.
QRgb Pattern(QPoint device)
{
    return qRgb(device.x() & 0xFF, device.y() & 0xFF, (device.x() * 7 + device.y() * 13) & 0xFF);
}

// A window without a frame that shows the pattern in device pixels, wherever it is placed.
class PatternWindow : public QWidget
{
public:
    PatternWindow()
    {
        setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const qreal ratio = devicePixelRatioF();
        const QPoint origin = DevicePoint(mapToGlobal(QPointF(0, 0)), ScreenPlaces());
        QImage image((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, Pattern(origin + QPoint(x, y)));
        image.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(0, 0, image);
    }
};

} // namespace

// The desktop's screen sources on a real X server, at the scale factors and with the screens the
// run is given: every pixel read is the device pixel asked for, and the pointer's hot spot is the
// device pixel it is on.
class tst_ScreenSources : public QObject
{
    Q_OBJECT

    ScreenSource *m_x11 = nullptr;
    std::unique_ptr<DesktopSource> m_qt;
    QRgb m_root = 0;
    QList<QRect> m_monitors;

    // What a block should hold: the pattern inside a window, the root's colour elsewhere on a
    // screen, black beyond every screen.
    QRgb Expected(QPoint device, const QList<QRect> &windows) const
    {
        for (const QRect &window : windows)
            if (window.contains(device))
                return Pattern(device);
        for (const QRect &monitor : m_monitors)
            if (monitor.contains(device))
                return m_root;
        return qRgb(0, 0, 0);
    }

    static QString Output(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished();
        return process.readAllStandardOutput();
    }

    // The screens as xrandr lists them, in the server's pixels.
    static QList<QRect> Monitors()
    {
        QList<QRect> monitors;
        const QRegularExpression geometry(R"((\d+)/\d+x(\d+)/\d+\+(-?\d+)\+(-?\d+))");
        for (const QRegularExpressionMatch &m :
             geometry.globalMatch(Output("xrandr", {"--listmonitors"})))
            monitors << QRect(m.captured(3).toInt(), m.captured(4).toInt(), m.captured(1).toInt(),
                              m.captured(2).toInt());
        return monitors;
    }

    static QPoint PointerAsXdotoolSees()
    {
        const QRegularExpressionMatch m = QRegularExpression(R"(x:(-?\d+) y:(-?\d+))")
                                              .match(Output("xdotool", {"getmouselocation"}));
        return QPoint(m.captured(1).toInt(), m.captured(2).toInt());
    }

    QString Differences(const QImage &block, QPoint topLeft, const QList<QRect> &windows) const
    {
        QStringList wrong;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x) {
                const QPoint device = topLeft + QPoint(x, y);
                const QRgb got = block.pixel(x, y) & 0xFFFFFF;
                const QRgb expected = Expected(device, windows) & 0xFFFFFF;
                if (got != expected)
                    wrong << QString::asprintf("(%d, %d) %06x not %06x", device.x(), device.y(),
                                               got, expected);
            }
        return wrong.join("; ");
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), "xcb");
        m_x11 = &DesktopScreenSource();
        QVERIFY(typeid(*m_x11) != typeid(DesktopSource)); // the X server's own
        m_qt = std::make_unique<DesktopSource>(nullptr);
        m_root = QColor(qEnvironmentVariable("ROOT_COLOUR")).rgb();
        m_monitors = Monitors();
        QCOMPARE(m_monitors.size(), QGuiApplication::screens().size());
    }

    void blocks()
    {
        // A window on every screen, a little in from its top-left corner.
        std::vector<std::unique_ptr<PatternWindow>> windows;
        QList<QRect> shown;
        for (QScreen *screen : QGuiApplication::screens()) {
            auto window = std::make_unique<PatternWindow>();
            // Whole device pixels at every ratio tried: 1, 1.25, 1.5, 2.
            window->setGeometry(
                QRect(screen->geometry().topLeft() + QPoint(40, 36), QSize(60, 48)));
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            const QList<ScreenPlace> screens = ScreenPlaces();
            shown << QRect(DevicePoint(window->mapToGlobal(QPointF(0, 0)), screens),
                           DevicePoint(window->mapToGlobal(QPointF(60, 48)), screens) -
                               QPoint(1, 1));
            windows.push_back(std::move(window));
        }
        // Painted when the middle of each window reads back right.
        for (const QRect &window : shown)
            QTRY_VERIFY(
                Differences(m_x11->ReadBlock(window.center()), window.center(), shown).isEmpty());

        for (const QRect &device : m_monitors) {
            const QRect window = *std::find_if(shown.begin(), shown.end(), [&](const QRect &w) {
                return device.contains(w.center());
            });
            for (QPoint topLeft :
                 {window.center(), window.topLeft() - QPoint(3, 3),
                  window.bottomRight() - QPoint(2, 4), device.topLeft() - QPoint(3, 4),
                  device.bottomRight() - QPoint(3, 3)}) {
                const QString x11 = Differences(m_x11->ReadBlock(topLeft), topLeft, shown);
                QVERIFY2(x11.isEmpty(), qPrintable("X11 source: " + x11));
                const QString qt = Differences(m_qt->ReadBlock(topLeft), topLeft, shown);
                QVERIFY2(qt.isEmpty(), qPrintable("Qt source: " + qt));
            }
        }
    }

    // The hot spot of real pointer movements, exact to the device pixel at any scale factor, and
    // the pointer goes to the device pixel the source moves it to.
    void pointer()
    {
        PatternWindow window;
        const QScreen *screen = QGuiApplication::screens().constLast();
        window.setGeometry(QRect(screen->geometry().topLeft() + QPoint(10, 10), QSize(100, 100)));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint origin = DevicePoint(window.mapToGlobal(QPointF(0, 0)), ScreenPlaces());
        for (QPoint offset : {QPoint(3, 5), QPoint(4, 4), QPoint(7, 11), QPoint(50, 51)}) {
            const QPoint device = origin + offset;
            QProcess::execute(
                "xdotool", {"mousemove", QString::number(device.x()), QString::number(device.y())});
            QTRY_COMPARE(m_x11->CursorPos(), device);
            // Qt's own pointer events are rounded to logical pixels.
            if (screen->devicePixelRatio() == 1)
                QTRY_COMPARE(m_qt->CursorPos(), device);
        }
        for (QPoint offset : {QPoint(9, 2), QPoint(13, 27)}) {
            m_x11->SetCursorPos(origin + offset);
            QTRY_COMPARE(PointerAsXdotoolSees(), origin + offset);
        }
        // Beyond the desktop's edges the server keeps the pointer on it, and the hot spot
        // follows the pointer, not the wish.
        QRect desktop;
        for (const QRect &monitor : m_monitors)
            desktop |= monitor;
        for (QPoint beyond :
             {desktop.topLeft() - QPoint(1, 0), desktop.topLeft() - QPoint(0, 3),
              desktop.bottomRight() + QPoint(0, 1), desktop.bottomRight() + QPoint(10, 10)}) {
            m_x11->SetCursorPos(beyond);
            QCOMPARE(m_x11->CursorPos(), PointerAsXdotoolSees());
            QVERIFY(desktop.contains(m_x11->CursorPos()));
        }
    }
};

QTEST_MAIN(tst_ScreenSources)
#include "tst_screensources.moc"
