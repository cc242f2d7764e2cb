// The finder's screen on X11: the X server's own pixels, read with one image request on Qt's
// connection.

#include "finder/x11source.h"

#include "finder/screenmap.h"
#include "finder/screensource.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sys/uio.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

namespace {

// The input extension's device events, as the protocol defines them; xcb places the events'
// full sequence number after the 32-byte header, so the root position starts at byte 36.
constexpr quint16 XI_ButtonPress = 4;
constexpr quint16 XI_Motion = 6;
constexpr quint16 XI_TouchBegin = 18; // a finger moves the pointer of a drag too
constexpr quint16 XI_TouchEnd = 20;
constexpr int XIRootOffset = 36;
constexpr quint8 RRGetMonitors = 42;

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
// none where the server has no such thing. The request is written by hand: it is the one use of
// the extension here.
QList<QRect> RandrMonitors(xcb_connection_t *connection, xcb_window_t root)
{
    static xcb_extension_t randr = {"RANDR", 0};
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(connection, &randr);
    if (!extension || !extension->present)
        return {};
    struct
    {
        quint8 major = 0, minor = 0;
        quint16 length = 0;
        quint32 window;
        quint8 active = 1, pad[3] = {};
    } request{.window = root};
    iovec parts[4] = {{}, {}, {&request, sizeof request}, {nullptr, 0}};
    const xcb_protocol_request_t protocol{2, &randr, RRGetMonitors, 0};
    xcb_generic_error_t *error = nullptr;
    auto *reply = static_cast<quint8 *>(xcb_wait_for_reply(
        connection, xcb_send_request(connection, XCB_REQUEST_CHECKED, parts + 2, &protocol),
        &error));
    std::free(error);
    QList<QRect> monitors;
    if (!reply)
        return monitors;
    const auto read = [reply](size_t at, auto value) {
        std::memcpy(&value, reply + at, sizeof value);
        return value;
    };
    const size_t size = 32 + 4 * size_t(read(4, quint32()));
    size_t at = 32;
    for (quint32 n = read(12, quint32()); n > 0 && at + 24 <= size; --n) {
        monitors << QRect(read(at + 8, qint16()), read(at + 10, qint16()), read(at + 12, quint16()),
                          read(at + 14, quint16()));
        at += 24 + 4 * size_t(read(at + 6, quint16()));
    }
    std::free(reply);
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
        static const char name[] = "XInputExtension";
        xcb_query_extension_reply_t *input = xcb_query_extension_reply(
            connection, xcb_query_extension(connection, sizeof name - 1, name), nullptr);
        m_input = input && input->present ? input->major_opcode : 0;
        std::free(input);
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
            const quint16 type = generic->event_type;
            if (m_input && generic->extension == m_input &&
                ((type >= XI_ButtonPress && type <= XI_Motion) ||
                 (type >= XI_TouchBegin && type <= XI_TouchEnd))) {
                // A device event's root position, in 16.16 fixed point after the header.
                qint32 root[2];
                std::memcpy(root, static_cast<const char *>(message) + XIRootOffset, sizeof root);
                m_hotSpot = QPoint(root[0] >> 16, root[1] >> 16);
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
        xcb_generic_error_t *error = nullptr;
        xcb_get_image_reply_t *reply = xcb_get_image_reply(
            m_connection,
            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, qint16(shown.x()),
                          qint16(shown.y()), quint16(shown.width()), quint16(shown.height()), ~0u),
            &error);
        // An error (the screens changed under the request) or a short reply reads as black.
        std::free(error);
        if (!reply ||
            xcb_get_image_data_length(reply) < shown.width() * shown.height() * int(sizeof(QRgb))) {
            std::free(reply);
            return BlackBlock();
        }
        const QImage image(xcb_get_image_data(reply), shown.width(), shown.height(),
                           xcb_get_image_data_length(reply) / shown.height(), QImage::Format_RGB32,
                           std::free, reply);
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
        xcb_query_pointer_reply_t *reply =
            xcb_query_pointer_reply(m_connection, xcb_query_pointer(m_connection, m_root), nullptr);
        const QPoint pointer = reply ? QPoint(reply->root_x, reply->root_y) : QPoint();
        std::free(reply);
        return pointer;
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
