// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
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

// The platforms Qt tries, in this order: QT_QPA_PLATFORM's list, else X, after Wayland in a
// Wayland session. A name may carry options after a colon ("offscreen:size=800x600").
std::vector<std::string> platforms() {
    std::string list = env("QT_QPA_PLATFORM");
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

xcb_connection_t* openX() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
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

// "DISPLAY is leeg", "DISPLAY=:5 cannot be reached": what was tried, in either language.
std::string tried(const std::vector<std::string>& variables, bool dutch) {
    std::string out;
    for (const std::string& v : variables) {
        const std::string value = env(v.c_str());
        if (!out.empty())
            out += dutch ? " en " : " and ";
        if (value.empty())
            out += v + (dutch ? " is leeg" : " is empty");
        else
            out += v + "=" + value + (dutch ? " is niet bereikbaar" : " cannot be reached");
    }
    return out;
}

} // namespace

DesktopCheck::DesktopCheck() {
    std::vector<std::string> variables; // of the displays tried in vain
    const auto missed = [&](const std::string& variable) {
        if (std::find(variables.begin(), variables.end(), variable) == variables.end())
            variables.push_back(variable);
    };
    for (const std::string& name : platforms()) {
        if (name == "offscreen" || name == "minimal") {
            m_problem = "maaltafels: QT_QPA_PLATFORM=" + env("QT_QPA_PLATFORM") +
                        " shows no windows; start the program without it\n";
            return;
        }
        if (name == "xcb") {
            m_x = openX();
            if (m_x)
                return;
            missed("DISPLAY");
        } else if (name.rfind("wayland", 0) == 0) {
            if (waylandReachable())
                return;
            missed("WAYLAND_DISPLAY");
        } else {
            // A framebuffer, a VNC server...: whether that shows a window is the platform's own affair.
            return;
        }
    }
    m_problem = "maaltafels: geen scherm gevonden (" + tried(variables, true) +
                "); start het programma in een bureaubladsessie, of om te testen met xvfb-run maaltafels\n"
                "maaltafels: no display found (" +
                tried(variables, false) +
                "); start the program in a desktop session, or for a test with xvfb-run maaltafels\n";
}

DesktopCheck::~DesktopCheck() {
    if (m_x)
        xcb_disconnect(m_x);
}
