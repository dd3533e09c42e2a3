#include "sessiondisplay.h"

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace tessuvo {

namespace {

bool Set(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// The compositor's socket, where the Wayland client library looks for it: WAYLAND_DISPLAY as
// a path of its own, or a name in XDG_RUNTIME_DIR.
bool WaylandAnswers()
{
    if (!Set("WAYLAND_DISPLAY"))
        return false;
    std::string path = std::getenv("WAYLAND_DISPLAY");
    if (path.front() != '/') {
        if (!Set("XDG_RUNTIME_DIR"))
            return false;
        path = std::string(std::getenv("XDG_RUNTIME_DIR")) + "/" + path;
    }
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return answers;
}

} // namespace

// Connecting is the only sure test: a DISPLAY can name a server that has gone, or one that
// refuses this user.
SessionDisplay::SessionDisplay()
{
    if (Set("DISPLAY")) {
        m_x11 = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_x11) == 0) {
            m_platform = "xcb";
            return;
        }
    }
    if (WaylandAnswers())
        m_platform = "wayland";
}

SessionDisplay::~SessionDisplay()
{
    if (m_x11)
        xcb_disconnect(m_x11);
}

bool PlatformChosen(int argc, char* argv[])
{
    if (Set("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        // Qt reads its options with one dash or two.
        if (arg == "-platform" || arg == "--platform")
            return true;
    }
    return false;
}

} // namespace tessuvo
