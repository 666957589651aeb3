#include "support/assert_counter.h"

namespace {
int g_nCount = 0;
void CountBrokenContract(const char*, const char*, int) {
    ++g_nCount;
}
}  // namespace

CAssertCounter::CAssertCounter() : m_pOld(AfxSetAssertHandler(&CountBrokenContract)) {
    g_nCount = 0;
}

CAssertCounter::~CAssertCounter() {
    AfxSetAssertHandler(m_pOld);
}

int CAssertCounter::Count() const {
    return g_nCount;
}
