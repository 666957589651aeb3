#include "support/golden.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

void ExpectGolden(const std::string& strPath, const std::vector<std::string>& lines) {
    if (const char* pszUpdate = std::getenv("HANDFALL_UPDATE_GOLDEN");
        pszUpdate && std::string(pszUpdate) == "1") {
        std::ofstream out(strPath);
        for (const std::string& line : lines) out << line << '\n';
        ASSERT_TRUE(out.good()) << "cannot write " << strPath;
        return;
    }
    std::ifstream in(strPath);
    ASSERT_TRUE(in.is_open()) << "no golden file " << strPath;
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) expected.push_back(line);
    for (std::size_t i = 0; i < std::max(expected.size(), lines.size()); ++i) {
        const std::string strWant = i < expected.size() ? expected[i] : "(end of file)";
        const std::string strGot = i < lines.size() ? lines[i] : "(no more lines)";
        // The first difference says it all; the rest follow from it.
        ASSERT_EQ(strGot, strWant) << strPath << ":" << i + 1;
    }
}
