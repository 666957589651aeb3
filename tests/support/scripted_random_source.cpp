#include "support/scripted_random_source.h"

#include "platform/afx.h"

int CScriptedRandomSource::Next() {
    ASSERT(!m_numbers.empty());
    if (m_numbers.empty()) return 0;
    const int n = m_numbers.front();
    m_numbers.pop_front();
    ++m_nTaken;
    ASSERT(n >= 0 && n <= RAND_MAX_15);
    return n;
}
