#pragma once
// The values the program remembers from one start to the next, kept by QSettings under
// organisation "Brannix", application "Orsvelt" (the registry on Windows, a config file
// elsewhere).

#include <cstdint>
#include <string>

namespace orsvelt {

struct TSettings {
  std::string LastCheckedFile;  // UTF-8 path
  std::int32_t ProtType = 0;    // the viewer choice as stored; the radio group clamps it
  bool FindingsOnly = false;    // the per-person tables list only persons with a finding

  void ClearSettings();
  // Defaults first; a ProtType that is missing or not an integer reads as 0, a FindingsOnly
  // other than true as false. Throws
  // std::runtime_error when LastCheckedFile holds something other than text.
  void LoadSettings();
  // Throws std::runtime_error when the values could not be stored.
  void SaveSettings() const;
};

}  // namespace orsvelt
