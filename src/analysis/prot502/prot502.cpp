#include "analysis/prot502/prot502.h"

#include <algorithm>

#include "analysis/checks/year_checks.h"
#include "analysis/common/protocol_file.h"
#include "analysis/common/report_texts.h"
#include "analysis/prot502/earlier_files.h"
#include "analysis/prot502/prot502_writers.h"
#include "model/file_view.h"
#include "model/rsv502/document.h"
#include "model/rsv502/view_lines.h"
#include "model/view/held_persons.h"
#include "model/rsvnalog.h"
#include "reference/period_codes.h"
#include "reference/place_codes.h"
#include "xml/path_text.h"

namespace orsvelt {

bool TRSV502ProtComposition::AnyAppendix2To9() const {
  return std::any_of(Appendix2To9.begin(), Appendix2To9.end(), [](bool present) { return present; });
}

TRSV502Prot::TRSV502Prot() = default;
TRSV502Prot::~TRSV502Prot() = default;

void TRSV502Prot::ClearResults() {
  errorText_.clear();
  readErrors_.clear();
  reportYear_ = -1;
  periodCode_.clear();
  correctionNumber_ = -1;
  placeName_.clear();
  earlierFiles_.clear();
  formatLabel_ = kRsv502FormatLabel;
  payer_ = {};
  composition_ = {};
  persons_.clear();
  totals_.reset();
  personIndex_.Clear();
  categoryCodes_.clear();
  texts_.Clear();
  lastCategoryCode_ = {};
}

bool TRSV502Prot::Analyse(TRSVFile& file, const std::filesystem::path& folder) {
  mainFileName_ = file.FileId + ".xml";
  ClearResults();
  TakeRunStamp();
  readErrors_ = file.Errors;
  // One view of the main file serves the description, the collection and the checks. It
  // takes the model's persons over, so that they are gone before the earlier files are read.
  const std::optional<view::ReportView> mainView = TakeReportView(file);
  if (!mainView || !DescribeMain(file, *mainView)) {
    errorText_ = "Файл не прочитан.";
    return false;
  }
  checks_.reset();
  checks::YearChecks yearChecks(file);
  std::vector<std::string> unreadable;
  const auto chosen = ChooseEarlierReports(file, folder, &unreadable);
  for (const std::string& name : unreadable) yearChecks.NoteUnreadable(name);
  yearChecks_ = &yearChecks;
  CollectEarlierFiles(chosen);
  yearChecks_ = nullptr;
  ProgressCounter persons(progress_, ProgressStage::Persons, composition_.Section3Persons);
  Collect(*mainView, 0, &persons);
  BuildTotals();
  persons.Finish();
  yearChecks.SetYearPersons(YearPersonsForChecks());
  checks_ = std::make_shared<const checks::CheckResult>(yearChecks.Run(*mainView));
  return true;
}

ReportKeyOf TRSV502Prot::KeyOf() const { return ReportKey502; }

std::vector<EarlierReport> TRSV502Prot::ChooseEarlierReports(const TRSVFile& file, const std::filesystem::path& folder,
                                                             std::vector<std::string>* unreadable) {
  return FindEarlierReports(folder, *KeyOf()(file), KeyOf(), unreadable, titles_, progress_);
}

bool TRSV502Prot::DescribeMain(const TRSVFile& file, const view::ReportView& view) {
  if (!file.Document502) return false;
  const TRSV502Document& doc = *file.Document502;
  reportYear_ = doc.ОтчетГод;
  periodCode_ = doc.Период;
  correctionNumber_ = doc.НомКорр;
  placeName_ = PlaceText(PlaceRows502(), doc.ПоМесту);

  if (doc.НПЮЛ) {
    payer_ = {"Юридическое лицо", doc.НПЮЛ->НаимОрг, doc.НПЮЛ->ИННЮЛ, doc.НПЮЛ->КПП};
  } else if (doc.НПФЛ) {
    payer_.Type = "Физическое лицо или индивидуальный предприниматель";
    if (doc.НПФЛ->ФИО) payer_.Name = FullNameOf(*doc.НПФЛ->ФИО);
    payer_.Inn = doc.НПФЛ->ИННФЛ;
  }

  if (!doc.РасчетСВ) return true;  // a damaged report: nothing to describe
  const TRSV502RaschetSV& calc = *doc.РасчетСВ;
  TRSV502ProtComposition& c = composition_;
  if (const TRSV502ObyazPlatSV* s1 = calc.ОбязПлатСВ.get()) {
    c.Section1 = true;
    c.Appendix1Count = static_cast<int>(s1->РасчСВ_ОПС_ОМС.size());
    c.Appendix2To9 = {s1->РасчСВ_ОСС_ВНМ != nullptr,    s1->РасхОССЗак != nullptr,
                      s1->ВыплФинФБ != nullptr,         s1->ПравТариф3_1_427 != nullptr,
                      s1->ПравТариф7_1_427 != nullptr,  s1->ПравТариф15_1_427 != nullptr,
                      s1->СвПримТариф2_2_425 != nullptr, s1->СвПримТариф1_3_422 != nullptr};
  }
  if (const TRSV502ObyazPlatSV_KFH* s2 = calc.ОбязПлатСВ_КФХ.get()) {
    c.Section2 = true;
    c.Section2Pension = s2->УплПерОПС != nullptr;
    c.Section2Medical = s2->УплПерОМС != nullptr;
    c.Section2Appendix1 = s2->РасчСВ_КФХ != nullptr;
    c.Section2Members = s2->РасчСВ_КФХ ? static_cast<int>(s2->РасчСВ_КФХ->СведЧлКФХ.size()) : 0;
  }
  c.Section3Persons = static_cast<int>(view.section3.persons.size());
  return true;
}

void TRSV502Prot::CollectEarlierFiles(const std::vector<EarlierReport>& chosen) {
  // The choice read titles only; the list and its numbers are those of the files that read whole.
  earlierFiles_.reserve(chosen.size());
  ProgressCounter stopCheck(progress_);  // an earlier file may be as large as the main one

  // A file's persons go from the reader into held persons while it is read, so that its
  // whole model is never built; they join the collection once the file has read as a whole.
  // Where the checks want a file's persons (a correction's own period) its model keeps them.
  bool handingOff = false;
  view::HeldPersons held;
  view::Section3 one;  // the person at hand as the view reads it
  const TRSV502PersonHandOff handOff([&] { held.Clear(); },
                                     [&](const TRSV502PersSvStrakhLic& person) {
                                       if (!handingOff) return false;
                                       one.persons.clear();
                                       one.rows.clear();
                                       one.extraRows.clear();
                                       rsv502::AddPerson(person, 0, 1, one);
                                       held.Add(one.persons.back(), one.RowsOf(one.persons.back()));
                                       return true;
                                     });
  const auto reading = [&](const EarlierReport& report) {
    held.Clear();
    handingOff = !yearChecks_ || !yearChecks_->NeedsPersonsOf(report.key.PeriodCode);
  };
  const auto take = [&](const EarlierReport& report, const TRSVFile& file, int number) {
    const std::optional<view::ReportView> v = MakeReportView(file);
    if (!v) return;  // the key accepted it, so every version read here has a view
    const view::Title& t = v->title;
    earlierFiles_.push_back({PathToUtf8(report.path.filename()), file.FormatVersion, t.year.value_or(-1),
                             std::string(t.period), t.correction.value_or(-1), PlaceText(PlaceRows502(), t.placeCode), {}});
    // The persons handed over came first in the file; a file read without the hand-off
    // keeps them in its model instead.
    Collect(held, QuarterOfPeriod(t.period), number, &stopCheck);
    held.Clear();
    Collect(*v, number, &stopCheck);
    if (yearChecks_) yearChecks_->AddEarlier(file);
  };
  ReadEarlierReports(chosen, KeyOf(), take, progress_, reading);
}

bool TRSV502Prot::WriteHtmlTo(ProtocolSink& sink, ProtocolHeader header) {
  header.runStamp = RunStamp();
  return WriteProtocol(sink, [&](ProtocolWriter& out) { WriteHtmlProtocol502(out, *this, header); }, errorText_);
}

bool TRSV502Prot::WriteSpreadsheetTo(ProtocolSink& sink, ProtocolHeader header) {
  header.runStamp = RunStamp();
  return WriteProtocol(sink, [&](ProtocolWriter& out) { WriteWorkbookProtocol502(out, *this, header); },
                       errorText_);
}

bool TRSV502Prot::WriteHtml(const std::filesystem::path& path) {
  ProtocolHeader header;
  header.runStamp = RunStamp();
  return WriteProtocolFile(
      path, [&](ProtocolWriter& out) { WriteHtmlProtocol502(out, *this, header); }, errorText_, progress_);
}

bool TRSV502Prot::WriteSpreadsheet(const std::filesystem::path& path) {
  ProtocolHeader header;
  header.runStamp = RunStamp();
  return WriteProtocolFile(path, [&](ProtocolWriter& out) { WriteWorkbookProtocol502(out, *this, header); },
                           errorText_, progress_);
}

}  // namespace orsvelt
