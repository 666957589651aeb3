#include "platform/resources.h"

#include <map>

namespace {

std::map<UINT, HIMAGE>& Bitmaps() {
    static std::map<UINT, HIMAGE> map;
    return map;
}

std::map<UINT, std::string>& Strings() {
    static std::map<UINT, std::string> map;
    return map;
}

std::map<UINT, HIMAGE>& Icons() {
    static std::map<UINT, HIMAGE> map;
    return map;
}

HIMAGE Find(const std::map<UINT, HIMAGE>& map, UINT nID) {
    const auto it = map.find(nID);
    return it == map.end() ? nullptr : it->second;
}

}  // namespace

void AfxRegisterBitmap(UINT nID, HIMAGE hImage) {
    Bitmaps()[nID] = std::move(hImage);
}

HIMAGE AfxFindBitmap(UINT nID) {
    return Find(Bitmaps(), nID);
}

void AfxRegisterIcon(UINT nID, HIMAGE hImage) {
    Icons()[nID] = std::move(hImage);
}

HIMAGE AfxFindIcon(UINT nID) {
    return Find(Icons(), nID);
}

HICON AfxLoadIcon(UINT nID) {
    return AfxFindIcon(nID).get();
}

void AfxRegisterString(UINT nID, std::string strText) {
    Strings()[nID] = std::move(strText);
}

bool AfxLoadString(UINT nID, std::string& strText) {
    const auto it = Strings().find(nID);
    strText = it == Strings().end() ? std::string() : it->second;
    return it != Strings().end();
}

void AfxClearResources() {
    Strings().clear();
    Bitmaps().clear();
    Icons().clear();
}
