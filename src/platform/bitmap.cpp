#include "platform/bitmap.h"

#include "platform/resources.h"

bool CBitmap::LoadBitmap(UINT nIDResource) {
    return Attach(AfxFindBitmap(nIDResource));
}

bool CBitmap::Attach(HIMAGE hImage) {
    if (!hImage) return false;
    m_hImage = std::move(hImage);
    return true;
}

SIZE CBitmap::GetBitmapDimension() const {
    if (!m_hImage) return {};
    return {m_hImage->GetWidth(), m_hImage->GetHeight()};
}
