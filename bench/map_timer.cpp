// Starts a program and reports how long it took until its first top-level
// window was mapped on the X display, then closes that window the way a
// window manager's close button does (WM_DELETE_WINDOW) and waits for the
// program to end, so that a wrapper such as /usr/bin/time can report.
//
// Usage: veltrop_map_timer [--title TITLE] PROGRAM [ARG...]
// With --title, waits for a window of that title (override-redirect ones
// too, as Wine's unmanaged windows are); otherwise for the first window that
// is not override-redirect. Prints "mapped_ms <milliseconds>"; exit status
// 0 when the program mapped a window and ended by itself after the close
// request.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string WindowTitle(xcb_connection_t* connection, xcb_window_t window) {
    for (xcb_atom_t property : {Atom(connection, "_NET_WM_NAME"), xcb_atom_t{XCB_ATOM_WM_NAME}}) {
        const auto cookie =
            xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(connection, cookie, nullptr), &std::free);
        if (reply && xcb_get_property_value_length(reply.get()) > 0) {
            return {static_cast<const char*>(xcb_get_property_value(reply.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
        }
    }
    return {};
}

void RequestClose(xcb_connection_t* connection, xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = Atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

// Waits for the child for up to the given time; true when it has ended.
bool WaitForExit(pid_t child, int& status, int timeoutMs) {
    for (int waited = 0; waited <= timeoutMs; waited += 10) {
        if (waitpid(child, &status, WNOHANG) == child) {
            return true;
        }
        usleep(10'000);
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    int first = 1;
    const char* title = nullptr;
    if (argc > 2 && std::strcmp(argv[1], "--title") == 0) {
        title = argv[2];
        first = 3;
    }
    if (argc <= first) {
        std::fprintf(stderr, "usage: %s [--title TITLE] PROGRAM [ARG...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t selected =
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* error = xcb_request_check(connection, selected)) {
        std::free(error);
        std::fprintf(stderr, "cannot watch the root window\n");
        return 2;
    }

    const double start = NowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }

    xcb_window_t mapped = XCB_WINDOW_NONE;
    while (mapped == XCB_WINDOW_NONE) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(
            xcb_wait_for_event(connection), &std::free);
        if (!event) {
            std::fprintf(stderr, "lost the X display\n");
            kill(child, SIGKILL);
            return 2;
        }
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            // Menus and tooltips bypass the window manager; the program's
            // window does not, unless Wine leaves its windows unmanaged.
            if (title != nullptr ? WindowTitle(connection, map->window) == title
                                 : map->override_redirect == 0) {
                mapped = map->window;
            }
        }
    }
    const double elapsed = NowMs() - start;
    std::printf("mapped_ms %.1f\n", elapsed);
    std::fflush(stdout);

    // Let the first paint finish so that the memory figure covers it.
    usleep(300'000);
    RequestClose(connection, mapped);
    int status = 0;
    if (!WaitForExit(child, status, 10'000)) {
        std::fprintf(stderr, "the program did not end after the close request\n");
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        return 1;
    }
    xcb_disconnect(connection);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
