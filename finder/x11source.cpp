// The finder's screen on X11: the X server's own pixels, read with one image request on Qt's
// connection.

#include "finder/x11source.h"

#include "finder/screenmap.h"
#include "finder/screensource.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <optional>
#include <xcb/randr.h>
#include <xcb/xcb.h>
#include <xcb/xinput.h>

namespace {

// A reply of the X server, which xcb allocates with malloc.
struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

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

// The active monitors of the RandR extension (version 1.5), each in the root window's pixels;
// none where the server has no such thing.
QList<QRect> RandrMonitors(xcb_connection_t *connection, xcb_window_t root)
{
    // A request of an extension the server lacks would close the connection.
    const xcb_query_extension_reply_t *randr = xcb_get_extension_data(connection, &xcb_randr_id);
    if (!randr || !randr->present)
        return {};
    // An error (a server older than 1.5) gives no reply, and xcb drops the error.
    const Reply<xcb_randr_get_monitors_reply_t> reply{xcb_randr_get_monitors_reply(
        connection, xcb_randr_get_monitors(connection, root, 1), nullptr)};
    if (!reply)
        return {};
    QList<QRect> monitors;
    for (auto m = xcb_randr_get_monitors_monitors_iterator(reply.get()); m.rem;
         xcb_randr_monitor_info_next(&m))
        monitors << QRect(m.data->x, m.data->y, m.data->width, m.data->height);
    return monitors;
}

// The hot spot comes from the X server's own pointer events as the program receives them: exact in
// device pixels (Qt rounds its events to logical pixels) and without a round trip to the server.
class X11Source final : public QObject, public ScreenSource, public QAbstractNativeEventFilter
{
public:
    X11Source(QObject *parent, xcb_connection_t *connection, xcb_window_t root)
        : QObject(parent), m_connection(connection), m_root(root)
    {
        const xcb_query_extension_reply_t *input =
            xcb_get_extension_data(connection, &xcb_input_id);
        m_input = input && input->present ? input->major_opcode : 0;
        qApp->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        switch (event->response_type & 0x7F) {
        case XCB_BUTTON_PRESS:
        case XCB_BUTTON_RELEASE:
        case XCB_MOTION_NOTIFY: {
            // The three share their layout.
            const auto *motion = static_cast<const xcb_motion_notify_event_t *>(message);
            m_hotSpot = QPoint(motion->root_x, motion->root_y);
            break;
        }
        case XCB_GE_GENERIC: {
            const auto *generic = static_cast<const xcb_ge_generic_event_t *>(message);
            if (!m_input || generic->extension != m_input)
                break;
            // The root position of the input extension's device events is in 16.16 fixed
            // point; a finger moves the pointer of a drag too.
            const auto follow = [this](const auto *device) {
                m_hotSpot = QPoint(device->root_x >> 16, device->root_y >> 16);
            };
            switch (generic->event_type) {
            case XCB_INPUT_BUTTON_PRESS:
            case XCB_INPUT_BUTTON_RELEASE:
            case XCB_INPUT_MOTION:
                follow(static_cast<const xcb_input_button_press_event_t *>(message));
                break;
            case XCB_INPUT_TOUCH_BEGIN:
            case XCB_INPUT_TOUCH_UPDATE:
            case XCB_INPUT_TOUCH_END:
                follow(static_cast<const xcb_input_touch_begin_event_t *>(message));
                break;
            }
            break;
        }
        }
        return false;
    }

    QPoint CursorPos() override
    {
        // Before the first pointer event reaches the program, the server is asked once.
        if (!m_hotSpot)
            m_hotSpot = PointerAsTheServerHasIt();
        return *m_hotSpot;
    }

    // The server keeps the pointer on its screens, so where the pointer went is asked back.
    void SetCursorPos(QPoint point) override
    {
        xcb_warp_pointer(m_connection, XCB_NONE, m_root, 0, 0, 0, 0, qint16(point.x()),
                         qint16(point.y()));
        m_hotSpot = PointerAsTheServerHasIt();
    }

    QImage ReadBlock(QPoint topLeft) override
    {
        const QRect wanted(topLeft, QSize(BlockSize, BlockSize));
        const QList<QRect> &monitors = Monitors();
        // The root window spans every screen; asking beyond it is an error, so only the part on
        // some screen is asked for, and what lies between screens is made black.
        QRect shown;
        bool whole = false;
        for (const QRect &monitor : monitors) {
            shown |= wanted & monitor;
            whole = whole || monitor.contains(wanted);
        }
        if (shown.isEmpty())
            return BlackBlock();
        Reply<xcb_get_image_reply_t> reply{xcb_get_image_reply(
            m_connection,
            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, qint16(shown.x()),
                          qint16(shown.y()), quint16(shown.width()), quint16(shown.height()), ~0u),
            nullptr)};
        // An error (the screens changed under the request) or a short reply reads as black.
        if (!reply || xcb_get_image_data_length(reply.get()) <
                          shown.width() * shown.height() * int(sizeof(QRgb)))
            return BlackBlock();
        // The image keeps the reply's pixels and frees the reply when it goes.
        uchar *pixels = xcb_get_image_data(reply.get());
        const int bytesPerLine = xcb_get_image_data_length(reply.get()) / shown.height();
        const QImage image(pixels, shown.width(), shown.height(), bytesPerLine,
                           QImage::Format_RGB32, std::free, reply.release());
        if (whole)
            return image;
        QImage block = BlackBlock();
        for (const QRect &monitor : monitors) {
            const QRect part = shown & monitor;
            for (int y = part.top(); y <= part.bottom(); ++y)
                for (int x = part.left(); x <= part.right(); ++x)
                    block.setPixel(QPoint(x, y) - topLeft,
                                   image.pixel(QPoint(x, y) - shown.topLeft()));
        }
        return block;
    }

private:
    QPoint PointerAsTheServerHasIt()
    {
        const Reply<xcb_query_pointer_reply_t> reply{xcb_query_pointer_reply(
            m_connection, xcb_query_pointer(m_connection, m_root), nullptr)};
        return reply ? QPoint(reply->root_x, reply->root_y) : QPoint();
    }

    static QImage BlackBlock()
    {
        QImage block(BlockSize, BlockSize, QImage::Format_RGB32);
        block.fill(Qt::black);
        return block;
    }

    // The screens in the server's own pixels, which Qt's logical geometries cannot always give
    // exactly: asked again whenever Qt's screens change.
    const QList<QRect> &Monitors()
    {
        const QList<ScreenPlace> screens = ScreenPlaces();
        if (screens != m_screens || m_monitors.isEmpty()) {
            m_screens = screens;
            m_monitors = RandrMonitors(m_connection, m_root);
            if (m_monitors.isEmpty())
                for (const ScreenPlace &screen : screens)
                    m_monitors << DeviceRect(screen);
        }
        return m_monitors;
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
    quint8 m_input;
    std::optional<QPoint> m_hotSpot;
    QList<ScreenPlace> m_screens;
    QList<QRect> m_monitors;
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

ScreenSource *X11ScreenSource(QObject *parent)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return nullptr;
    xcb_connection_t *connection = x11->connection();
    const xcb_screen_t *screen = DefaultScreen(connection);
    if (!screen || !IsRgb32(xcb_get_setup(connection), screen))
        return nullptr;
    return new X11Source(parent, connection, screen->root);
}
