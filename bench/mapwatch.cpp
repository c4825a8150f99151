// Times a program's start: from just before it is started to the moment its first top-level
// window is mapped on the X display, seen by the X server's own MapNotify event. Prints the time
// in milliseconds, then ends the program.
//
//   mapwatch PROGRAM [ARGS...]
//
// Subscribing to the root window's substructure before starting the program means no map can
// slip by; the clock is CLOCK_MONOTONIC, read when the event arrives.

#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

namespace {
double now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwatch PROGRAM [ARGS...]\n");
        return 2;
    }
    // A server still busy with the last program's exit may turn a connection away; try again.
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    for (int tries = 0; xcb_connection_has_error(c) && tries < 50; ++tries) {
        xcb_disconnect(c);
        usleep(20000);
        c = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "mapwatch: no X display\n");
        return 2;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t ck = xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* e = xcb_request_check(c, ck)) {
        std::fprintf(stderr, "mapwatch: cannot watch the root window (%d)\n", e->error_code);
        return 2;
    }

    const double start = now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const int fd = xcb_get_file_descriptor(c);
    double mapped = -1;
    while (mapped < 0) {
        // Give up after 30 s or when the program ends without a window.
        fd_set in;
        FD_ZERO(&in);
        FD_SET(fd, &in);
        timeval tick{0, 100000};
        xcb_generic_event_t* ev = xcb_poll_for_event(c);
        if (ev == nullptr) {
            if (now() - start > 30000 || waitpid(child, nullptr, WNOHANG) == child) break;
            select(fd + 1, &in, nullptr, nullptr, &tick);
            continue;
        }
        if ((ev->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            auto* m = reinterpret_cast<xcb_map_notify_event_t*>(ev);
            if (!m->override_redirect) mapped = now();
        }
        std::free(ev);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(c);
    if (mapped < 0) {
        std::fprintf(stderr, "mapwatch: no window was mapped\n");
        return 1;
    }
    std::printf("%.2f\n", mapped - start);
    return 0;
}
