#include "XDesktop.h"

#include <QByteArray>
#include <QList>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace tolvaran::test {
namespace {

// xcb's replies are malloc'd.
struct FreeReply
{
    void operator()(void* reply) const { free(reply); } // NOLINT(cppcoreguidelines-no-malloc)
};

template<typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t atom(xcb_connection_t* connection, const QByteArray& name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, quint16(name.size()), name.constData()), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// WM_CLASS holds the instance and the class name, each ending in a zero.
QList<QByteArray> windowClass(xcb_connection_t* connection, xcb_window_t window)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64), nullptr));
    if (!reply)
        return {};
    const QByteArray value(
        static_cast<const char*>(xcb_get_property_value(reply.get())), xcb_get_property_value_length(reply.get()));
    return value.split('\0');
}

bool isViewable(xcb_connection_t* connection, xcb_window_t window)
{
    const Reply<xcb_get_window_attributes_reply_t> reply(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

QList<xcb_window_t> childrenOf(xcb_connection_t* connection, xcb_window_t window)
{
    const Reply<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    if (!reply)
        return {};
    const xcb_window_t* first = xcb_query_tree_children(reply.get());
    return QList<xcb_window_t>(first, first + xcb_query_tree_children_length(reply.get()));
}

} // namespace

XDesktop::XDesktop()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    m_root = screen->root;
    m_screen = QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
}

XDesktop::~XDesktop()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

QRect XDesktop::workArea() const
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(m_connection,
        xcb_get_property(m_connection, 0, m_root, atom(m_connection, "_NET_WORKAREA"), XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) < 16)
        return m_screen;
    const auto* values = static_cast<const quint32*>(xcb_get_property_value(reply.get()));
    return {int(values[0]), int(values[1]), int(values[2]), int(values[3])};
}

QImage XDesktop::picture() const
{
    const Reply<xcb_get_image_reply_t> reply(xcb_get_image_reply(m_connection,
        xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, 0, 0, quint16(m_screen.width()),
            quint16(m_screen.height()), ~0u),
        nullptr));
    const qsizetype bytes = qsizetype(m_screen.width()) * m_screen.height() * 4;
    if (!reply || reply->depth != 24 || xcb_get_image_data_length(reply.get()) < bytes)
        return {};
    // A 24-bit screen keeps each pixel in 32 bits, blue first.
    QImage image(m_screen.size(), QImage::Format_RGB32);
    const uint8_t* data = xcb_get_image_data(reply.get());
    for (int row = 0; row < image.height(); ++row)
        memcpy(image.scanLine(row), data + qsizetype(row) * m_screen.width() * 4, size_t(m_screen.width()) * 4);
    return image;
}

bool XDesktop::hasTrayHost() const
{
    const Reply<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
        m_connection, xcb_get_selection_owner(m_connection, atom(m_connection, "_NET_SYSTEM_TRAY_S0")), nullptr));
    return reply && reply->owner != XCB_NONE;
}

std::optional<QRect> XDesktop::trayItem(const QString& wantedClass) const
{
    // Depth first from the root, remembering whether the tray host's panel
    // is among the ancestors.
    struct Pending
    {
        xcb_window_t window;
        bool insideTray;
    };

    QList<Pending> pending{{xcb_window_t(m_root), false}};
    while (!pending.isEmpty()) {
        const Pending next = pending.takeLast();
        const QList<QByteArray> names = windowClass(m_connection, next.window);
        const bool isTray = names.size() >= 2 && names.at(1) == "trayer";
        if (next.insideTray && names.size() >= 2 && QString::fromUtf8(names.at(1)) == wantedClass
            && isViewable(m_connection, next.window)) {
            const Reply<xcb_get_geometry_reply_t> geometry(
                xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, next.window), nullptr));
            const Reply<xcb_translate_coordinates_reply_t> at(xcb_translate_coordinates_reply(
                m_connection, xcb_translate_coordinates(m_connection, next.window, m_root, 0, 0), nullptr));
            if (geometry && at)
                return QRect(at->dst_x, at->dst_y, geometry->width, geometry->height);
        }
        for (const xcb_window_t child : childrenOf(m_connection, next.window))
            pending.append({child, next.insideTray || isTray});
    }
    return std::nullopt;
}

std::optional<QRect> XDesktop::windowOf(const QString& wantedClass, const QSize& size) const
{
    QList<xcb_window_t> pending{xcb_window_t(m_root)};
    while (!pending.isEmpty()) {
        const xcb_window_t window = pending.takeLast();
        const QList<QByteArray> names = windowClass(m_connection, window);
        if (names.size() >= 2 && QString::fromUtf8(names.at(1)) == wantedClass && isViewable(m_connection, window)) {
            const Reply<xcb_get_geometry_reply_t> geometry(
                xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
            const Reply<xcb_translate_coordinates_reply_t> at(xcb_translate_coordinates_reply(
                m_connection, xcb_translate_coordinates(m_connection, window, m_root, 0, 0), nullptr));
            if (geometry && at && QSize(geometry->width, geometry->height) == size)
                return QRect(at->dst_x, at->dst_y, geometry->width, geometry->height);
        }
        pending.append(childrenOf(m_connection, window));
    }
    return std::nullopt;
}

void XDesktop::moveTo(const QPoint& point) const
{
    xcb_test_fake_input(
        m_connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, m_root, qint16(point.x()), qint16(point.y()), 0);
    xcb_flush(m_connection);
}

void XDesktop::press() const
{
    xcb_test_fake_input(m_connection, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(m_connection);
}

void XDesktop::release() const
{
    xcb_test_fake_input(m_connection, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(m_connection);
}

void XDesktop::click(const QPoint& point) const
{
    moveTo(point);
    press();
    release();
}

} // namespace tolvaran::test
