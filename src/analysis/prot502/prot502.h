#pragma once
// Analysis of a format 5.02 report. Placeholder until the format's analysis is built.

#include "analysis/common/analysis_base.h"

namespace orsvelt {

class TRSV502Prot : public TRSVProt {
 public:
  bool Analyse(const TRSVFile&, const std::filesystem::path&) override {
    TakeRunStamp();
    errorText_ = "Анализ формата 5.02 ещё не реализован.";
    return false;
  }
  bool WriteHtml(const std::filesystem::path&) override { return false; }
  bool WriteSpreadsheet(const std::filesystem::path&) override { return false; }
};

}  // namespace orsvelt
