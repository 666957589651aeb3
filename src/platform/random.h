// The one random source of the game: integers 0 to RAND_MAX_15 (32767), seeded from the clock.
// The C library's rand() here goes up to 2147483647, so it is not used.
#pragma once

#include <cstdint>

constexpr int RAND_MAX_15 = 32767;

class CRandomSource {
public:
    virtual ~CRandomSource() = default;
    virtual void Seed(unsigned int nSeed) = 0;
    // An integer from 0 to RAND_MAX_15 inclusive.
    virtual int Next() = 0;
};

// xoshiro128** with the top 15 bits of each output: fast, well mixed, same sequence per seed.
class CDefaultRandomSource : public CRandomSource {
public:
    explicit CDefaultRandomSource(unsigned int nSeed = 1) { Seed(nSeed); }
    void Seed(unsigned int nSeed) override;
    int Next() override;

private:
    std::uint32_t m_state[4] = {};
};

// The process-wide source; null restores the built-in one. Returns the previous source.
CRandomSource* AfxSetRandomSource(CRandomSource* pSource);
int AfxRand();
void AfxSeedRand(unsigned int nSeed);
// The seed the game uses: the current time in seconds.
void AfxSeedRandFromTime();

// Installs a source for the lifetime of a scope (tests).
class CRandomSourceScope {
public:
    explicit CRandomSourceScope(CRandomSource* pSource) : m_pOld(AfxSetRandomSource(pSource)) {}
    ~CRandomSourceScope() { AfxSetRandomSource(m_pOld); }
    CRandomSourceScope(const CRandomSourceScope&) = delete;
    CRandomSourceScope& operator=(const CRandomSourceScope&) = delete;

private:
    CRandomSource* m_pOld;
};
