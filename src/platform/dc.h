// The drawing surface that cards, hands and labels draw on, in client-area pixels.
#pragma once

#include <string>

#include "platform/afx.h"
#include "platform/image.h"

class CBitmap;

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr int PS_SOLID = 0;
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr UINT DT_CENTER = 0x1;
constexpr UINT DT_VCENTER = 0x4;
constexpr UINT DT_SINGLELINE = 0x20;

class CPen {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    CPen(const CPen&) = delete;
    CPen& operator=(const CPen&) = delete;

    bool CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    void DeleteObject() { m_bCreated = false; }

    bool IsCreated() const { return m_bCreated; }
    int GetStyle() const { return m_nStyle; }
    int GetWidth() const { return m_nWidth; }
    COLORREF GetColor() const { return m_crColor; }

private:
    bool m_bCreated = false;
    int m_nStyle = PS_SOLID;
    int m_nWidth = 1;
    COLORREF m_crColor = RGB(0, 0, 0);
};

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    // Copies the block nWidth x nHeight from (xSrc, ySrc) of the bitmap to (x, y), unscaled. Only
    // SRCCOPY is known. Parts of the block outside the picture are not drawn.
    virtual bool BitBlt(int x, int y, int nWidth, int nHeight, const CBitmap* pSrc, int xSrc,
                        int ySrc, DWORD dwRop) = 0;
    // Outline with the current pen, inside filled with the current (white) brush.
    virtual bool RoundRect(const RECT* lpRect, POINT point) = 0;
    // Text in the current font and colour; with DT_CENTER centred across the box, without
    // DT_SINGLELINE from its top; always clipped to the box. Returns the text height.
    virtual int DrawText(const std::string& str, RECT* lpRect, UINT nFormat) = 0;
    virtual bool DrawIcon(int x, int y, HICON hIcon) = 0;

    // Returns the pen that was selected before; every DC starts with a black 1-pixel pen.
    CPen* SelectObject(CPen* pPen);
    CPen* GetCurrentPen() const { return m_pPen; }
    int SetBkMode(int nBkMode);
    int GetBkMode() const { return m_nBkMode; }

protected:
    virtual void OnPenSelected(const CPen&) {}
    virtual void OnBkModeSet(int) {}

private:
    CPen m_penDefault{PS_SOLID, 1, RGB(0, 0, 0)};
    CPen* m_pPen = &m_penDefault;
    int m_nBkMode = OPAQUE;
};

// Draws nothing: for asking a dialog which colours it wants without painting anything.
class CNullDC : public CDC {
public:
    bool BitBlt(int, int, int, int, const CBitmap*, int, int, DWORD) override { return true; }
    bool RoundRect(const RECT*, POINT) override { return true; }
    int DrawText(const std::string&, RECT*, UINT) override { return 0; }
    bool DrawIcon(int, int, HICON) override { return true; }
};
