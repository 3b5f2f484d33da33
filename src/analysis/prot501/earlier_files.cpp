#include "analysis/prot501/earlier_files.h"

#include "analysis/checks/year_checks.h"
#include "analysis/common/report_texts.h"
#include "analysis/prot501/prot501.h"
#include "analysis/prot501/waiting_persons.h"
#include "model/rsv501/document.h"
#include "model/rsvnalog.h"
#include "reference/place_codes.h"

namespace orsvelt {

namespace {

// INN of the payer of whichever form the document holds; false when it holds none.
bool PayerInnOf(const TRSV501Document& doc, std::string& inn) {
  if (doc.НПЮЛ) inn = doc.НПЮЛ->ИННЮЛ;
  else if (doc.НПИП) inn = doc.НПИП->ИННФЛ;
  else if (doc.НПФЛ) inn = doc.НПФЛ->ИННФЛ;
  else return false;
  return true;
}

}  // namespace

std::optional<ReportKey> ReportKey501(const TRSVFile& file) {
  if (!file.Document501) return std::nullopt;
  const TRSV501Document& doc = *file.Document501;
  ReportKey key;
  if (!PayerInnOf(doc, key.Inn)) return std::nullopt;
  if (doc.НПЮЛ) key.Kpp = doc.НПЮЛ->КПП;
  key.Year = doc.ОтчетГод;
  key.PeriodCode = doc.Период;
  key.CorrectionNumber = doc.НомКорр;
  return key;
}

void TRSV501Prot::ReadEarlierFiles(const std::filesystem::path& folder, const TRSVFile& mainFile) {
  const std::optional<ReportKey> main = ReportKey501(mainFile);
  if (!main) return;
  std::vector<std::string> unreadable;
  const auto chosen = FindEarlierReports(folder, *main, ReportKey501, yearChecks_ ? &unreadable : nullptr, titles_,
                                         progress_);
  for (const std::string& name : unreadable) yearChecks_->NoteUnreadable(name);
  ProgressCounter stopCheck(progress_);  // an earlier file may be as large as the main one

  // A file's persons go from the reader into small records while it is read, so that its
  // whole model is never built; they join the accumulation once the file has read as a
  // whole. Where the checks want a file's persons (a correction's own period) its model
  // keeps them.
  bool handingOff = false;
  prot501::WaitingPersons read;
  TRSV501YearPersonRec taken;  // reused: its strings and rows keep their storage
  std::size_t elements = 0;
  const auto forget = [&] {
    read.Clear();
    elements = 0;
  };
  const TRSV501PersonHandOff handOff(forget,
                                     [&](const TRSV501PersSvSL& el) {
                                       if (!handingOff) return false;
                                       ++elements;
                                       if (TakeYearPerson(el, taken)) read.Add(taken);
                                       return true;
                                     });
  const auto reading = [&](const EarlierReport& report) {
    forget();
    handingOff = !yearChecks_ || !yearChecks_->NeedsPersonsOf(report.key.PeriodCode);
  };
  const auto take = [&](const EarlierReport&, const TRSVFile& file, int number) {
    const TRSV501Document& doc = *file.Document501;
    TRSV501EarlierFileRec& rec = EarlierFiles.emplace_back();
    rec.FileName = file.FileId + ".xml";
    rec.FormatVersion = file.FormatVersion;
    rec.PeriodText = orsvelt::PeriodText(doc.Период, doc.ОтчетГод, UnknownPeriod::Undetermined);
    rec.CorrectionNumber = doc.НомКорр;
    rec.PlaceText = orsvelt::PlaceText(PlaceRows501(), doc.ПоМесту);
    if (yearChecks_) yearChecks_->AddEarlier(file);
    for (std::size_t i = 0; i < elements; ++i) stopCheck.Step();
    read.TakeAll([&](const TRSV501YearPersonRec& person) { AddToAccumulation(person, number); });
    if (doc.РасчетСВ && !doc.РасчетСВ->ПерсСвСтрахЛиц.empty()) AddToAccumulation(doc, number, &stopCheck);
  };
  ReadEarlierReports(chosen, ReportKey501, take, progress_, reading);
}

}  // namespace orsvelt
