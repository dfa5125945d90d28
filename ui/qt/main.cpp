#include <QApplication>

#include "ui/qt/application_setup.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/display_guard.h"

int main(int argc, char* argv[]) {
    veltrop::DisplayGuard guard(argc, argv);
    QApplication app(argc, argv);
    guard.Release();
    veltrop::SetUpApplication();

    veltrop::CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
