// Stand-ins until the protocol writers of this format are in place.

#include "analysis/prot501/prot501.h"

namespace orsvelt {

bool TRSV501Prot::WriteHtml(const std::filesystem::path&) {
  errorText_ = "Протокол формата 5.01 ещё не реализован.";
  return false;
}

bool TRSV501Prot::WriteSpreadsheet(const std::filesystem::path&) {
  errorText_ = "Протокол формата 5.01 ещё не реализован.";
  return false;
}

}  // namespace orsvelt
