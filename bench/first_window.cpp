// first_window [--cpu] TITLE PROGRAM [ARG...]
// Starts PROGRAM and prints the milliseconds from just before its start to the
// mapping of its top-level window titled TITLE, then ends it; with --cpu, the
// processor time (user and system) the program spent until then instead. Map events on the
// root window time the showing to a fraction of a millisecond, where polling
// with xdotool costs some twenty milliseconds a look. Needs an X server without a
// window manager (Xvfb), so that top-level windows stay children of the root.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto GiveUpAfter = std::chrono::seconds(10);

bool Titled(Display* display, Window window, const char* title) {
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name) return false;
    const bool same = std::strcmp(name, title) == 0;
    XFree(name);
    return same;
}

// Blocks until an X event is queued or 10 ms pass, so a program that dies is noticed.
bool WaitForEvent(Display* display) {
    if (XPending(display)) return true;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    return poll(&fd, 1, 10) > 0 && XPending(display);
}

// Killed at once, so that its processor time is what it spent until now.
double Stop(pid_t pid) {
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
    const bool cpu = argc > 1 && std::strcmp(argv[1], "--cpu") == 0;
    argc -= cpu;
    argv += cpu;
    if (argc < 3) {
        std::fprintf(stderr, "usage: first_window [--cpu] TITLE PROGRAM [ARG...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first_window: cannot open the display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);  // stdout carries only the figure
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    if (pid < 0) return 2;

    while (Clock::now() - start < GiveUpAfter) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "first_window: %s ended before showing a window\n", argv[2]);
            return 1;
        }
        if (!WaitForEvent(display)) continue;
        XEvent event;
        XNextEvent(display, &event);
        const auto seen = Clock::now();
        if (event.type != MapNotify || !Titled(display, event.xmap.window, argv[1])) continue;
        const std::chrono::duration<double, std::milli> shown = seen - start;
        const double spent = Stop(pid);
        std::printf("%.2f\n", cpu ? spent : shown.count());
        return 0;
    }
    Stop(pid);
    std::fprintf(stderr, "first_window: no window titled \"%s\" appeared\n", argv[1]);
    return 1;
}
