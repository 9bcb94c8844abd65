// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

std::string env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// One of Qt's own options, which win over the environment: -platform NAME, and X's -display NAME;
// "--platform" works as well.
std::string option(int argc, char** argv, std::string_view name) {
    std::string value;
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg.rfind("--", 0) == 0)
            arg.remove_prefix(1);
        if (arg == name)
            value = argv[++i];
    }
    return value;
}

// The platforms Qt tries, in this order: the given list, else X, after Wayland in a Wayland
// session. A name may carry options after a colon ("offscreen:size=800x600").
std::vector<std::string> platforms(std::string list) {
    if (list.empty())
        list = env("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb";
    std::vector<std::string> out;
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t end = std::min(list.find(';', at), list.size());
        const std::string entry = list.substr(at, end - at);
        if (!entry.empty())
            out.push_back(entry.substr(0, entry.find(':')));
        at = end + 1;
    }
    return out;
}

xcb_connection_t* openX(const std::string& display) {
    xcb_connection_t* connection = xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
    if (xcb_connection_has_error(connection) == 0)
        return connection;
    xcb_disconnect(connection);
    return nullptr;
}

// Where libwayland would connect: WAYLAND_DISPLAY (wayland-0 when empty), a path of its own or
// a name in XDG_RUNTIME_DIR; or the socket it was handed in WAYLAND_SOCKET.
bool waylandReachable() {
    if (!env("WAYLAND_SOCKET").empty())
        return true;
    std::string path = env("WAYLAND_DISPLAY");
    if (path.empty())
        path = "wayland-0";
    if (path[0] != '/') {
        const std::string runtime = env("XDG_RUNTIME_DIR");
        if (runtime.empty())
            return false;
        path = runtime + "/" + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool reachable = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return reachable;
}

// A display tried in vain: what named it ("DISPLAY", "-display") and what it said.
struct Tried {
    std::string by, value;
    bool operator==(const Tried&) const = default;
};

// "DISPLAY is leeg", "-display :5 cannot be reached": what was tried, in either language.
std::string describe(const std::vector<Tried>& tried, bool dutch) {
    std::string out;
    for (const Tried& t : tried) {
        if (!out.empty())
            out += dutch ? " en " : " and ";
        if (t.value.empty())
            out += t.by + (dutch ? " is leeg" : " is empty");
        else
            out += t.by + (t.by[0] == '-' ? " " : "=") + t.value +
                   (dutch ? " is niet bereikbaar" : " cannot be reached");
    }
    return out;
}

} // namespace

DesktopCheck::DesktopCheck(int argc, char** argv) {
    const std::string platform = option(argc, argv, "-platform"), display = option(argc, argv, "-display");
    const Tried chosen =
        platform.empty() ? Tried{"QT_QPA_PLATFORM", env("QT_QPA_PLATFORM")} : Tried{"-platform", platform};
    std::vector<Tried> tried;
    const auto missed = [&](const Tried& t) {
        if (std::find(tried.begin(), tried.end(), t) == tried.end())
            tried.push_back(t);
    };
    for (const std::string& name : platforms(chosen.value)) {
        if (name == "offscreen" || name == "minimal") {
            m_problem = "maaltafels: " + chosen.by + (platform.empty() ? "=" : " ") + chosen.value +
                        " shows no windows; start the program without it\n";
            return;
        }
        if (name == "xcb") {
            m_x = openX(display);
            if (m_x)
                return;
            missed(display.empty() ? Tried{"DISPLAY", env("DISPLAY")} : Tried{"-display", display});
        } else if (name.rfind("wayland", 0) == 0) {
            if (waylandReachable())
                return;
            missed({"WAYLAND_DISPLAY", env("WAYLAND_DISPLAY")});
        } else {
            // A framebuffer, a VNC server...: whether that shows a window is the platform's own affair.
            return;
        }
    }
    m_problem = "maaltafels: geen scherm gevonden (" + describe(tried, true) +
                "); start het programma in een bureaubladsessie, of om te testen met xvfb-run maaltafels\n"
                "maaltafels: no display found (" +
                describe(tried, false) +
                "); start the program in a desktop session, or for a test with xvfb-run maaltafels\n";
}

DesktopCheck::~DesktopCheck() {
    if (m_x)
        xcb_disconnect(m_x);
}
