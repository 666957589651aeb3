// Fails when two files of the source tree include each other, directly or through others. A
// header and the source file of the same name count as one file: a.cpp including b.h while
// b.cpp includes a.h is a circle too, since neither half can be understood without the other.
// Usage: handfall_include_cycles SOURCE_DIR [FROM:TO ...]
// Each FROM:TO is an include not counted (unit FROM including unit TO's header): a circle that is
// known and owned by work under way, so that a new one still fails.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Each file, by its path under the source tree without the extension, and the others it includes.
using CGraph = std::map<std::string, std::set<std::string>>;

std::string UnitOf(const fs::path& path, const fs::path& root) {
    return fs::relative(path, root).replace_extension().generic_string();
}

CGraph ReadGraph(const fs::path& root) {
    static const std::regex kInclude(R"re(^\s*#\s*include\s*"([^"]+)")re");
    CGraph graph;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        const fs::path& path = entry.path();
        if (!entry.is_regular_file() || (path.extension() != ".h" && path.extension() != ".cpp"))
            continue;
        const std::string strUnit = UnitOf(path, root);
        std::set<std::string>& included = graph[strUnit];
        std::ifstream in(path);
        std::smatch match;
        for (std::string strLine; std::getline(in, strLine);) {
            if (!std::regex_search(strLine, match, kInclude)) continue;
            // Paths are written from the top of the source tree; one that is not there (a
            // generated header) cannot close a circle.
            const fs::path target = root / match[1].str();
            if (!fs::exists(target)) continue;
            const std::string strTarget = UnitOf(target, root);
            if (strTarget != strUnit) included.insert(strTarget);
        }
    }
    return graph;
}

// One circle through strFrom, if there is one: the units in order, strFrom first and last.
std::vector<std::string> CircleThrough(const CGraph& graph, const std::string& strFrom) {
    std::map<std::string, std::string> cameFrom;
    std::vector<std::string> vecQueue{strFrom};
    for (std::size_t i = 0; i < vecQueue.size(); ++i) {
        const auto it = graph.find(vecQueue[i]);
        if (it == graph.end()) continue;
        for (const std::string& strNext : it->second) {
            if (cameFrom.contains(strNext)) continue;
            cameFrom[strNext] = vecQueue[i];
            if (strNext == strFrom) {
                std::vector<std::string> vecCircle{strFrom};
                for (std::string s = cameFrom[strFrom]; s != strFrom; s = cameFrom[s])
                    vecCircle.push_back(s);
                vecCircle.push_back(strFrom);
                std::reverse(vecCircle.begin(), vecCircle.end());
                return vecCircle;
            }
            vecQueue.push_back(strNext);
        }
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "Usage: handfall_include_cycles SOURCE_DIR [FROM:TO ...]\n";
        return 2;
    }
    CGraph graph = ReadGraph(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const std::string strExcept = argv[i];
        const std::size_t nColon = strExcept.find(':');
        // An exception that no longer matches is told, so that it is taken out with its circle.
        if (nColon == std::string::npos ||
            graph[strExcept.substr(0, nColon)].erase(strExcept.substr(nColon + 1)) == 0) {
            std::cout << "no include " << strExcept << " to pass over\n";
            return 1;
        }
    }
    // A unit already shown on a circle starts no other: the test fails either way, and what is
    // left once those are broken shows on the next run.
    std::set<std::string> told;
    int nCircles = 0;
    for (const auto& [strUnit, included] : graph) {
        if (told.contains(strUnit)) continue;
        const std::vector<std::string> vecCircle = CircleThrough(graph, strUnit);
        if (vecCircle.empty()) continue;
        ++nCircles;
        for (std::size_t i = 0; i < vecCircle.size(); ++i) {
            std::cout << (i == 0 ? "" : " -> ") << vecCircle[i];
            told.insert(vecCircle[i]);
        }
        std::cout << '\n';
    }
    if (nCircles > 0) std::cout << nCircles << " include circle(s) in " << argv[1] << '\n';
    return nCircles > 0 ? 1 : 0;
}
