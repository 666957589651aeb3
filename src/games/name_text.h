// Names as players type them, in UTF-8: read a character at a time, and compared in any case
// for every script, without a text library below the ui.
#pragma once

#include <string>
#include <string_view>

// The characters of str, or false where it is no well-formed UTF-8 (a stray or missing
// continuation byte, an overlong form, a surrogate, past U+10FFFF).
bool DecodeUtf8(std::string_view str, std::u32string& strOut);

// The character as Unicode's simple case folding gives it: 'A' and 'a', 'Ω' and 'ω', 'É' and
// 'é' fold alike.
char32_t FoldCase(char32_t c);
