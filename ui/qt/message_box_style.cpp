#include "ui/qt/message_box_style.h"

namespace veltrop {

QMessageBox::Icon MessageBoxIconForStyle(int style) {
    switch (style & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace veltrop
