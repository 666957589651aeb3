#pragma once

#include <optional>
#include <string>

// Where the program looks for the session bus (for accessibility, through Qt). Left to itself,
// libdbus looks in DBUS_SESSION_BUS_ADDRESS, then in $XDG_RUNTIME_DIR/bus, and failing both it
// forks and runs dbus-launch to start a new bus for the display. A game has no business
// starting a daemon that outlives it, and no assistive technology listens on a bus that did not
// exist before; the fork alone delays the first frame by several milliseconds. So the search
// stops at the user's own bus socket, which is where a desktop session puts its bus.

// The address to set, or nothing when the environment names one already. The socket is the one
// under the runtime directory, or under /run/user/<uid> when the directory is not set.
std::optional<std::string> SessionBusAddressToPin(const char* pszAddress, const char* pszRuntimeDir,
                                                  unsigned uUserID);

// Sets it in this process's environment. Call it before any thread starts.
void PinSessionBus();
