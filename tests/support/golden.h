// Golden files: expected lines kept as a text file per case and compared line by line. With
// HANDFALL_UPDATE_GOLDEN=1 in the environment the file is written from the actual lines instead
// (review the diff before committing it).
#pragma once

#include <string>
#include <vector>

void ExpectGolden(const std::string& strPath, const std::vector<std::string>& lines);

// Test cases kept as a text file: one case a line, its fields separated by tabs; blank lines and
// lines starting with # are skipped. In a field, \n, \t, \\ and \xNN stand for the character,
// so that control characters can be written down.
std::vector<std::vector<std::string>> ReadCases(const std::string& strPath);
