// Counts broken contracts instead of stopping, so a test can break one on purpose and check
// both that it was reported and that nothing outside storage was touched.
#pragma once

#include "platform/afx.h"

class CAssertCounter {
public:
    CAssertCounter();
    ~CAssertCounter();
    CAssertCounter(const CAssertCounter&) = delete;
    CAssertCounter& operator=(const CAssertCounter&) = delete;

    int Count() const;

private:
    AfxAssertHandler m_pOld;
};
