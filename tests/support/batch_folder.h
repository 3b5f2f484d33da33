#pragma once
// A client's folder as an audit firm receives it: two payers, a division of one of them,
// corrections, two format versions, a broken file, a report of a version the program does
// not read, a file named like a report that is none, and a file that is no report at all.

#include <filesystem>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace orsvelt::test {

struct BatchFolderFile {
  std::string name;
  std::string message;  // of RunCheck; empty when the report is checked
};

// The NO_RASCHSV files BatchFolder makes, in byte order of their names.
const std::vector<BatchFolderFile>& BatchFolderReports();

// Fills folder (which exists) with the files; "readme.txt" besides.
void MakeBatchFolder(const std::filesystem::path& folder);

}  // namespace orsvelt::test
