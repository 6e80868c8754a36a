// first_window PROGRAM [ARGUMENT...]: starts the program on $DISPLAY, prints the milliseconds
// from the start until its first top-level window is mapped (shown), then ends it.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

extern char** environ;

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_window PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    // A display server just started may take a moment to accept clients.
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    for (int tries = 0; xcb_connection_has_error(x) && tries < 100; ++tries) {
        xcb_disconnect(x);
        usleep(50000);
        x = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "first_window: cannot open the display\n");
        return 2;
    }
    // Every window mapped on the root window is reported to us, from any client.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t selected = xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask);
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(xcb_request_check(x, selected), &std::free);
        error) {
        std::fprintf(stderr, "first_window: cannot watch the root window\n");
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "first_window: cannot start %s\n", argv[1]);
        return 2;
    }
    // Events are read as they come; between them, a program that ended or took longer than a
    // minute ends the wait without a time.
    int status = 1;
    pollfd display{xcb_get_file_descriptor(x), POLLIN, 0};
    while (status != 0 && std::chrono::steady_clock::now() - start < std::chrono::minutes(1)) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
            std::free(event);
            if (!mapped || status == 0) continue;
            const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
            std::printf("%.2f\n", elapsed.count());
            status = 0;
        }
        if (status == 0) break;
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "first_window: %s ended before showing a window\n", argv[1]);
            xcb_disconnect(x);
            return 1;
        }
        if (xcb_connection_has_error(x)) break;
        poll(&display, 1, 20);
    }
    if (status != 0) std::fprintf(stderr, "first_window: %s showed no window\n", argv[1]);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    return status;
}
