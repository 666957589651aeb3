#include "platform/dialog_template.h"

const CControlTemplate* CDialogTemplate::Find(int nID) const {
    for (const CControlTemplate& control : controls)
        if (control.nID == nID && nID != IDC_STATIC) return &control;
    return nullptr;
}

// x * 3 / 2 and y * 13 / 8, rounded half up, in integers so no float rounding can creep in.
int DialogUnitsToPixelsX(int nUnits) {
    return (nUnits * 3 + 1) / 2;
}
int DialogUnitsToPixelsY(int nUnits) {
    return (nUnits * 13 + 4) / 8;
}

RECT DialogUnitsToPixels(const CControlTemplate& control) {
    return {DialogUnitsToPixelsX(control.x), DialogUnitsToPixelsY(control.y),
            DialogUnitsToPixelsX(control.x + control.cx),
            DialogUnitsToPixelsY(control.y + control.cy)};
}
