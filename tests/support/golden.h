// Golden files: expected lines kept as a text file per case and compared line by line. With
// HANDFALL_UPDATE_GOLDEN=1 in the environment the file is written from the actual lines instead
// (review the diff before committing it).
#pragma once

#include <string>
#include <vector>

void ExpectGolden(const std::string& strPath, const std::vector<std::string>& lines);
