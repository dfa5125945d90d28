// The web page's program: the window, and the entry points the page script
// calls for each event of the DOM.
#include <emscripten.h>

#include <cstddef>

#include "ui/web/web_window.h"

namespace {

// Lives as long as the page: the page keeps running after main returns.
veltrop::web::WebWindow& Window() {
    static veltrop::web::WebWindow window;
    return window;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void veltrop_input_edited() {
    Window().InputEdited();
}

EMSCRIPTEN_KEEPALIVE void veltrop_input_pasted() {
    Window().InputPasted();
}

EMSCRIPTEN_KEEPALIVE void veltrop_input_focus_lost(int toAnotherControl) {
    Window().InputFocusLost(toAnotherControl != 0);
}

EMSCRIPTEN_KEEPALIVE void veltrop_clicked(int designIndex) {
    if (designIndex >= 0) {
        Window().Clicked(static_cast<std::size_t>(designIndex));
    }
}

}  // extern "C"

int main() {
    Window().Start();
    return 0;
}
