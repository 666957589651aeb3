#include "app/session_bus.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

// A value in a bus address keeps letters, digits and -_/.\* as they are and writes every other
// byte as %xx.
std::string EscapeAddressValue(const std::string& strValue) {
    std::string strEscaped;
    for (const unsigned char c : strValue) {
        const bool bPlain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                            (c >= 'a' && c <= 'z') ||
                            std::string("-_/.\\*").find(char(c)) != std::string::npos;
        if (bPlain) {
            strEscaped += char(c);
        } else {
            char szHex[4];
            std::snprintf(szHex, sizeof szHex, "%%%02x", c);
            strEscaped += szHex;
        }
    }
    return strEscaped;
}

}  // namespace

std::optional<std::string> SessionBusAddressToPin(const char* pszAddress, const char* pszRuntimeDir,
                                                  unsigned uUserID) {
    if (pszAddress && *pszAddress) return std::nullopt;
    const std::string strRuntimeDir =
        pszRuntimeDir && *pszRuntimeDir ? pszRuntimeDir : "/run/user/" + std::to_string(uUserID);
    return "unix:path=" + EscapeAddressValue(strRuntimeDir + "/bus");
}

void PinSessionBus() {
    if (const auto address = SessionBusAddressToPin(std::getenv("DBUS_SESSION_BUS_ADDRESS"),
                                                    std::getenv("XDG_RUNTIME_DIR"), getuid()))
        setenv("DBUS_SESSION_BUS_ADDRESS", address->c_str(), 1);
}
