// The persons of the main file's section 3 and their sums by month, category and tariff.

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "analysis/common/report_texts.h"
#include "analysis/prot501/patronymic.h"
#include "analysis/prot501/prot501.h"
#include "model/rsv501/document.h"

namespace orsvelt {

namespace {

constexpr std::string_view kNotInFile = "Не указано в файле";

std::string PairKey(std::string_view a, std::string_view b) {
  std::string key(a);
  key += '\x1f';
  key += b;
  return key;
}

// Index of the entry with this key in list, appending a fresh one when absent.
template <class Rec, class Make>
Rec& FindOrAppend(std::vector<Rec>& list, std::unordered_map<std::string, std::size_t>& index,
                  const std::string& key, Make&& make) {
  auto [it, added] = index.try_emplace(key, list.size());
  if (added) list.push_back(make());
  return list[it->second];
}

void FillIdentity(TZLRec& person, const TRSV501PersSvSL& el) {
  person.Number = el.Номер;
  const TRSV501DanFLPoluch* who = el.ДанФЛПолуч.get();
  if (!who) {
    person.FullName = person.SexText = person.SNILS = person.INN = std::string(kNotInFile);
    return;
  }
  person.FullName = who->ФИО ? FullNameOf(*who->ФИО) : std::string(kNotInFile);
  person.SexText = who->Пол == "1" ? "М" : who->Пол == "2" ? "Ж" : "Не определено";
  if (who->ФИО && !who->ФИО->Отчество.empty()) {
    const std::string_view indicated = SexOfPatronymic(who->ФИО->Отчество);
    person.SexMismatch = !indicated.empty() && indicated != who->Пол;
  }
  person.SNILS = who->СНИЛС.empty() ? "Не указан" : who->СНИЛС;
  person.INN = who->ИННФЛ.empty() ? "Не указан" : who->ИННФЛ;
  person.OPSFlag = who->ПризОПС;
  person.OMSFlag = who->ПризОМС;
  person.OSSFlag = who->ПризОСС;
}

}  // namespace

TZLRec TRSV501Prot::ListPerson(const TRSV501PersSvSL& el, std::uint32_t position) {
  if (!summaryIndex_) summaryIndex_.emplace();
  auto& [monthCategory, category, monthTariff, tariff] = *summaryIndex_;
  TZLRec person;
  FillIdentity(person, el);
  person.Position = position;
  if (person.OPSFlag == "1") ++OPSFlagCount;
  if (person.OMSFlag == "1") ++OMSFlagCount;
  if (person.OSSFlag == "1") ++OSSFlagCount;
  if (!el.СвВыплСВОПС) return person;

  std::vector<std::string> categories;  // distinct, in order of first appearance
  if (const TRSV501SvVyplVpFL* pay = el.СвВыплСВОПС->СвВыпл.get()) {
    person.MonthRows.reserve(pay->СвВыплМК.size());
    for (const TRSV501SvVyplMK& mk : pay->СвВыплМК) {
      person.MonthRows.push_back({mk.Месяц, mk.КодКатЛиц, mk.СумВыпл, mk.ВыплОПС, mk.ВыплОПСДог, mk.НачислСВ});
      TRSV501MonthCategoryTotalRec& total =
          FindOrAppend(MonthCategoryTotals, monthCategory, PairKey(mk.Месяц, mk.КодКатЛиц), [&] {
            TRSV501MonthCategoryTotalRec rec;
            rec.Month = mk.Месяц;
            rec.CategoryCode = mk.КодКатЛиц;
            return rec;
          });
      total.Payments += mk.СумВыпл;
      total.Base += mk.ВыплОПС;
      total.ContractBase += mk.ВыплОПСДог;
      total.Contributions += mk.НачислСВ;
      ++total.Count;
      if (std::find(categories.begin(), categories.end(), mk.КодКатЛиц) == categories.end())
        categories.push_back(mk.КодКатЛиц);
    }
  }
  for (const std::string& code : categories) {
    ++FindOrAppend(CategoryTotals, category, code, [&] {
        TRSV501CategoryTotalRec rec;
        rec.CategoryCode = code;
        return rec;
      }).Count;
  }

  std::vector<std::string> tariffs;
  if (const TRSV501SvVyplFPDop* add = el.СвВыплСВОПС->ВыплСВДоп.get()) {
    person.AddRows.reserve(add->ВыплСВДопМТ.size());
    for (const TRSV501VyplSvDopMT& mt : add->ВыплСВДопМТ) {
      person.AddRows.push_back({mt.Месяц, mt.Тариф, mt.ВыплСВ, mt.НачислСВ});
      TRSV501MonthTariffTotalRec& total =
          FindOrAppend(MonthTariffTotals, monthTariff, PairKey(mt.Месяц, mt.Тариф), [&] {
            TRSV501MonthTariffTotalRec rec;
            rec.Month = mt.Месяц;
            rec.TariffCode = mt.Тариф;
            return rec;
          });
      total.Payments += mt.ВыплСВ;
      total.Contributions += mt.НачислСВ;
      ++total.Count;
      if (std::find(tariffs.begin(), tariffs.end(), mt.Тариф) == tariffs.end()) tariffs.push_back(mt.Тариф);
    }
  }
  for (const std::string& code : tariffs) {
    ++FindOrAppend(TariffTotals, tariff, code, [&] {
        TRSV501TariffTotalRec rec;
        rec.TariffCode = code;
        return rec;
      }).Count;
  }
  return person;
}

void TRSV501Prot::FinishSummaries() {
  summaryIndex_.reset();
  std::unordered_map<std::string, std::size_t> category, tariff;
  for (std::size_t i = 0; i < CategoryTotals.size(); ++i) category.try_emplace(CategoryTotals[i].CategoryCode, i);
  for (std::size_t i = 0; i < TariffTotals.size(); ++i) tariff.try_emplace(TariffTotals[i].TariffCode, i);
  for (const TZLRec& person : Persons) {
    for (const TZLMonthRec& row : person.MonthRows) {
      TRSV501CategoryTotalRec& total = CategoryTotals[category.at(row.CategoryCode)];
      total.Payments += row.Payments;
      total.Base += row.Base;
      total.ContractBase += row.ContractBase;
      total.Contributions += row.Contributions;
    }
    for (const TZLAddRec& row : person.AddRows) {
      TRSV501TariffTotalRec& total = TariffTotals[tariff.at(row.TariffCode)];
      total.Payments += row.Payments;
      total.Contributions += row.Contributions;
    }
  }
  // Position breaks the ties as a stable sort would, without the stable sort's buffer of
  // half the list.
  std::sort(Persons.begin(), Persons.end(), [](const TZLRec& a, const TZLRec& b) {
    return a.Number != b.Number ? a.Number < b.Number : a.Position < b.Position;
  });
  for (std::size_t i = 0; i < Persons.size(); ++i) Persons[i].Ordinal = static_cast<std::int32_t>(i + 1);
}

}  // namespace orsvelt
