// What the main document holds besides section 3: section 1 and its annexes, section 2.

#include "analysis/common/report_texts.h"
#include "analysis/prot501/prot501.h"
#include "model/rsv501/document.h"

namespace orsvelt {

namespace {

std::int32_t CountOf(std::size_t n) { return static_cast<std::int32_t>(n); }

}  // namespace

bool TRSV501Prot::TakeComposition(const TRSV501Document& doc) {
  const TRSV501RaschetSV* body = doc.РасчетСВ.get();
  if (!body) return true;
  if (const TRSV501ObyazPlatSV* s1 = body->ОбязПлатСВ.get()) {
    Section1Present = true;
    AddTariffCount = CountOf(s1->УплПерОПСДоп.size());
    DSOCount = CountOf(s1->УплПерДСО.size());
    Annex1Count = CountOf(s1->РасчСВ_ОПС_ОМС.size());
    AnnexPresent = {s1->РасхОССЗак != nullptr,       s1->ВыплФинФБ != nullptr,
                    s1->ПравТариф3_1_427 != nullptr, s1->ПравТариф5_1_427 != nullptr,
                    s1->ПравТариф7_1_427 != nullptr, s1->СвПримТариф9_1_427 != nullptr};
    if (s1->СвПримТариф9_1_427) PatentCount = CountOf(s1->СвПримТариф9_1_427->СведПатент.size());
    if (s1->СвПримТариф2_2_425) {
      Annex9Present = true;
      ForeignerCount = CountOf(s1->СвПримТариф2_2_425->СвИноГражд.size());
    }
    if (s1->СвПримТариф1_3_422) {
      Annex10Present = true;
      StudentCount = CountOf(s1->СвПримТариф1_3_422->СведОбуч.size());
    }
  }
  if (const TRSV501ObyazPlatSV_KFH* s2 = body->ОбязПлатСВ_КФХ.get()) {
    Section2Present = true;
    if (!s2->РасчСВ_КФХ) return false;
    FarmMemberCount = CountOf(s2->РасчСВ_КФХ->СведЧлКФХ.size());
  }
  PersonCount = CountOf(body->ПерсСвСтрахЛиц.size());
  return true;
}

void TRSV501Prot::TakeFarmMembers(const TRSV501Document& doc) {
  if (!doc.РасчетСВ || !doc.РасчетСВ->ОбязПлатСВ_КФХ) return;
  const TRSV501ObyazPlatSV_KFH& s2 = *doc.РасчетСВ->ОбязПлатСВ_КФХ;
  if (s2.УплПерОПС) Section2OPS = s2.УплПерОПС->СумСВУплПер;
  if (s2.УплПерОМС) Section2OMS = s2.УплПерОМС->СумСВУплПер;
  if (!s2.РасчСВ_КФХ) return;
  for (const TRSV501SvedChlKFH& m : s2.РасчСВ_КФХ->СведЧлКФХ) {
    TRSV501FarmMemberRec& row = FarmMembers.emplace_back();
    row.INN = m.ИННФЛ;
    row.SNILS = m.СНИЛС;
    if (m.ФИО) row.FullName = FullNameOf(*m.ФИО);
    row.BirthYear = m.ГодРожд;
    row.StartDate = m.ДатаНачЧлКФХ;
    row.EndDate = m.ДатаКонЧлКФХ;
    row.PensionContributions = m.НачислСВОПС;
    row.MedicalContributions = m.НачислСВОМС;
  }
}

}  // namespace orsvelt
