// Subsection 1.1 of each tariff against the section 3 rows of its categories.

#include <algorithm>

#include "analysis/common/saturating_sum.h"
#include "analysis/prot501/prot501.h"
#include "model/rsv501/document.h"
#include "reference/category_groups.h"

namespace orsvelt {

namespace {

std::vector<std::string> ToStrings(std::span<const std::string_view> codes) {
  return {codes.begin(), codes.end()};
}

bool Contains(const std::vector<std::string>& list, std::string_view code) {
  return std::find(list.begin(), list.end(), code) != list.end();
}

// A record for the tariff or category codes given; none when the period has no months
// or either code list is empty.
bool MakeRecord(std::vector<TRSV501CompareMainRec>& records, const std::vector<std::string>& months,
                std::span<const std::string_view> tariffs, std::span<const std::string_view> categories) {
  if (months.size() != 3 || tariffs.empty() || categories.empty()) return false;
  TRSV501CompareMainRec& rec = records.emplace_back();
  rec.Month1 = months[0];
  rec.Month2 = months[1];
  rec.Month3 = months[2];
  rec.TariffCodes = ToStrings(tariffs);
  rec.CategoryCodes = ToStrings(categories);
  return true;
}

// Adds one tariff's subsection 1.1 to its group's record: a payer with tariffs 01 and 03
// declares one block of each, and section 3 holds the persons of both. An absent value
// counts as zero, as a lone block shows it.
void AddSection1(TRSV501CompareMainRec& rec, const TRSV501RaschSV_OPS* ops) {
  const TRSV501ColLic* persons = ops ? ops->КолЛицНачСВВс.get() : nullptr;
  const TRSV501SvSum1* payments = ops ? ops->ВыплНачислФЛ.get() : nullptr;
  const TRSV501SvSum1* base = ops ? ops->БазНачислСВ.get() : nullptr;
  const TRSV501SvSum1* over = ops ? ops->БазПревышОПС.get() : nullptr;
  const TRSV501SvSum1* contrib = ops ? ops->НачислСВНеПрев.get() : nullptr;
  const auto count = [&](int i) -> std::int32_t {
    if (!persons) return 0;
    const std::int32_t v[] = {persons->КолВсегоПосл3М, persons->Кол1Посл3М, persons->Кол2Посл3М, persons->Кол3Посл3М};
    return v[i];
  };
  const auto sum = [](const TRSV501SvSum1* s, int i) -> Amount {
    if (!s) return 0;
    const Amount v[] = {s->СумВсегоПосл3М, s->Сум1Посл3М, s->Сум2Посл3М, s->Сум3Посл3М};
    return v[i];
  };
  for (int i = 0; i < 4; ++i) {
    TRSV501CompareColumn& col = rec.Column(i);
    AddSaturating(col.PersonsS1, count(i));
    AddSaturating(col.PaymentsS1, sum(payments, i));
    AddSaturating(col.BaseS1, sum(base, i) - sum(over, i));
    AddSaturating(col.ContribS1, sum(contrib, i));
  }
}

// 1..3: the month's place in its quarter; 0 for a code that is no month.
int PositionInQuarter(std::string_view month) {
  static constexpr std::string_view kMonths[] = {"01", "02", "03", "04", "05", "06",
                                                 "07", "08", "09", "10", "11", "12"};
  for (int i = 0; i < 12; ++i)
    if (kMonths[i] == month) return i % 3 + 1;
  return 0;
}

}  // namespace

void TRSV501Prot::BuildComparisons(const TRSV501Document& doc) {
  if (Persons.empty() || !doc.РасчетСВ || !doc.РасчетСВ->ОбязПлатСВ) return;
  const auto& annexes = doc.РасчетСВ->ОбязПлатСВ->РасчСВ_ОПС_ОМС;
  if (annexes.empty()) return;

  // Few records (one per tariff group): a scan is cheaper than an index.
  const auto byTariff = [&](std::string_view code) -> TRSV501CompareMainRec* {
    for (TRSV501CompareMainRec& rec : Comparisons)
      if (Contains(rec.TariffCodes, code)) return &rec;
    return nullptr;
  };
  const auto byCategory = [&](std::string_view code) -> TRSV501CompareMainRec* {
    for (TRSV501CompareMainRec& rec : Comparisons)
      if (Contains(rec.CategoryCodes, code)) return &rec;
    return nullptr;
  };

  for (const TRSV501RaschSv_OPS_OMS& annex : annexes) {
    TRSV501CompareMainRec* rec = byTariff(annex.ТарифПлат);
    if (!rec && MakeRecord(Comparisons, PeriodMonths, TariffGroup(annex.ТарифПлат),
                           CategoriesOfTariff(annex.ТарифПлат)))
      rec = &Comparisons.back();
    if (rec) AddSection1(*rec, annex.РасчСВ_ОПС.get());
  }

  for (const TZLRec& person : Persons) {
    std::vector<std::string> counted;
    for (const TZLMonthRec& row : person.MonthRows) {
      TRSV501CompareMainRec* rec = byCategory(row.CategoryCode);
      if (!rec && MakeRecord(Comparisons, PeriodMonths, TariffsOfCategory(row.CategoryCode),
                             CategoryGroup(row.CategoryCode)))
        rec = &Comparisons.back();
      if (!rec || PeriodMonths.empty() || !Contains(PeriodMonths, row.Month)) continue;

      const auto group = CategoryGroup(row.CategoryCode);
      const bool seen = std::any_of(group.begin(), group.end(), [&](std::string_view c) { return Contains(counted, c); });
      if (!seen) {
        ++rec->PersonsS3;
        counted.push_back(row.CategoryCode);
      }
      rec->PaymentsS3 += row.Payments;
      rec->BaseS3 += row.Base;
      rec->ContribS3 += row.Contributions;
      TRSV501CompareColumn& month = rec->Column(PositionInQuarter(row.Month));
      ++month.PersonsS3;
      month.PaymentsS3 += row.Payments;
      month.BaseS3 += row.Base;
      month.ContribS3 += row.Contributions;
    }
  }
}

}  // namespace orsvelt
