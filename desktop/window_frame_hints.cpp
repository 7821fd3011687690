#include "desktop/window_frame_hints.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace lernwerk {

namespace {

// The Motif window manager hints, which every X11 window manager reads.
struct MotifHints {
    std::uint32_t flags = 0;
    std::uint32_t functions = 0;
    std::uint32_t decorations = 0;
    std::int32_t inputMode = 0;
    std::uint32_t status = 0;
};
constexpr std::uint32_t kHintsFunctions = 1U << 0;
constexpr std::uint32_t kHintsDecorations = 1U << 1;
constexpr std::uint32_t kFunctionMove = 1U << 2;
constexpr std::uint32_t kDecorationBorder = 1U << 1;
constexpr std::uint32_t kDecorationTitle = 1U << 3;
constexpr int kFormat = 32;
constexpr std::string_view kAtomName = "_MOTIF_WM_HINTS";

}  // namespace

void askForTitleBarOnly(QWidget* window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(kAtomName.size()), kAtomName.data());
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (reply == nullptr)
        return;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    const MotifHints hints{.flags = kHintsFunctions | kHintsDecorations,
                           .functions = kFunctionMove,
                           .decorations = kDecorationBorder | kDecorationTitle};
    constexpr std::uint32_t kFields = sizeof hints / sizeof(std::uint32_t);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()), atom, atom,
                        kFormat, kFields, &hints);
    xcb_flush(connection);
}

}  // namespace lernwerk
