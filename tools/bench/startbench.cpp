// SPDX-License-Identifier: GPL-3.0-or-later
// maaltafels-startbench: measures how long a program takes to show its first two top-level windows
// on an X display, and how much memory and idle CPU time it uses afterwards.
//
// Usage: maaltafels-startbench [--runs N] [--idle SECONDS] [--verbose] -- PROGRAM [ARGS...]
//
// Each run connects to $DISPLAY, watches the root window for new top-level windows, starts PROGRAM and
// takes the time from just before exec until the second distinct top-level window has been mapped.
// Override-redirect windows (menus, tooltips) do not count. After the last run the program is left
// alone for a second, then its resident memory and CPU time are read before and after an idle period.

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

constexpr double runTimeoutSeconds = 10.0;
constexpr double settleSeconds = 1.0;
constexpr int windowsWanted = 2;

volatile sig_atomic_t runningChild = 0;

void onSignal(int sig) {
    if (runningChild > 0) {
        kill(static_cast<pid_t>(runningChild), SIGKILL);
        waitpid(static_cast<pid_t>(runningChild), nullptr, 0);
    }
    signal(sig, SIG_DFL);
    raise(sig);
}

double nowSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

void sleepSeconds(double seconds) {
    if (seconds <= 0)
        return;
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(seconds);
    ts.tv_nsec = static_cast<long>((seconds - static_cast<double>(ts.tv_sec)) * 1e9);
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

__attribute__((format(printf, 1, 2))) void fail(const char* fmt, ...) {
    std::fputs("maaltafels-startbench: ", stderr);
    va_list args;
    va_start(args, fmt);
    std::vfprintf(stderr, fmt, args);
    va_end(args);
    std::fputc('\n', stderr);
}

[[noreturn]] void usage(const char* problem) {
    if (problem)
        fail("%s", problem);
    std::fprintf(
        stderr,
        "usage: maaltafels-startbench [--runs N] [--idle SECONDS] [--verbose] -- PROGRAM [ARGS...]\n");
    std::exit(2);
}

struct Options {
    int runs = 1;
    double idleSeconds = 5.0;
    bool verbose = false;
    std::vector<char*> command; // null-terminated argv for exec
};

Options parseOptions(int argc, char** argv) {
    Options opts;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg == "--verbose" || arg == "-v") {
            opts.verbose = true;
        } else if (arg == "--runs" || arg == "--idle") {
            if (i + 1 >= argc)
                usage((arg + " needs a value").c_str());
            char* end = nullptr;
            const char* value = argv[++i];
            if (arg == "--runs") {
                const long runs = std::strtol(value, &end, 10);
                if (*value == '\0' || *end != '\0' || runs < 1 || runs > 1000)
                    usage("--runs must be a whole number from 1 to 1000");
                opts.runs = static_cast<int>(runs);
            } else {
                const double idle = std::strtod(value, &end);
                if (*value == '\0' || *end != '\0' || !(idle >= 0) || idle > 3600)
                    usage("--idle must be a number of seconds from 0 to 3600");
                opts.idleSeconds = idle;
            }
        } else if (arg == "-h" || arg == "--help") {
            usage(nullptr);
        } else {
            usage(("unknown option " + arg + " (put the program after --)").c_str());
        }
    }
    if (i >= argc)
        usage("no program given after --");
    for (; i < argc; ++i)
        opts.command.push_back(argv[i]);
    opts.command.push_back(nullptr);
    return opts;
}

// What /proc tells about a running process.
struct ProcStats {
    long rssKb = -1;
    long cpuMs = -1;
};

ProcStats readProcStats(pid_t pid) {
    ProcStats stats;
    const std::string base = "/proc/" + std::to_string(pid);
    if (FILE* f = std::fopen((base + "/status").c_str(), "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f)) {
            if (std::strncmp(line, "VmRSS:", 6) == 0) {
                stats.rssKb = std::strtol(line + 6, nullptr, 10);
                break;
            }
        }
        std::fclose(f);
    }
    if (FILE* f = std::fopen((base + "/stat").c_str(), "r")) {
        char buf[1024];
        const size_t n = std::fread(buf, 1, sizeof buf - 1, f);
        std::fclose(f);
        buf[n] = '\0';
        // The command name may contain spaces and parentheses: fields are counted after its last ')'.
        // After it come field 3 (state) ... field 14 (utime) and 15 (stime).
        if (const char* p = std::strrchr(buf, ')')) {
            ++p;
            unsigned long long utime = 0, stime = 0;
            if (std::sscanf(p, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime, &stime) ==
                2) {
                const long ticksPerSecond = sysconf(_SC_CLK_TCK);
                stats.cpuMs = static_cast<long>((utime + stime) * 1000ULL /
                                                static_cast<unsigned long long>(ticksPerSecond));
            }
        }
    }
    return stats;
}

// Stops the child and reaps it, so that no zombie is left behind.
void stopChild(pid_t pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    const double deadline = nowSeconds() + 3.0;
    for (;;) {
        const pid_t r = waitpid(pid, nullptr, WNOHANG);
        if (r == pid || (r < 0 && errno != EINTR))
            break;
        if (nowSeconds() > deadline) {
            kill(pid, SIGKILL);
            while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
            break;
        }
        sleepSeconds(0.005);
    }
    runningChild = 0;
}

std::string describeExit(int status) {
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("was killed by signal ") + strsignal(WTERMSIG(status));
    return "stopped";
}

class Display {
public:
    Display() = default;
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;
    ~Display() { close(); }

    void close() {
        if (conn)
            xcb_disconnect(conn);
        conn = nullptr;
    }

    bool open() {
        conn = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(conn)) {
            const char* name = std::getenv("DISPLAY");
            fail("cannot connect to the X display %s", name && *name ? name : "(DISPLAY is not set)");
            return false;
        }
        // The program we start must not inherit this connection.
        const int fd = xcb_get_file_descriptor(conn);
        fcntl(fd, F_SETFD, fcntl(fd, F_GETFD) | FD_CLOEXEC);
        root = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_void_cookie_t sel = xcb_change_window_attributes_checked(conn, root, XCB_CW_EVENT_MASK, &mask);
        if (xcb_generic_error_t* err = xcb_request_check(conn, sel)) {
            std::free(err);
            fail("cannot watch the root window for new windows");
            return false;
        }
        netWmName = atom("_NET_WM_NAME");
        utf8String = atom("UTF8_STRING");
        netWmPid = atom("_NET_WM_PID");
        return true;
    }

    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
            conn, xcb_intern_atom(conn, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        xcb_atom_t a = XCB_ATOM_NONE;
        if (r)
            a = r->atom;
        std::free(r);
        return a;
    }

    std::string textProperty(xcb_window_t w, xcb_atom_t property, xcb_atom_t type) {
        std::string text;
        xcb_get_property_reply_t* r =
            xcb_get_property_reply(conn, xcb_get_property(conn, 0, w, property, type, 0, 1024), nullptr);
        if (r && r->format == 8 && r->type != XCB_ATOM_NONE)
            text.assign(static_cast<const char*>(xcb_get_property_value(r)),
                        static_cast<size_t>(xcb_get_property_value_length(r)));
        std::free(r);
        return text;
    }

    std::string title(xcb_window_t w) {
        std::string t = textProperty(w, netWmName, utf8String);
        if (t.empty())
            t = textProperty(w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY);
        return t;
    }

    // The _NET_WM_PID of a window, or 0 when it has none.
    uint32_t windowPid(xcb_window_t w) {
        uint32_t pid = 0;
        xcb_get_property_reply_t* r = xcb_get_property_reply(
            conn, xcb_get_property(conn, 0, w, netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        if (r && r->format == 32 && xcb_get_property_value_length(r) >= 4)
            std::memcpy(&pid, xcb_get_property_value(r), sizeof pid);
        std::free(r);
        return pid;
    }

    xcb_connection_t* conn = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
    xcb_atom_t netWmPid = XCB_ATOM_NONE;
};

// Starts the program; returns its pid, or -1 when it could not be executed.
pid_t startProgram(const Options& opts, double& startTime) {
    int errPipe[2];
    if (pipe2(errPipe, O_CLOEXEC) != 0) {
        fail("pipe: %s", std::strerror(errno));
        return -1;
    }
    startTime = nowSeconds();
    const pid_t pid = fork();
    if (pid < 0) {
        fail("fork: %s", std::strerror(errno));
        return -1;
    }
    if (pid == 0) {
        close(errPipe[0]);
        execvp(opts.command[0], opts.command.data());
        const int err = errno;
        (void)!write(errPipe[1], &err, sizeof err);
        _exit(127);
    }
    runningChild = pid;
    close(errPipe[1]);
    // The pipe closes on a successful exec; otherwise the child sends errno.
    int err = 0;
    ssize_t n;
    while ((n = read(errPipe[0], &err, sizeof err)) < 0 && errno == EINTR) {
    }
    close(errPipe[0]);
    if (n == static_cast<ssize_t>(sizeof err)) {
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        runningChild = 0;
        fail("cannot run %s: %s", opts.command[0], std::strerror(err));
        return -1;
    }
    return pid;
}

// One run: returns the start-up time in milliseconds, or a negative value on failure.
// On the last run the program is also measured at rest, into *before and *after.
double runOnce(const Options& opts, int run, bool last, ProcStats* before, ProcStats* after) {
    Display display;
    if (!display.open())
        return -1;

    double startTime = 0;
    const pid_t pid = startProgram(opts, startTime);
    if (pid < 0)
        return -1;

    std::set<xcb_window_t> created; // top-level windows created since the program started
    std::set<xcb_window_t> mapped;  // ... of which mapped, counted once each
    double doneTime = -1;
    const double deadline = startTime + runTimeoutSeconds;
    const int fd = xcb_get_file_descriptor(display.conn);

    while (doneTime < 0) {
        while (xcb_generic_event_t* ev = xcb_poll_for_event(display.conn)) {
            const uint8_t type = ev->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                auto* e = reinterpret_cast<xcb_create_notify_event_t*>(ev);
                if (e->parent == display.root && !e->override_redirect)
                    created.insert(e->window);
            } else if (type == XCB_MAP_NOTIFY && doneTime < 0) {
                auto* e = reinterpret_cast<xcb_map_notify_event_t*>(ev);
                const double t = nowSeconds();
                if (e->event == display.root && !e->override_redirect && created.count(e->window) &&
                    !mapped.count(e->window)) {
                    const uint32_t owner = display.windowPid(e->window);
                    if (owner == 0 || owner == static_cast<uint32_t>(pid)) {
                        mapped.insert(e->window);
                        if (opts.verbose) {
                            const std::string title = display.title(e->window);
                            std::printf("run %d: window 0x%x mapped after %.1f ms: \"%s\"\n", run, e->window,
                                        (t - startTime) * 1000.0, title.c_str());
                        }
                        if (mapped.size() >= static_cast<size_t>(windowsWanted))
                            doneTime = t;
                    }
                }
            }
            std::free(ev);
        }
        if (doneTime >= 0)
            break;
        if (xcb_connection_has_error(display.conn)) {
            fail("lost the connection to the X display");
            stopChild(pid);
            return -1;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            runningChild = 0;
            fail("run %d: %s %s after mapping %zu of %d top-level windows", run, opts.command[0],
                 describeExit(status).c_str(), mapped.size(), windowsWanted);
            return -1;
        }
        const double now = nowSeconds();
        if (now >= deadline) {
            fail("run %d: timed out after %.0f s with %zu of %d top-level windows mapped", run,
                 runTimeoutSeconds, mapped.size(), windowsWanted);
            stopChild(pid);
            return -1;
        }
        // Wake up for X events at once, and every 20 ms to see whether the program is still alive.
        pollfd pfd{fd, POLLIN, 0};
        const int waitMs = static_cast<int>(std::min(20.0, std::ceil((deadline - now) * 1000.0)));
        poll(&pfd, 1, waitMs);
    }
    std::fflush(stdout);
    display.close(); // leave the program alone while it is measured at rest

    if (last) {
        sleepSeconds(settleSeconds);
        *before = readProcStats(pid);
        sleepSeconds(opts.idleSeconds);
        *after = readProcStats(pid);
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            runningChild = 0;
            fail("%s %s while it was measured at rest", opts.command[0], describeExit(status).c_str());
            return -1;
        }
        if (before->cpuMs < 0 || after->cpuMs < 0 || after->rssKb < 0) {
            stopChild(pid);
            fail("cannot read /proc/%d/stat or /proc/%d/status", static_cast<int>(pid),
                 static_cast<int>(pid));
            return -1;
        }
    }
    stopChild(pid);
    return (doneTime - startTime) * 1000.0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char** argv) {
    const Options opts = parseOptions(argc, argv);
    signal(SIGINT, onSignal);
    signal(SIGTERM, onSignal);
    signal(SIGHUP, onSignal);

    std::vector<double> times;
    ProcStats before, after;
    for (int run = 1; run <= opts.runs; ++run) {
        const double ms = runOnce(opts, run, run == opts.runs, &before, &after);
        if (ms < 0)
            return 1;
        times.push_back(ms);
        std::printf("run %d/%d: %.1f ms\n", run, opts.runs, ms);
        std::fflush(stdout);
    }
    if (opts.verbose)
        std::printf("at rest: VmRSS %ld kB -> %ld kB, CPU %ld ms -> %ld ms\n", before.rssKb, after.rssKb,
                    before.cpuMs, after.cpuMs);
    std::printf("startup_ms_median=%.1f\n", median(times));
    std::printf("rss_mb=%.1f\n", static_cast<double>(after.rssKb) / 1024.0);
    std::printf("idle_cpu_ms=%ld\n", after.cpuMs - before.cpuMs);
    std::printf("idle_seconds=%g\n", opts.idleSeconds);
    return 0;
}
