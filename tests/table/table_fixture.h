// A table window on a recording host with a scripted random source, its pictures and icon
// registered, and the numbers that make the deck deal and draw chosen cards.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "model/card.h"
#include "platform/resources.h"
#include "support/recording_dialog_host.h"
#include "support/scripted_random_source.h"
#include "support/test_cards.h"
#include "table/multi_hand_dlg.h"
#include "table/resource.h"
#include "table/table_resources.h"

// The strings, a plain picture under every card id and the icon, while a test runs.
struct CTableResources {
    CTableResources() {
        RegisterTableStrings();
        AfxRegisterIcon(IDR_MAINFRAME, std::make_shared<CPlainImage>(32, 32));
        for (int nSuit : {SUIT_BACK, SUIT_SPADES, SUIT_HEARTS, SUIT_CLUBS, SUIT_DIAMONDS}) {
            for (int nRank = 2; nRank <= RANK_ACE; ++nRank) {
                AfxRegisterBitmap(CardLargeBitmapID(nSuit, nRank),
                                  std::make_shared<CPlainImage>(71, 96));
                AfxRegisterBitmap(CardSmallBitmapID(nSuit, nRank),
                                  std::make_shared<CPlainImage>(25, 33));
            }
        }
        AfxRegisterBitmap(IDB_JOKER_LARGE, std::make_shared<CPlainImage>(71, 96));
        AfxRegisterBitmap(IDB_JOKER_SMALL, std::make_shared<CPlainImage>(25, 33));
    }
    ~CTableResources() { AfxClearResources(); }
    // A picture by its id: "#1000" is the large card back.
    static std::string Name(const CPlatformImage* pImage) {
        if (pImage != nullptr && pImage == AfxLoadIcon(IDR_MAINFRAME)) return "icon";
        for (UINT id = IDB_CARD_BACK_LARGE; pImage != nullptr && id <= IDB_JOKER_SMALL; ++id)
            if (AfxFindBitmap(id).get() == pImage) return "#" + std::to_string(id);
        return "no picture";
    }
};

class TableTest : public ::testing::Test {
protected:
    TableTest() { host.Open(dlg); }
    ~TableTest() override {
        if (!dlg.IsClosed()) dlg.OnCancel();
    }

    static std::vector<std::string> Split(const std::string& text) {
        std::istringstream in(text);
        return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
    }

    // Scripts a shuffle of `order` that puts `first` at its top, the rest staying in order: the
    // number that takes index i from a working array of n cards is i * (32768 / n).
    void ScriptShuffle(std::vector<const CCard*> order, const std::vector<std::string>& first) {
        for (const std::string& text : first) {
            const auto it = std::find_if(order.begin(), order.end(),
                                         [&](const CCard* p) { return CardText(p) == text; });
            ASSERT_NE(it, order.end()) << text << " is not in the pile";
            script.Push(static_cast<int>(it - order.begin()) *
                        (32768 / static_cast<int>(order.size())));
            order.erase(it);
        }
        for (size_t i = 0; i < order.size(); ++i) script.Push(0);
    }

    // The next Deal gives the main hand these five cards. The deal first puts the joker in, at
    // the bottom, where the table in play has 53 cards, and takes it out where not.
    void ScriptDeal(const std::string& cards) {
        const CDeck& deck = dlg.GetDeck();
        std::vector<const CCard*> order(deck.GetDealt().begin(), deck.GetDealt().end());
        order.insert(order.end(), deck.GetCards().begin(), deck.GetCards().end());
        const bool bInPlay = std::find(order.begin(), order.end(), deck.GetJoker()) != order.end();
        if (dlg.GetPayTable().Family().nCards != 53)
            std::erase(order, deck.GetJoker());
        else if (!bInPlay)
            order.push_back(deck.GetJoker());
        ScriptShuffle(order, Split(cards));
    }

    // The next Draw gives hand h the cards of draws[h] at its positions 0 to 4. Held positions
    // draw too: write any other undealt card there, or "-" for the first one in order that the
    // hand names nowhere else.
    void ScriptDraw(const std::vector<std::string>& draws) {
        const CCardArray& deck = dlg.GetDeck().GetCards();
        const std::vector<const CCard*> order(deck.begin(), deck.end());
        for (const std::string& hand : draws) {
            for (size_t i = 0; i < order.size(); ++i) script.Push(0);  // the deck keeps its order
            std::vector<std::string> words = Split(hand), unnamed;
            for (const CCard* p : order)
                if (std::find(words.begin(), words.end(), CardText(p)) == words.end())
                    unnamed.push_back(CardText(p));
            auto itNext = unnamed.begin();
            for (std::string& word : words)
                if (word == "-") word = *itNext++;
            ScriptShuffle(order, words);
        }
    }

    void Deal(const std::string& cards, std::initializer_list<int> holds = {}) {
        ScriptDeal(cards);
        host.Click(IDC_DEAL);
        for (int i : holds) host.Click(IDC_HOLDS[i]);
    }

    void SpinTo(int nID, int nValue) {
        for (int i = 0; i < 60; ++i) {
            const int nNow = nID == IDC_SPIN_BET ? dlg.GetBet() : dlg.GetHandsInPlay();
            if (nNow == nValue) return;
            host.SpinClick(nID, nNow < nValue ? 1 : -1);
        }
    }

    std::string HandText(int h) const { return CardsText(dlg.GetHand(h).GetCards()); }
    const std::vector<std::string>& Lines() const { return host.Control(IDC_RESULTS).lines; }
    const std::string& Text(int nID) const { return host.Control(nID).strText; }

    CTableResources resources;
    CScriptedRandomSource script;
    CRandomSourceScope scope{&script};
    CRecordingDialogRunner runner;
    CMultiHandDlg dlg;
    CRecordingDialogHost host{MultiHandDialogTemplate()};
};
