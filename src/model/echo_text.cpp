#include "model/echo_text.h"

#include <cstdio>

namespace {

// The length of the valid UTF-8 sequence at the start of str that is not a C1 control, or 0.
std::size_t PrintableSequence(std::string_view str) {
    const auto b0 = static_cast<unsigned char>(str[0]);
    std::size_t nLength = 0;
    char32_t c = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        nLength = 2;
        c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        nLength = 3;
        c = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        nLength = 4;
        c = b0 & 0x07;
    } else {
        return 0;
    }
    if (str.size() < nLength) return 0;
    for (std::size_t i = 1; i < nLength; ++i) {
        const auto b = static_cast<unsigned char>(str[i]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    const char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool bValid = c >= kLeast[nLength] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    return bValid && !(c >= 0x80 && c <= 0x9F) ? nLength : 0;
}

}  // namespace

std::string EchoText(std::string_view strText, std::size_t nMaxChars) {
    std::string strOut;
    std::size_t nChars = 0;
    for (std::size_t i = 0; i < strText.size();) {
        if (nChars == nMaxChars) return strOut + "...";
        const auto b = static_cast<unsigned char>(strText[i]);
        std::string strPiece;
        if (b == '\\') {
            strPiece = "\\\\";
        } else if (b == '\n') {
            strPiece = "\\n";
        } else if (b == '\t') {
            strPiece = "\\t";
        } else if (b == '\r') {
            strPiece = "\\r";
        } else if (b >= 0x20 && b < 0x7F) {
            strPiece = static_cast<char>(b);
        } else if (const std::size_t n = b >= 0x80 ? PrintableSequence(strText.substr(i)) : 0;
                   n > 0) {
            strOut.append(strText.substr(i, n));
            i += n;
            ++nChars;
            continue;
        } else {
            char szHex[5];
            std::snprintf(szHex, sizeof szHex, "\\x%02x", b);
            strPiece = szHex;
        }
        strOut += strPiece;
        ++i;
        ++nChars;
    }
    return strOut;
}
