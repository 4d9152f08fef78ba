// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports, from the X server's point of view, how long it took from exec
// to the first paint of its window, and its peak resident memory.
//   first_paint PROGRAM  ->  "<ms to map> <ms to first paint> <peak RSS in KiB> <CPU ms to paint>"
// Event-driven: it watches the root window for the new window's creation and map, and the
// window's damage (XDamage) for the first drawing.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

long peakRssKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// CPU time of all the process's threads so far, from the scheduler's own accounting.
double cpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
            double onCpu = 0;
            if (entry->d_name[0] != '.' && stat >> onCpu)
                ns += onCpu;
        }
        closedir(dir);
    }
    return ns / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_paint PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first_paint: no X display\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "first_paint: the X server has no DAMAGE extension\n");
        return 1;
    }
    // Damage cannot watch an input-only window (Wine makes some) nor one already gone: such
    // errors only mean that the window is not the one to watch.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    double mapped = -1, painted = -1, cpu = -1;
    while (painted < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
            XFlush(display);
        } else if (event.type == MapNotify && mapped < 0) {
            mapped = msSince(start);
        } else if (event.type == damageEvent + XDamageNotify && mapped >= 0) {
            painted = msSince(start);
            cpu = cpuMs(child);
        }
    }
    usleep(500 * 1000); // let it settle; the peak is the high-water mark since exec
    const long peak = peakRssKiB(child);
    kill(child, SIGKILL); // a program under Wine does not end on SIGTERM
    waitpid(child, nullptr, 0);
    std::printf("%.1f %.1f %ld %.1f\n", mapped, painted, peak, cpu);
    XCloseDisplay(display);
    return 0;
}
