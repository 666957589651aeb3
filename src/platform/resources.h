// Pictures registered under numeric resource ids, as the program's own resources. The ui layer
// registers the card pictures and the icon at start-up; an unknown id finds nothing.
#pragma once

#include <string>

#include "platform/afx.h"
#include "platform/image.h"

void AfxRegisterBitmap(UINT nID, HIMAGE hImage);
HIMAGE AfxFindBitmap(UINT nID);
void AfxRegisterIcon(UINT nID, HIMAGE hImage);
HIMAGE AfxFindIcon(UINT nID);
// The icon registered under nID, as a handle that stays valid until the resources are cleared.
HICON AfxLoadIcon(UINT nID);
void AfxRegisterString(UINT nID, std::string strText);
// False, and strText emptied, when there is no such string.
bool AfxLoadString(UINT nID, std::string& strText);
// Drops every registered picture and string (tests, and the end of the run).
void AfxClearResources();
