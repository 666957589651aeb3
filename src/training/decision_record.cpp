#include "training/decision_record.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "analysis/card_code.h"
#include "analysis/hold_value.h"
#include "coach/coach.h"

namespace {

// Eight decimals, as the history keeps them, so that a row reads back as it was written.
double Round8(double d) {
    return std::round(d * 1e8) / 1e8;
}

}  // namespace

std::string CardsText(const int* pCodes, int nCount, int nMask) {
    std::string strText;
    for (int i = 0; i < nCount; ++i) {
        if (!((nMask >> i) & 1)) continue;
        if (!strText.empty()) strText += ' ';
        strText += CardCodeText(pCodes[i]);
    }
    return strText.empty() ? "-" : strText;
}

std::vector<int> ParseCards(const std::string& strText) {
    std::vector<int> vecCodes;
    std::istringstream words(strText);
    for (std::string strWord; words >> strWord;) {
        if (strWord == "-") continue;
        const int nCode = ParseCardCode(strWord);
        if (nCode == NO_CARD_CODE) return {};
        vecCodes.push_back(nCode);
    }
    return vecCodes;
}

std::string IsoTime(std::time_t tWhen) {
    std::tm tmUtc{};
    gmtime_r(&tWhen, &tmUtc);
    char szText[32] = {};
    std::strftime(szText, sizeof szText, "%Y-%m-%dT%H:%M:%SZ", &tmUtc);
    return szText;
}

CDecisionRecord MakeDecisionRecord(const CCoachDeal& deal, double dMinorShare, std::time_t tWhen) {
    CDecisionRecord record;
    record.strPlayedAt = IsoTime(tWhen);
    record.strTableName = deal.payTable.strName;
    record.strFamily = deal.payTable.Family().pszKey;
    record.nBet = deal.nBet;
    record.nHands = deal.nHands;
    record.strDeal = CardsText(deal.arrCodes.data(), 5);
    record.strHeld = CardsText(deal.arrCodes.data(), 5, deal.nHoldMask);
    record.strBest = CardsText(deal.arrCodes.data(), 5, deal.nBestMask);
    const double dUnit = static_cast<double>(kAnyDeckDrawLcm);
    record.dEvHeld = Round8(static_cast<double>(deal.nChosenPay) / dUnit);
    record.dEvBest = Round8(static_cast<double>(deal.nBestPay) / dUnit);
    if (deal.bCharted && !deal.strChartLine.empty()) record.chartLine = deal.strChartLine;
    record.eGrade = GradeOf(deal.nBestPay, deal.nChosenPay, kAnyDeckDrawLcm, dMinorShare);
    record.bDrill = deal.bPractice;
    return record;
}

namespace {

std::string CsvField(const std::string& strText) {
    if (strText.find_first_of(",\"\r\n") == std::string::npos) return strText;
    std::string strQuoted = "\"";
    for (char c : strText) strQuoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return strQuoted + "\"";
}

std::string Decimal8(double d) {
    char szText[48] = {};
    std::snprintf(szText, sizeof szText, "%.8f", d);
    return szText;
}

}  // namespace

std::string CsvHeader() {
    return "played_at,table_name,family,bet,hands,deal,held,best,ev_held,ev_best,chart_line,"
           "grade,drill\r\n";
}

std::string CsvLine(const CDecisionRecord& record) {
    const std::string arrFields[] = {record.strPlayedAt,
                                     CsvField(record.strTableName),
                                     record.strFamily,
                                     std::to_string(record.nBet),
                                     std::to_string(record.nHands),
                                     record.strDeal,
                                     record.strHeld,
                                     record.strBest,
                                     Decimal8(record.dEvHeld),
                                     Decimal8(record.dEvBest),
                                     CsvField(record.chartLine.value_or("")),
                                     GradeKey(record.eGrade),
                                     record.bDrill ? "1" : "0"};
    std::string strLine = arrFields[0];
    for (size_t i = 1; i < std::size(arrFields); ++i) strLine += "," + arrFields[i];
    return strLine + "\r\n";
}
