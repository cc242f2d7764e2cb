#include "finder/frozenscreen.h"
#include "finder/screenmap.h"

#include <QTest>

using Screens = QList<ScreenPlace>;
Q_DECLARE_METATYPE(Screens)

class tst_ScreenMap : public QObject
{
    Q_OBJECT

private slots:
    // A pointer event carries the logical image of a device pixel; mapping it back gives that
    // pixel exactly, on every screen, at its edges too, on the desktops users have: a screen left
    // of and one above the primary, scaled screens side by side, each scale factor tried.
    void pointerRoundTrip_data()
    {
        QTest::addColumn<Screens>("screens");
        // Origins are where the device pixels start; sizes are the device sizes over the ratio.
        QTest::newRow("left at 1, primary at 2")
            << Screens{{QRect(0, 0, 1280, 720), 2}, {QRect(-1920, 0, 1920, 1080), 1}};
        QTest::newRow("above at 1.5, primary at 1.25")
            << Screens{{QRect(0, 0, 2048, 1152), 1.25}, {QRect(-200, -1080, 1280, 720), 1.5}};
        QTest::newRow("three in a row at 1.25, 1, 2")
            << Screens{{QRect(-2560, 0, 2048, 1152), 1.25},
                       {QRect(0, 0, 1920, 1080), 1},
                       {QRect(1920, 0, 1920, 1080), 2}};
    }
    void pointerRoundTrip()
    {
        QFETCH(Screens, screens);
        for (const ScreenPlace &screen : screens) {
            const QRect device = DeviceRect(screen);
            for (int dy : {0, 1, 2, 3, 7, device.height() / 2, device.height() - 1})
                for (int dx : {0, 1, 2, 3, 5, device.width() / 2 + 1, device.width() - 1}) {
                    const QPoint pixel = device.topLeft() + QPoint(dx, dy);
                    const QPointF logical =
                        QPointF(screen.geometry.topLeft()) +
                        QPointF(pixel - screen.geometry.topLeft()) / screen.ratio;
                    QCOMPARE(LogicalPoint(pixel, screens), logical);
                    QCOMPARE(DevicePoint(logical, screens), pixel);
                }
        }
    }

    void devicePoint_data()
    {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QPointF>("logical");
        QTest::addColumn<QPoint>("device");
        const Screens sideBySide{{QRect(0, 0, 1280, 720), 2}, {QRect(-1920, 0, 1920, 1080), 1}};
        const Screens above{{QRect(0, 0, 2048, 1152), 1.25}, {QRect(-200, -1080, 1280, 720), 1.5}};
        QTest::newRow("primary at 1.25, between device pixels")
            << above << QPointF(0.9, 0.9) << QPoint(1, 1);
        // Where no screen is, the nearest one's scale goes on: a view hanging off a screen's
        // right edge ends where its pixels would.
        QTest::newRow("beyond the right edge at 2")
            << sideBySide << QPointF(1300, 100) << QPoint(2600, 200);
        QTest::newRow("in the gap below the screen above, nearer to it")
            << above << QPointF(500, -300) << QPoint(850, 90);
    }
    void devicePoint()
    {
        QFETCH(Screens, screens);
        QFETCH(QPointF, logical);
        QFETCH(QPoint, device);
        QCOMPARE(DevicePoint(logical, screens), device);
    }

    // A screenshot covers every screen at the largest ratio: device pixels of a screen at that
    // ratio read it one to one, those of a smaller ratio read the middle of their enlarged image,
    // and pixels of no screen are black. Each picture pixel holds its own coordinates.
    void frozenScreen_data()
    {
        QTest::addColumn<QPoint>("device");
        QTest::addColumn<QPoint>("pictured"); // (-1, -1): black
        QTest::newRow("primary at 2, top left") << QPoint(0, 0) << QPoint(1200, 0);
        QTest::newRow("primary at 2, bottom right") << QPoint(799, 599) << QPoint(1999, 599);
        QTest::newRow("left at 1, top left") << QPoint(-600, 0) << QPoint(1, 1);
        QTest::newRow("left at 1, bottom right") << QPoint(-1, 449) << QPoint(1199, 899);
        QTest::newRow("below the primary") << QPoint(5, 600) << QPoint(-1, -1);
    }
    void frozenScreen()
    {
        QFETCH(QPoint, device);
        QFETCH(QPoint, pictured);
        QImage picture(2000, 900, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x % 256, y % 256, x / 256 * 16 + y / 256));
        const ScreenPlace primary{QRect(0, 0, 400, 300), 2};
        FrozenScreen frozen(picture, {primary, {QRect(-600, 0, 600, 450), 1}});
        // The block reaches past the pixel, off the screen's edge where it is at one.
        const QImage block = frozen.ReadBlock(device - QPoint(3, 3));
        QCOMPARE(block.pixel(3, 3), pictured.x() < 0 ? qRgb(0, 0, 0) : picture.pixel(pictured));
        QCOMPARE(frozen.ScreenPicture(primary).pixel(0, 0), picture.pixel(1200, 0));
        QCOMPARE(frozen.ScreenPicture(primary).size(), QSize(800, 600));
    }

    void deviceRect()
    {
        QCOMPARE(DeviceRect({QRect(0, 0, 1536, 864), 1.25}), QRect(0, 0, 1920, 1080));
        QCOMPARE(DeviceRect({QRect(-200, -1080, 1280, 720), 1.5}), QRect(-200, -1080, 1920, 1080));
    }
};

QTEST_GUILESS_MAIN(tst_ScreenMap)
#include "tst_screenmap.moc"
