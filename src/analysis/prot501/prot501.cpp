#include "analysis/prot501/prot501.h"

#include "model/rsvnalog.h"

namespace orsvelt {

bool TRSV501Prot::Analyse(const TRSVFile&, const std::filesystem::path&) {
  TakeRunStamp();
  errorText_ = "Файл не прочитан.";
  return false;
}

}  // namespace orsvelt
