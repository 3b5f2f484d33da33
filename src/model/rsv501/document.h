#pragma once
// The document "Документ" of format 5.01. Placeholder until the format's model is
// built: it reads nothing and reports nothing.

#include <string>

#include "model/common/elem_load.h"

namespace orsvelt {

struct TRSV501Document : TElem {
  void Clear() { *this = TRSV501Document(); }
  bool Load(TXMLElement, const std::string&) {
    Clear();
    return true;
  }
};

}  // namespace orsvelt
