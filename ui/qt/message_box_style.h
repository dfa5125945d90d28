#pragma once

#include <QMessageBox>

namespace veltrop {

// What a message box style number asks for: its low three bits choose the
// buttons, the next three the icon (48: exclamation icon, OK only).
struct MessageBoxLook {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

MessageBoxLook MessageBoxLookForStyle(int style);

}  // namespace veltrop
