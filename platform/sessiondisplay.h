#pragma once

#include <string>

struct xcb_connection_t;

namespace tessuvo {

// The display the program starts on when the user chose no platform plugin, found before Qt
// starts so that a session without one ends with a message instead of Qt's abort.
class SessionDisplay final
{
public:
    SessionDisplay();
    ~SessionDisplay();
    SessionDisplay(const SessionDisplay&) = delete;
    SessionDisplay& operator=(const SessionDisplay&) = delete;

    // "xcb" when an X server answers at DISPLAY, XWayland included, because a Wayland client
    // may neither read screen pixels nor capture the mouse; "wayland" when only a Wayland
    // compositor answers; empty when neither does.
    const std::string& Platform() const { return m_platform; }

private:
    // Held until this object goes, after Qt has connected: an X server whose last client
    // leaves resets, and Qt's own connection would meet the server in the middle of it.
    xcb_connection_t* m_x11 = nullptr;
    std::string m_platform;
};

// True when the command line or QT_QPA_PLATFORM names a platform plugin: that choice is the
// user's (offscreen for tests), and is left to Qt.
bool PlatformChosen(int argc, char* argv[]);

} // namespace tessuvo
