// A bitmap object: empty, or attached to one platform picture until DeleteObject.
#pragma once

#include "platform/afx.h"
#include "platform/image.h"

class CBitmap {
public:
    CBitmap() = default;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // Attaches the bitmap resource nIDResource; false (and still empty) when there is none.
    bool LoadBitmap(UINT nIDResource);
    bool Attach(HIMAGE hImage);
    void DeleteObject() { m_hImage.reset(); }

    const CPlatformImage* GetSafeHandle() const { return m_hImage.get(); }
    SIZE GetBitmapDimension() const;

private:
    HIMAGE m_hImage;
};
