#pragma once
// Finding the accepted reports of earlier periods of the same year beside the main file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orsvelt {

struct TRSV501Document;

// What orders a selected earlier file.
struct EarlierFileKey {
  std::string period;        // "Период"
  std::int32_t correction;   // "НомКорр"
  std::filesystem::path path;
};

// A candidate of the same payer (INN, and KPP for an organisation) and year is an earlier file when its period code is
// smaller (byte order), or equal with a smaller correction number.
bool IsEarlierFile(const TRSV501Document& candidate, const TRSV501Document& main, const std::string& payerInn);

// By period code in byte order, then by correction number as a number (so 21/2 comes
// before 21/10); equal keys keep their order.
void OrderEarlierFiles(std::vector<EarlierFileKey>& files);

}  // namespace orsvelt
