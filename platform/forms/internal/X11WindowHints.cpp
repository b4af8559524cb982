#include "forms/internal/X11WindowHints.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <thread>

namespace platform {

namespace {

// The Motif hint record as window managers read it: five 32-bit words.
constexpr std::uint32_t kMwmHintsFunctions = 1u << 0;
constexpr std::uint32_t kMwmHintsDecorations = 1u << 1;
constexpr std::uint32_t kMwmFuncResize = 1u << 1;
constexpr std::uint32_t kMwmFuncMove = 1u << 2;
constexpr std::uint32_t kMwmFuncClose = 1u << 5;
constexpr std::uint32_t kMwmDecorBorder = 1u << 1;
constexpr std::uint32_t kMwmDecorResizeHandles = 1u << 2;
constexpr std::uint32_t kMwmDecorTitle = 1u << 3;
constexpr int kMwmHintWords = 5;

// How long the window manager gets to answer a frame request. It answers at once when it
// supports the request at all (which _NET_SUPPORTED says beforehand); this only bounds a
// window manager that says it does and then does not.
constexpr auto kFrameAnswerTimeout = std::chrono::milliseconds(500);
constexpr auto kFramePollInterval = std::chrono::milliseconds(2);

struct TFree {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using TReply = std::unique_ptr<T, TFree>;

xcb_connection_t* Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, std::string_view name)
{
    TReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t Root(xcb_connection_t* c) { return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root; }

std::array<std::uint32_t, kMwmHintWords> ToolWindowMotifHints(bool sizeable)
{
    std::uint32_t functions = kMwmFuncMove | kMwmFuncClose;
    std::uint32_t decorations = kMwmDecorBorder | kMwmDecorTitle;
    if (sizeable) {
        functions |= kMwmFuncResize;
        decorations |= kMwmDecorResizeHandles;
    }
    return {kMwmHintsFunctions | kMwmHintsDecorations, functions, decorations, 0, 0};
}

void SetMotifHints(xcb_connection_t* c, xcb_window_t window, const std::array<std::uint32_t, kMwmHintWords>& hints)
{
    const xcb_atom_t atom = Atom(c, "_MOTIF_WM_HINTS");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom, atom, 32, kMwmHintWords, hints.data());
}

// Whether the window manager that runs lists the atom in _NET_SUPPORTED.
bool WindowManagerSupports(xcb_connection_t* c, xcb_atom_t what)
{
    const xcb_atom_t supported = Atom(c, "_NET_SUPPORTED");
    TReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, Root(c), supported, XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int n = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < n; ++i)
        if (atoms[i] == what)
            return true;
    return false;
}

// _NET_FRAME_EXTENTS of a window: left, right, top, bottom; nothing while it is not set.
std::optional<std::array<std::uint32_t, 4>> FrameExtents(xcb_connection_t* c, xcb_window_t window, xcb_atom_t atom)
{
    TReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4 * 4)
        return std::nullopt;
    std::array<std::uint32_t, 4> extents{};
    std::memcpy(extents.data(), xcb_get_property_value(reply.get()), sizeof(extents));
    return extents;
}

}  // namespace

void TX11WindowHints::SetToolWindowHints(QWidget* window, bool sizeable)
{
    xcb_connection_t* c = Connection();
    if (!c || !window->windowHandle())
        return;
    SetMotifHints(c, xcb_window_t(window->winId()), ToolWindowMotifHints(sizeable));
    xcb_flush(c);
}

std::optional<TX11WindowHints::TFrameSize> TX11WindowHints::EstimateFrame(bool toolWindow, bool sizeable)
{
    xcb_connection_t* c = Connection();
    if (!c)
        return std::nullopt;
    const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || !WindowManagerSupports(c, request))
        return std::nullopt;
    const xcb_atom_t extentsAtom = Atom(c, "_NET_FRAME_EXTENTS");

    // A stand-in of the same kind as the real window, so the window manager decorates it alike.
    const xcb_window_t root = Root(c);
    const xcb_window_t probe = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, probe, root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    const xcb_atom_t type = Atom(c, toolWindow ? "_NET_WM_WINDOW_TYPE_UTILITY" : "_NET_WM_WINDOW_TYPE_NORMAL");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, probe, Atom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &type);
    if (toolWindow)
        SetMotifHints(c, probe, ToolWindowMotifHints(sizeable));

    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = probe;
    event.type = request;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);

    std::optional<TFrameSize> frame;
    const auto deadline = std::chrono::steady_clock::now() + kFrameAnswerTimeout;
    while (!frame && std::chrono::steady_clock::now() < deadline) {
        if (auto e = FrameExtents(c, probe, extentsAtom))
            frame = TFrameSize{int((*e)[0] + (*e)[1]), int((*e)[2] + (*e)[3])};
        else
            std::this_thread::sleep_for(kFramePollInterval);
    }
    xcb_destroy_window(c, probe);
    xcb_flush(c);
    return frame;
}

}  // namespace platform
