#include "cli/echo_text.h"

#include <cstdio>

std::string EchoText(std::string_view strValue) {
    std::string strEcho;
    const std::string_view strShown = strValue.substr(0, MAX_ECHOED_CHARS);
    for (const char c : strShown) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '\n') {
            strEcho += "\\n";
        } else if (c == '\t') {
            strEcho += "\\t";
        } else if (c == '\r') {
            strEcho += "\\r";
        } else if (c == '\\') {
            strEcho += "\\\\";
        } else if (u < 0x20 || u == 0x7F) {
            char szHex[8];
            std::snprintf(szHex, sizeof szHex, "\\x%02x", u);
            strEcho += szHex;
        } else {
            strEcho += c;
        }
    }
    if (strValue.size() > strShown.size()) strEcho += "...";
    return strEcho;
}
