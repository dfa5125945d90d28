#include "ui/win32/message_loop.h"

#include "ui/win32/calculator_window.h"

namespace veltrop {

void DeliverMessage(HWND window, MSG& message) {
    if (window && IsDialogMessageW(window, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop(const CalculatorWindow& window) {
    MSG message{};
    for (;;) {
        const BOOL result = GetMessageW(&message, nullptr, 0, 0);
        if (result == 0) {
            return static_cast<int>(message.wParam);
        }
        if (result == -1) {
            return 1;
        }
        DeliverMessage(window.Handle(), message);
    }
}

}  // namespace veltrop
