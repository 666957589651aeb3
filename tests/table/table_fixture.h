// A table window on a recording host with a scripted random source, and the numbers that make
// the deck deal and draw chosen cards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/resources.h"
#include "support/recording_dialog_host.h"
#include "support/scripted_random_source.h"
#include "support/test_cards.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "table/table_resources.h"

class TableTest : public ::testing::Test {
protected:
    TableTest() {
        RegisterTableStrings();
        host.Open(dlg);
    }
    ~TableTest() override {
        if (!dlg.IsClosed()) dlg.OnCancel();
    }

    // The number that takes index i from a working array of n cards.
    static int Pick(int i, int n) { return i * ((RAND_MAX_15 + 1) / n); }

    // Scripts a shuffle of `order` that puts `first` at its top, the rest staying in order.
    void ScriptShuffle(std::vector<const CCard*> order, const std::vector<std::string>& first) {
        for (const std::string& text : first) {
            const CCard* pCard = FindCard(text);
            const auto it = std::find(order.begin(), order.end(), pCard);
            ASSERT_NE(it, order.end()) << text << " is not in the pile";
            script.Push(Pick(static_cast<int>(it - order.begin()), static_cast<int>(order.size())));
            order.erase(it);
        }
        for (size_t i = 0; i < order.size(); ++i) script.Push(0);
    }

    // The next Deal gives the main hand these five cards.
    void ScriptDeal(const std::string& cards) {
        std::vector<const CCard*> order;
        const CDeck& deck = dlg.GetDeck();
        for (int i = 0; i < deck.GetDealt().GetSize(); ++i) order.push_back(deck.GetDealt()[i]);
        for (int i = 0; i < deck.GetCards().GetSize(); ++i) order.push_back(deck.GetCards()[i]);
        ScriptShuffle(order, Split(cards));
    }

    // The next Draw gives hand h the cards of draws[h] at its positions 0 to 4 (held positions
    // draw too: write any other undealt card there, or "-" for the next one in order).
    void ScriptDraw(const std::vector<std::string>& draws) {
        std::vector<const CCard*> order;
        const CDeck& deck = dlg.GetDeck();
        for (int i = 0; i < deck.GetCards().GetSize(); ++i) order.push_back(deck.GetCards()[i]);
        for (const std::string& hand : draws) {
            for (size_t i = 0; i < order.size(); ++i) script.Push(0);  // the deck keeps its order
            std::vector<std::string> picks;
            std::vector<const CCard*> rest = order;
            for (const std::string& text : Split(hand)) {
                if (text == "-") {
                    // the first card in order that no other pick of this hand names
                    for (const CCard* p : rest) {
                        if (!Names(hand, p)) {
                            picks.push_back(CardText(p));
                            break;
                        }
                    }
                } else {
                    picks.push_back(text);
                }
                rest.erase(std::find(rest.begin(), rest.end(), FindCard(picks.back())));
            }
            ScriptShuffle(order, picks);
        }
    }

    // One Deal and Draw in which every hand in play holds the losing main hand.
    void PlayLosingRound() {
        ScriptDeal("2c 7d 9h Js 4s");
        host.Click(IDC_DEAL);
        for (int id : {IDC_HOLD1, IDC_HOLD2, IDC_HOLD3, IDC_HOLD4, IDC_HOLD5}) host.Click(id);
        ScriptDraw(std::vector<std::string>(dlg.GetHandsInPlay(), "- - - - -"));
        host.Click(IDC_DRAW);
    }

    void SpinTo(int nID, int nValue) {
        for (int i = 0; i < 60; ++i) {
            const int nNow = nID == IDC_SPIN_BET ? dlg.GetBet() : dlg.GetHandsInPlay();
            if (nNow == nValue) return;
            host.SpinClick(nID, nNow < nValue ? 1 : -1);
        }
    }

    const CCard* FindCard(const std::string& text) const {
        for (int i = 0; i < 2; ++i) {
            const CCardArray& pile = i == 0 ? dlg.GetDeck().GetCards() : dlg.GetDeck().GetDealt();
            for (int j = 0; j < pile.GetSize(); ++j)
                if (CardText(pile[j]) == text) return pile[j];
        }
        return nullptr;
    }

    static std::vector<std::string> Split(const std::string& text) {
        std::vector<std::string> words;
        std::string word;
        for (char c : text + " ") {
            if (c == ' ') {
                if (!word.empty()) words.push_back(word);
                word.clear();
            } else {
                word += c;
            }
        }
        return words;
    }

    static bool Names(const std::string& hand, const CCard* pCard) {
        for (const std::string& w : Split(hand))
            if (w == CardText(pCard)) return true;
        return false;
    }

    std::string HandText(int h) const { return CardsText(dlg.GetHand(h).GetCards()); }
    const std::vector<std::string>& Lines() const { return host.Control(IDC_RESULTS).lines; }
    bool Enabled(int nID) const { return host.Control(nID).bEnabled; }
    const std::string& Text(int nID) const { return host.Control(nID).strText; }

    CScriptedRandomSource script;
    CRandomSourceScope scope{&script};
    CRecordingDialogRunner runner;
    CMultiHandDlg dlg;
    CRecordingDialogHost host{MultiHandDialogTemplate()};
};

inline const int kAllHolds[] = {IDC_HOLD1, IDC_HOLD2, IDC_HOLD3, IDC_HOLD4, IDC_HOLD5};
inline const int kGameBoxes[] = {IDC_JACKS_OR_BETTER, IDC_BONUS, IDC_DOUBLE_BONUS, IDC_DUCES_WILD};
