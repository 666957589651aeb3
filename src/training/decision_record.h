// One decision as the history keeps it: a row of the table `decisions`, in the words a player
// reads with sqlite3 (cards as "10h Qs", "-" for no card held).
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "training/grade.h"

struct CCoachDeal;

struct CDecisionRecord {
    std::string strPlayedAt;  // UTC, ISO 8601: "2026-12-09T09:41:07Z"
    std::string strTableName;
    std::string strFamily;  // the family's key: "jacks"
    int nBet = 1;
    int nHands = 1;
    std::string strDeal;  // five cards in dealt order
    std::string strHeld;  // in dealt order, "-" for none
    std::string strBest;
    double dEvHeld = 0.0;  // expected pay per coin, to 8 decimals
    double dEvBest = 0.0;
    std::optional<std::string> chartLine;  // the chart's line for the deal, when known
    EGrade eGrade = EGrade::Correct;
    bool bDrill = false;

    friend bool operator==(const CDecisionRecord&, const CDecisionRecord&) = default;
};

// Cards as the history writes them: "Ah Kh Qh Jh 10h", the masked ones alone, "-" for none.
std::string CardsText(const int* pCodes, int nCount, int nMask = 31);
// The codes of such a text; empty for "-", or for a text that is no cards.
std::vector<int> ParseCards(const std::string& strText);
// "2026-12-09T09:41:07Z".
std::string IsoTime(std::time_t tWhen);
// A drawn and valued deal as a row, graded with dMinorShare.
// A drill is a deal dealt in practice: it may be valued, and kept, after the round has ended.
CDecisionRecord MakeDecisionRecord(const CCoachDeal& deal, double dMinorShare, std::time_t tWhen);
// What the hold played gives up per coin bet.
inline double CostPerCoin(const CDecisionRecord& record) {
    return record.dEvBest - record.dEvHeld;
}

// The history as CSV (RFC 4180): the header line of the table's columns, then a line a row.
std::string CsvHeader();
std::string CsvLine(const CDecisionRecord& record);
