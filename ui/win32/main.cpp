#include <windows.h>

#include "ui/win32/calculator_window.h"
#include "ui/win32/message_loop.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    veltrop::CalculatorWindow window(instance);
    if (!window.Create(showCommand)) {
        return 1;
    }
    return veltrop::RunMessageLoop(window);
}
