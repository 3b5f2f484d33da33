#pragma once
// Where the official schemas are, and which one fits a report's format version.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orsvelt {

struct SchemaSearch {
  std::filesystem::path explicitFolder;    // given by the user; empty when not given
  std::filesystem::path executableFolder;  // the running program's folder; empty when unknown
};

// The folders to look in, in order: the explicit one, $ORSVELT_SCHEMAS, "schemas" beside the
// executable, the installed data folder. Those not given are left out.
std::vector<std::filesystem::path> SchemaFolders(const SchemaSearch& search);

// The ВерсФорм values the root element "Файл" of a schema allows (its enumeration or fixed
// value); empty when the file is not a readable schema of this kind.
std::vector<std::string> AllowedFormVersions(const std::filesystem::path& xsd);

struct SchemaLocation {
  std::filesystem::path file;  // empty when none fits
  std::string failure;         // Russian: why none was found
};

// The schema for a format version: from the first folder holding one that allows it, and of
// several there the one whose file name sorts last.
SchemaLocation LocateSchema(const SchemaSearch& search, std::string_view formVersion);

}  // namespace orsvelt
