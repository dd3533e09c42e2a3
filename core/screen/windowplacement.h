#pragma once

namespace tessuvo {

// Where the main window goes when it opens, from the saved position and the screen size.
struct Placement
{
    enum Kind
    {
        MoveTo, // to (x, y)
        Centre, // centred on the desktop
    };
    Kind kind = Centre;
    int x = 0;
    int y = 0;
    bool topMost = false; // placed in the always-on-top band; its menu item is checked
};

Placement PlaceWindow(int topMost, int savedX, int savedY, int screenWidth, int screenHeight);

} // namespace tessuvo
