// Basic types and the contract check shared by every layer.
#pragma once

#include <cstdint>

using UINT = unsigned int;
using DWORD = std::uint32_t;
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

struct POINT {
    int x = 0;
    int y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

struct SIZE {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

// A broken contract (a position that does not exist, an empty pile) is reported here and the
// caller then fails safe. Debug builds stop at once; tests install a handler that counts.
using AfxAssertHandler = void (*)(const char* pszExpr, const char* pszFile, int nLine);
AfxAssertHandler AfxSetAssertHandler(AfxAssertHandler pHandler);
void AfxAssertFailed(const char* pszExpr, const char* pszFile, int nLine);

#define ASSERT(expr) ((expr) ? static_cast<void>(0) : AfxAssertFailed(#expr, __FILE__, __LINE__))
