#include "ui/qt/message_box_style.h"

namespace veltrop {

MessageBoxLook MessageBoxLookForStyle(int style) {
    MessageBoxLook look{QMessageBox::NoIcon, QMessageBox::Ok};
    switch (style & 0x70) {
        case 16:
            look.icon = QMessageBox::Critical;
            break;
        case 32:
            look.icon = QMessageBox::Question;
            break;
        case 48:
            look.icon = QMessageBox::Warning;
            break;
        case 64:
            look.icon = QMessageBox::Information;
            break;
        default:
            break;
    }
    switch (style & 0x07) {
        case 1:
            look.buttons = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case 2:
            look.buttons = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
            break;
        case 3:
            look.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
        case 4:
            look.buttons = QMessageBox::Yes | QMessageBox::No;
            break;
        case 5:
            look.buttons = QMessageBox::Retry | QMessageBox::Cancel;
            break;
        default:
            break;
    }
    return look;
}

}  // namespace veltrop
