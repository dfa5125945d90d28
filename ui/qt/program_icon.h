#pragma once

#include <QIcon>

namespace veltrop {

// The program's window icon from the images built into it: only the sizes a
// window manager draws in title bars and window lists (16, 32 and 48). The
// X11 platform decodes every size an icon offers when a window is shown, so
// the larger ones would cost start-up time and memory for nothing; menus
// and launchers take them from the installed icon theme through the menu
// entry.
QIcon ProgramIcon();

}  // namespace veltrop
