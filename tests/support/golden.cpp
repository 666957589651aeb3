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

std::vector<std::vector<std::string>> ReadCases(const std::string& strPath) {
    std::ifstream in(strPath);
    EXPECT_TRUE(in.is_open()) << "no case file " << strPath;
    std::vector<std::vector<std::string>> cases;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string>& fields = cases.emplace_back(1);
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '\t') {
                fields.emplace_back();
            } else if (c != '\\' || i + 1 == line.size()) {
                fields.back() += c;
            } else if (const char e = line[++i]; e == 'x' && i + 2 < line.size()) {
                fields.back() += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                fields.back() += e == 'n' ? '\n' : e == 't' ? '\t' : e;
            }
        }
    }
    return cases;
}
