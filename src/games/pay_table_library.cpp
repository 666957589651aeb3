#include "games/pay_table_library.h"

#include <charconv>

#include "games/game_variants.h"
#include "platform/afx.h"

namespace {

// The fields of a row split at tabs.
std::vector<std::string_view> Fields(std::string_view strLine) {
    std::vector<std::string_view> vecFields;
    for (std::size_t nStart = 0;;) {
        const std::size_t nTab = strLine.find('\t', nStart);
        vecFields.push_back(strLine.substr(nStart, nTab - nStart));
        if (nTab == std::string_view::npos) return vecFields;
        nStart = nTab + 1;
    }
}

// Whole numbers separated by spaces; false for anything else.
bool ReadPays(std::string_view strPays, std::vector<int>& vecPays) {
    const char* p = strPays.data();
    const char* pEnd = p + strPays.size();
    while (p != pEnd) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        int nPay = 0;
        const auto [pNext, ec] = std::from_chars(p, pEnd, nPay);
        if (ec != std::errc() || (pNext != pEnd && *pNext != ' ')) return false;
        vecPays.push_back(nPay);
        p = pNext;
    }
    return true;
}

// The table of one row, or false.
bool ReadRow(std::string_view strLine, CLibraryPayTable& entry) {
    const std::vector<std::string_view> vecFields = Fields(strLine);
    if (vecFields.size() != 5) return false;
    const CGameVariant* pBox = FindGameVariant(vecFields[0]);
    const CFamily* pFamily = FindFamily(vecFields[1]);
    std::vector<int> vecPays;
    if (pBox == nullptr || pFamily == nullptr || vecFields[2].empty() ||
        !ReadPays(vecFields[4], vecPays) ||
        static_cast<int>(vecPays.size()) != pFamily->CategoryCount())
        return false;
    entry = {pBox->nGame, std::string(vecFields[2]),
             MakeCasinoPayTable(*pFamily, std::string(vecFields[3]), kCasinoRules, vecPays)};
    return ValidatePayTable(entry.table).empty();
}

}  // namespace

std::vector<CLibraryPayTable> ReadPayTableLibrary(std::string_view strText) {
    std::vector<CLibraryPayTable> vecLibrary;
    for (std::size_t nStart = 0; nStart < strText.size();) {
        std::size_t nEnd = strText.find('\n', nStart);
        if (nEnd == std::string_view::npos) nEnd = strText.size();
        const std::string_view strLine = strText.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        if (strLine.empty() || strLine.front() == '#') continue;
        CLibraryPayTable entry{0, "", {}};
        const bool bRead = ReadRow(strLine, entry);
        ASSERT(bRead);
        if (bRead) vecLibrary.push_back(std::move(entry));
    }
    return vecLibrary;
}

std::span<const CLibraryPayTable> PayTableLibrary() {
    static const std::vector<CLibraryPayTable> library = ReadPayTableLibrary(PayTableLibraryText());
    return library;
}

const CLibraryPayTable* FindLibraryPayTable(const CFamily& family, int nGame,
                                            std::string_view strName) {
    // A short name of the game first; else of another game of the family, as the family's
    // tables are all offered to each of its games.
    const CLibraryPayTable* pFound = nullptr;
    const CLibraryPayTable* pInFamily = nullptr;
    for (const CLibraryPayTable& entry : PayTableLibrary()) {
        if (entry.table.pFamily != &family) continue;
        if (SameName(entry.table.strName, strName)) return &entry;
        if (!SameName(entry.strShort, strName)) continue;
        if (pFound == nullptr && (nGame == 0 || entry.nGame == nGame)) pFound = &entry;
        if (pInFamily == nullptr) pInFamily = &entry;
    }
    return pFound != nullptr ? pFound : pInFamily;
}
