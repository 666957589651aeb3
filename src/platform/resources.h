// Pictures registered under numeric resource ids, as the program's own resources. The ui layer
// registers the card pictures and the icon at start-up; an unknown id finds nothing.
#pragma once

#include "platform/afx.h"
#include "platform/image.h"

void AfxRegisterBitmap(UINT nID, HIMAGE hImage);
HIMAGE AfxFindBitmap(UINT nID);
void AfxRegisterIcon(UINT nID, HIMAGE hImage);
HIMAGE AfxFindIcon(UINT nID);
// Drops every registered picture (tests, and the end of the run).
void AfxClearResources();
