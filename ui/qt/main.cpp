#include <QApplication>
#include <optional>

#include "ui/qt/application_setup.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/command_line.h"
#include "ui/qt/display_guard.h"

int main(int argc, char* argv[]) {
    const veltrop::CommandLine commandLine(argc, argv);
    if (const std::optional<int> status = commandLine.AnswerWithoutWindow()) {
        return *status;
    }
    veltrop::DisplayGuard guard(commandLine);
    QApplication app(argc, argv);
    guard.Release();
    veltrop::SetUpApplication();

    veltrop::CalculatorWindow window;
    window.show();
    return QApplication::exec();
}
