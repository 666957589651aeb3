#pragma once

#include <deque>
#include <initializer_list>

#include "platform/afx.h"
#include "platform/random.h"

// Hands out the numbers it was given, in order, for tests that must know every draw.
// Running dry is a broken test: it is reported and 0 is returned.
class CScriptedRandomSource : public CRandomSource {
public:
    CScriptedRandomSource() = default;
    CScriptedRandomSource(std::initializer_list<int> numbers) : m_numbers(numbers) {}

    void Seed(unsigned int) override {}
    int Next() override {
        ASSERT(!m_numbers.empty());
        if (m_numbers.empty()) return 0;
        const int n = m_numbers.front();
        m_numbers.pop_front();
        ++m_nTaken;
        ASSERT(n >= 0 && n <= RAND_MAX_15);
        return n;
    }

    void Push(int n) { m_numbers.push_back(n); }
    void Push(std::initializer_list<int> numbers) {
        m_numbers.insert(m_numbers.end(), numbers.begin(), numbers.end());
    }
    int Remaining() const { return static_cast<int>(m_numbers.size()); }
    int Taken() const { return m_nTaken; }

private:
    std::deque<int> m_numbers;
    int m_nTaken = 0;
};
