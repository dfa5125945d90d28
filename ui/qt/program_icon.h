#pragma once

#include <QIcon>

namespace veltrop {

// The program's window icon, from raw pixels built into the program: only
// the sizes a window manager draws in title bars and window lists. The X11
// platform reads every size an icon offers when a window is shown, and PNG
// images would load Qt's image decoders first; both cost start-up time and
// memory. Menus and launchers take every size from the installed icon
// theme through the menu entry.
QIcon ProgramIcon();

}  // namespace veltrop
