#pragma once

#include <QMessageBox>

namespace veltrop {

// The icon a message box style number asks for in its bits 4 to 6 (48: the
// exclamation icon). The program's boxes all have the one OK button.
QMessageBox::Icon MessageBoxIconForStyle(int style);

}  // namespace veltrop
