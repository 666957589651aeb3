// A CDC that draws nothing and keeps every call, so layout can be checked without pixels.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/dc.h"

struct CDCCall {
    enum Kind { BitBlt, RoundRect, DrawText, DrawIcon, SelectPen, SetBkMode };

    Kind kind;
    RECT rect;                     // BitBlt: destination block; RoundRect, DrawText: the box
    POINT point;                   // RoundRect: corner ellipse; BitBlt: source origin
    const CPlatformImage* pImage;  // BitBlt, DrawIcon
    std::string text;              // DrawText
    UINT nFormat;                  // DrawText
    COLORREF crPen;                // pen selected (SelectPen) or current (RoundRect)
    int nValue;                    // SetBkMode: the mode; SelectPen: width; DrawText: bk mode
};

// Names a picture in a call's description; without one, pictures show as "image" or "none".
using CImageNamer = std::function<std::string(const CPlatformImage*)>;
// One line per call, every field that kind of call sets, e.g.
// "RoundRect 5,40-134,59 corner 3,3 pen rgb 255,0,0": for golden files and readable comparisons.
std::string DescribeCall(const CDCCall& call, const CImageNamer& nameImage = {});

class CRecordingDC : public CDC {
public:
    bool BitBlt(int x, int y, int nWidth, int nHeight, const CBitmap* pSrc, int xSrc, int ySrc,
                DWORD dwRop) override;
    bool RoundRect(const RECT* lpRect, POINT point) override;
    int DrawText(const std::string& str, RECT* lpRect, UINT nFormat) override;
    bool DrawIcon(int x, int y, HICON hIcon) override;

    const std::vector<CDCCall>& Calls() const { return m_calls; }
    std::vector<std::string> Describe(const CImageNamer& nameImage = {}) const;
    void Clear() { m_calls.clear(); }

protected:
    void OnPenSelected(const CPen& pen) override;
    void OnBkModeSet(int nBkMode) override;

private:
    std::vector<CDCCall> m_calls;
};
