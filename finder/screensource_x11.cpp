// The finder's screen on Linux: the X server's own pixels on X11, read with one image request on
// Qt's connection; nothing at all on Wayland, where the desktop picks colours for programs.

#include "finder/desktopsource.h"
#include "finder/screenmap.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

// A root window in the one pixel layout that QImage reads as it is: 32 bits per pixel, least
// significant byte first, 8 bits per component in red, green, blue order from the top.
bool IsRgb32(const xcb_setup_t *setup, const xcb_screen_t *screen)
{
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    bool fourBytes = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == screen->root_depth)
            fourBytes = f.data->bits_per_pixel == 32;
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d))
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
            if (v.data->visual_id == screen->root_visual)
                return fourBytes && v.data->red_mask == 0xFF0000 && v.data->green_mask == 0xFF00 &&
                       v.data->blue_mask == 0xFF;
    return false;
}

class X11Source final : public DesktopSource
{
public:
    X11Source(QObject *parent, xcb_connection_t *connection, xcb_window_t root)
        : DesktopSource(parent), m_connection(connection), m_root(root)
    {}

    // Warps in the server's own pixels, which the logical position Qt would take cannot always
    // name on a scaled screen.
    void SetCursorPos(QPoint point) override
    {
        xcb_warp_pointer(m_connection, XCB_NONE, m_root, 0, 0, 0, 0, qint16(point.x()),
                         qint16(point.y()));
        xcb_flush(m_connection);
        m_cursor = LogicalPoint(point, ScreenPlaces());
    }

    QImage ReadBlock(QPoint topLeft) override
    {
        const QRect wanted(topLeft, QSize(BlockSize, BlockSize));
        const QList<ScreenPlace> screens = ScreenPlaces();
        // The root window spans every screen; asking beyond it is an error, so only the part on
        // some screen is asked for.
        QRect shown;
        bool whole = false;
        for (const ScreenPlace &screen : screens) {
            shown |= wanted & DeviceRect(screen);
            whole = whole || DeviceRect(screen).contains(wanted);
        }
        QImage block;
        if (!shown.isEmpty()) {
            xcb_get_image_reply_t *reply = xcb_get_image_reply(
                m_connection,
                xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, qint16(shown.x()),
                              qint16(shown.y()), quint16(shown.width()), quint16(shown.height()),
                              ~0u),
                nullptr);
            if (reply) {
                const QImage image(xcb_get_image_data(reply), shown.width(), shown.height(),
                                   xcb_get_image_data_length(reply) / shown.height(),
                                   QImage::Format_RGB32, std::free, reply);
                if (whole)
                    return image;
                block = BlackBlock();
                for (int y = shown.top(); y <= shown.bottom(); ++y)
                    for (int x = shown.left(); x <= shown.right(); ++x)
                        if (OnSomeScreen(screens, QPoint(x, y)))
                            block.setPixel(QPoint(x, y) - topLeft,
                                           image.pixel(QPoint(x, y) - shown.topLeft()));
            }
        }
        return block.isNull() ? BlackBlock() : block;
    }

private:
    static QImage BlackBlock()
    {
        QImage block(BlockSize, BlockSize, QImage::Format_RGB32);
        block.fill(Qt::black);
        return block;
    }

    static bool OnSomeScreen(const QList<ScreenPlace> &screens, QPoint pixel)
    {
        return std::any_of(screens.begin(), screens.end(), [pixel](const ScreenPlace &screen) {
            return DeviceRect(screen).contains(pixel);
        });
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
};

// The X screen Qt opened: the one the display name gives.
xcb_screen_t *DefaultScreen(xcb_connection_t *connection)
{
    int number = 0;
    char *host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &number))
        std::free(host);
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screens.rem && number > 0; --number)
        xcb_screen_next(&screens);
    return screens.rem ? screens.data : nullptr;
}

} // namespace

ScreenSource *DesktopScreenSource()
{
    const QString platform = QGuiApplication::platformName();
    // Under a Wayland session an X client sees only the other X clients' windows, so the
    // desktop's picker is the only way to every pixel there too.
    if (platform.startsWith(QLatin1String("wayland")) ||
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return nullptr;
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t *connection = x11->connection();
        const xcb_screen_t *screen = DefaultScreen(connection);
        if (screen && IsRgb32(xcb_get_setup(connection), screen))
            return new X11Source(qApp, connection, screen->root);
    }
    return new DesktopSource(qApp);
}
