#include "platform/random.h"

#include <ctime>

#include "platform/afx.h"

namespace {

std::uint32_t Rotl(std::uint32_t x, int k) {
    return (x << k) | (x >> (32 - k));
}

// splitmix32 spreads a small seed over the whole state so nearby seeds differ at once.
std::uint32_t SplitMix32(std::uint32_t& z) {
    z += 0x9E3779B9u;
    std::uint32_t r = z;
    r = (r ^ (r >> 16)) * 0x85EBCA6Bu;
    r = (r ^ (r >> 13)) * 0xC2B2AE35u;
    return r ^ (r >> 16);
}

// Nothing draws a number during static initialisation, so a plain global serves.
CDefaultRandomSource g_builtIn;
CRandomSource* g_pSource = nullptr;

}  // namespace

void CDefaultRandomSource::Seed(unsigned int nSeed) {
    std::uint32_t z = nSeed;
    for (std::uint32_t& s : m_state) s = SplitMix32(z);
}

int CDefaultRandomSource::Next() {
    const std::uint32_t result = Rotl(m_state[1] * 5, 7) * 9;
    const std::uint32_t t = m_state[1] << 9;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = Rotl(m_state[3], 11);
    return static_cast<int>(result >> 17);
}

CRandomSource* AfxSetRandomSource(CRandomSource* pSource) {
    CRandomSource* pOld = g_pSource;
    g_pSource = pSource;
    return pOld;
}

// The built-in source is called directly, not through its table: a draw shuffles twice per hand.
int AfxRand() {
    return g_pSource ? g_pSource->Next() : g_builtIn.CDefaultRandomSource::Next();
}

void AfxSeedRand(unsigned int nSeed) {
    if (g_pSource) {
        g_pSource->Seed(nSeed);
    } else {
        g_builtIn.Seed(nSeed);
    }
}

void AfxSeedRandFromTime() {
    AfxSeedRand(static_cast<unsigned int>(std::time(nullptr)));
}
