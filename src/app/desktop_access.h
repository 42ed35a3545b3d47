// Keyboard and assistive-technology access across the game's screens: names for what they draw,
// every control reachable by Tab, and Ctrl+Tab out of the board (where Tab steps through runs).
#pragma once

#include <QObject>

namespace xs {

// Installs the interfaces for the drawn widgets and an application-wide filter that lets Tab reach
// every button, radio button and puzzle list (without taking focus on a click, so the mouse plays
// as before) and names the arrow-only buttons. Call once, after the application object exists.
void InstallDesktopAccess();

}  // namespace xs
