// A CDC over a QPainter: pictures copied unscaled, aliased outlines, the painter's font.
#pragma once

#include <QPainter>

#include "platform/dc.h"

class CQtDC : public CDC {
public:
    // The painter must outlive the DC. The DC sets its pen, brush and render hints.
    explicit CQtDC(QPainter& painter);

    bool BitBlt(int x, int y, int nWidth, int nHeight, const CBitmap* pSrc, int xSrc, int ySrc,
                DWORD dwRop) override;
    bool RoundRect(const RECT* lpRect, POINT point) override;
    int DrawText(const std::string& str, RECT* lpRect, UINT nFormat) override;
    bool DrawIcon(int x, int y, HICON hIcon) override;

protected:
    void OnPenSelected(const CPen& pen) override;

private:
    QPainter& m_painter;
};
