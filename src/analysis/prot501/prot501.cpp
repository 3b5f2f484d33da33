#include "analysis/prot501/prot501.h"

#include <optional>

#include "analysis/checks/check_context.h"
#include "analysis/checks/year_checks.h"
#include "analysis/common/report_texts.h"
#include "analysis/prot501/listed_persons.h"
#include "analysis/prot501/waiting_persons.h"
#include "model/file_view.h"
#include "model/rsv501/document.h"
#include "model/rsvnalog.h"
#include "reference/base_limits.h"
#include "reference/period_codes.h"
#include "reference/place_codes.h"

namespace orsvelt {

void TRSV501Prot::Reset() {
  static_cast<TRSV501ProtData&>(*this) = TRSV501ProtData();
  yearIndex_.Clear();
  categoryNumbers_.clear();
  summaryIndex_.reset();
  errorText_.clear();
}

void TRSV501Prot::TakeTitle(const TRSVFile& file, const TRSV501Document& doc) {
  PeriodText = orsvelt::PeriodText(doc.Период, doc.ОтчетГод, UnknownPeriod::Undetermined);
  // Empty for an unknown period and for the deregistration codes, which carry no quarter.
  for (std::string_view month : MonthsOfPeriod(doc.Период)) PeriodMonths.emplace_back(month);
  CorrectionNumber = doc.НомКорр;
  Year = doc.ОтчетГод;
  PlaceText = orsvelt::PlaceText(PlaceRows501(), doc.ПоМесту);
  FileName = file.FileId + ".xml";
  FormatVersion = file.FormatVersion;

  if (doc.НПЮЛ) {
    PayerType = "Юридическое лицо";
    PayerName = doc.НПЮЛ->НаимОрг;
    PayerINN = doc.НПЮЛ->ИННЮЛ;
    PayerKPP = doc.НПЮЛ->КПП;
  } else if (doc.НПИП) {
    PayerType = "Индивидуальный предприниматель, глава крестьянского (фермерского) хозяйства";
    PayerName = doc.НПИП->ФИОИП ? FullNameOf(*doc.НПИП->ФИОИП) : "Не указаны";
    PayerINN = doc.НПИП->ИННФЛ;
    PayerKPP = "Не предусмотрено";
  } else if (doc.НПФЛ) {
    PayerType = "Физическое лицо, не являющееся ИП";
    PayerName = doc.НПФЛ->ФИО ? FullNameOf(*doc.НПФЛ->ФИО) : "Не указаны";
    PayerINN = doc.НПФЛ->ИННФЛ;
    PayerKPP = "Не предусмотрено";
  } else {
    PayerType = PayerName = PayerINN = PayerKPP = std::string(kUndetermined);
  }

  const std::string year = std::to_string(Year);
  PensionLimit = LimitOfYear(PensionLimitRows501(), year).value_or(0);
  if (const auto social = LimitOfYear(SocialLimitRows501(), year)) {
    SocialLimitKnown = true;
    SocialLimit = *social;
  }
}

bool TRSV501Prot::Analyse(TRSVFile& file, const std::filesystem::path& folder) {
  Reset();
  TakeRunStamp();
  if (!file.Document501) {
    errorText_ = "Файл не прочитан.";
    ReadErrors = file.Errors;
    return false;
  }
  const TRSV501Document& doc = *file.Document501;
  TakeTitle(file, doc);
  ReadErrors = file.Errors;
  checks_.reset();
  if (!TakeComposition(doc)) {
    errorText_ =
        "В разделе 2 отсутствует подраздел \"Расчет сумм страховых взносов, подлежащих уплате за главу и членов "
        "крестьянского (фермерского) хозяйства\".";
    return false;
  }
  TakeFarmMembers(doc);

  // The main file's persons are taken into what is kept of them (the checks' view, and packed
  // until they are needed: the protocol's list and the records for the accumulation) before
  // the earlier files are read, and its model lets them go: a large year would otherwise hold
  // the model through the accumulation and the checks.
  prot501::WaitingPersons mainPersons;
  prot501::ListedPersons listed;
  ProgressCounter stopCheck(progress_);
  TRSV501YearPersonRec taken;
  std::optional<view::ReportView> mainView = TakeReportView(file, [&](const TRSV501PersSvSL& el) {
    stopCheck.Step();
    listed.Add(ListPerson(el, static_cast<std::uint32_t>(listed.size())));
    if (TakeYearPerson(el, taken)) mainPersons.Add(taken);
  });

  // Gone once run: what it gathered (the year's persons among it) is not needed after.
  std::optional<checks::YearChecks> yearChecks(std::in_place, file);
  yearChecks_ = &*yearChecks;
  ReadEarlierFiles(folder, file);
  yearChecks_ = nullptr;

  ProgressCounter persons(progress_, ProgressStage::Persons, PersonCount);
  mainPersons.TakeAll([&](const TRSV501YearPersonRec& person) {
    persons.Step();
    AddToAccumulation(person, 0);
  });
  FinishAccumulation();
  yearChecks->SetYearPersons(YearPersonsForChecks());
  CheckResults = checks_ =
      std::make_shared<const checks::CheckResult>(mainView ? yearChecks->Run(*mainView) : checks::CheckResult());
  yearChecks.reset();
  mainView.reset();
  Persons.reserve(listed.size());
  listed.TakeAll([&](TZLRec& person) { Persons.push_back(std::move(person)); });
  FinishSummaries();
  BuildComparisons(doc);
  persons.Finish();
  return true;
}

}  // namespace orsvelt
