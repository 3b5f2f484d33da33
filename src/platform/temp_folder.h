#pragma once
// The folder the protocols are written to.

#include <filesystem>

namespace orsvelt {

// The platform's temp location (TMPDIR, TEMP, ... as Qt resolves them); never empty, so a
// missing variable cannot send protocols to the root folder.
std::filesystem::path ProtocolFolder();

}  // namespace orsvelt
