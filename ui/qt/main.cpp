#include <QApplication>

#include "res/version.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/design_to_qt.h"
#include "ui/qt/program_icon.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrop"));
    QApplication::setApplicationVersion(veltrop::ToQString(veltrop::version::kText));
    // Lets the desktop match the running window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.veltrop.Veltrop"));
    QApplication::setWindowIcon(veltrop::ProgramIcon());

    veltrop::CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
