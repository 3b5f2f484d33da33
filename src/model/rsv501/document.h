#pragma once
// The document "Документ" of format 5.01 and its calculation body "РасчетСВ".

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/common/elem_load.h"
#include "model/common/format5.h"
#include "model/rsv501/section1.h"
#include "model/rsv501/section2.h"
#include "model/rsv501/section3.h"

namespace orsvelt {

// "РасчетСВ": sections 1, 2 and 3.
struct TRSV501RaschetSV : TElem {
  std::unique_ptr<TRSV501ObyazPlatSV> ОбязПлатСВ;
  std::unique_ptr<TRSV501ObyazPlatSV_KFH> ОбязПлатСВ_КФХ;
  std::vector<TRSV501PersSvSL> ПерсСвСтрахЛиц;
  void Clear() { *this = TRSV501RaschetSV(); }
  bool Load(TXMLElement e, const std::string& path);
};

// While one lives, the 5.01 calculations this thread reads hand each person ("ПерсСвСтрахЛиц")
// over as soon as it is read, and the person leaves their list unless take refuses it: a
// large report need not hold all its persons at once. Messages are collected as before.
// restart says that the persons handed so far have left the model (its document or its
// calculation is read again or replaced).
class TRSV501PersonHandOff {
 public:
  using Take = std::function<bool(const TRSV501PersSvSL&)>;
  TRSV501PersonHandOff(std::function<void()> restart, Take take);
  ~TRSV501PersonHandOff();
  TRSV501PersonHandOff(const TRSV501PersonHandOff&) = delete;
  TRSV501PersonHandOff& operator=(const TRSV501PersonHandOff&) = delete;

  // The innermost one living on this thread, or null.
  static TRSV501PersonHandOff* Current();
  void Restart() const { restart_(); }
  bool Taken(const TRSV501PersSvSL& person) const { return take_(person); }

 private:
  std::function<void()> restart_;
  Take take_;
  TRSV501PersonHandOff* outer_;
};

// "Документ": the title page and the calculation. ОКВЭД and Тлф come from "СвНП".
struct TRSV501Document : TElem {
  std::string КНД;  // as written, entities kept
  std::string ДатаДок;
  std::int32_t НомКорр = -1;  // -1: absent or not a number
  std::string Период;         // as written, entities kept
  std::int32_t ОтчетГод = -1;
  std::string КодНО, ПоМесту, ОКВЭД, Тлф;
  std::unique_ptr<TOrgUL> НПЮЛ;
  std::unique_ptr<TOrgIP> НПИП;
  std::unique_ptr<TOrgPL> НПФЛ;
  std::unique_ptr<TPodpisant> Подписант;
  std::unique_ptr<TRSV501RaschetSV> РасчетСВ;
  void Clear() { *this = TRSV501Document(); }
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
