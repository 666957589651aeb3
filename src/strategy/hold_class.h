// What players call the cards they keep: "4 to a Royal Flush", "Low Pair", "K Q J unsuited".
// A class is decided by the held cards alone, so a player finds it by looking at them, and a
// chart of classes read from the top gives one hold for every deal.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "analysis/card_code.h"
#include "analysis/hand_scorer.h"
#include "games/family.h"

struct CHoldNameParts;

// The classes of a family and rules, and the class of every kind of set of up to five cards:
// a few kilobytes, built once (a few milliseconds) and then looked up.
class CHoldClasses {
public:
    CHoldClasses(const CFamily& family, const CRules& rules);
    ~CHoldClasses();
    CHoldClasses(const CHoldClasses&) = delete;
    CHoldClasses& operator=(const CHoldClasses&) = delete;

    const CFamily& GetFamily() const { return *m_pFamily; }
    const CRules& GetRules() const { return m_rules; }
    int GetClassCount() const { return static_cast<int>(m_vecNames.size()); }
    // As the chart writes it; in Deuces Wild it begins with the deuces kept ("2 Deuces: ...").
    const std::string& GetName(int nClass) const {
        return m_vecNames[static_cast<std::size_t>(nClass)];
    }
    // The class of nCount (0 to 5) different codes in ascending order.
    int ClassOf(const int* pSortedCodes, int nCount) const {
        return m_arrBySlot[static_cast<std::size_t>(nCount)]
                          [m_pScorer->SetSlot(pSortedCodes, nCount)];
    }
    // Keeping nothing, or in Deuces Wild only the deuces: every deal has a hold of such a class,
    // so a chart ending in them decides every deal.
    bool IsFloor(int nClass) const { return m_vecFloor[static_cast<std::size_t>(nClass)]; }
    // Whether one line may hold both classes under one name: the same draw with other high
    // cards, or other high cards kept suited or unsuited.
    bool CanShareLine(int nClass, int nOther) const;
    // The name of a line holding the classes (that can share it), in chart order. Where the
    // lines above hold the rest of their group, the line is named by the group alone ("High
    // Pair" under "Pair of Aces"): read from the top, it takes what is left. Not so for deuces,
    // which a player counts first.
    std::string LineName(const std::vector<int>& vecClasses,
                         const std::vector<int>& vecAbove = {}) const;
    // Charts of a family with wild cards only keep holds that keep every wild card dealt.
    bool KeepsEveryDeuce() const { return m_pFamily->eWild != EWild::None; }
    // The cards of five sorted codes a chart must keep (bit i: card i): the wild cards.
    int KeptMask(const int* pSortedCodes) const {
        int nMask = 0;
        for (int i = 0; i < 5; ++i)
            if (m_pFamily->IsWild(pSortedCodes[i])) nMask |= 1 << i;
        return nMask;
    }

private:
    std::size_t GroupSize(std::uint32_t nGroup) const;  // classes sharing a name's group
    std::string KindsLineName(const std::vector<int>& vecClasses, bool bWhole) const;

    const CFamily* m_pFamily;
    CRules m_rules;
    std::vector<std::string> m_vecNames;
    std::vector<bool> m_vecFloor;
    std::vector<CHoldNameParts> m_vecParts;                 // the names, in parts
    const CHandScorer* m_pScorer;                           // tells a set's kind
    std::array<std::vector<std::uint16_t>, 6> m_arrBySlot;  // [k][slot of a kind of k-card set]
};

// The classes of a family and rules, built the first time they are asked for (on the calling
// thread) and kept for the run.
std::shared_ptr<const CHoldClasses> SharedHoldClasses(const CFamily& family, const CRules& rules);

// Within one line of a chart the higher cards are kept: ranks compared from the highest down,
// then suits. A larger key is kept first.
std::uint32_t HoldTieKey(const int* pSortedCodes, int nCount);
