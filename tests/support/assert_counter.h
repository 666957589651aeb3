// Counts broken contracts instead of stopping, so a test can break one on purpose and check
// both that it was reported and that nothing outside storage was touched.
#pragma once

#include "platform/afx.h"

class CAssertCounter {
public:
    CAssertCounter() : m_pOld(AfxSetAssertHandler(&CountOne)) { s_nCount = 0; }
    ~CAssertCounter() { AfxSetAssertHandler(m_pOld); }
    CAssertCounter(const CAssertCounter&) = delete;
    CAssertCounter& operator=(const CAssertCounter&) = delete;

    int Count() const { return s_nCount; }

private:
    static void CountOne(const char*, const char*, int) { ++s_nCount; }

    static inline int s_nCount = 0;
    AfxAssertHandler m_pOld;
};
