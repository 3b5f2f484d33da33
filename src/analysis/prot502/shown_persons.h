#pragma once
// The persons the 5.02 person table lists, as the run's person selection asks.

#include <string>
#include <vector>

namespace orsvelt {

class TRSV502Prot;

struct ShownPersons502 {
  std::vector<bool> shown;  // per person of the analysis, in its order
  std::string line;         // said before the table; empty when every person is listed
};

ShownPersons502 ShownPersonsOf(const TRSV502Prot& prot);

}  // namespace orsvelt
