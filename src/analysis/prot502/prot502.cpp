#include "analysis/prot502/prot502.h"

#include <algorithm>
#include <exception>

#include "analysis/checks/year_checks.h"
#include "analysis/prot502/earlier_files.h"
#include "analysis/prot502/prot502_writers.h"
#include "analysis/prot502/report_file.h"
#include "markup/file_sink.h"
#include "model/rsv502/document.h"
#include "model/rsvnalog.h"
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
  personBySnils_.clear();
  personByInnWithoutSnils_.clear();
}

bool TRSV502Prot::Analyse(const TRSVFile& file, const std::filesystem::path& folder) {
  mainFileName_ = file.FileId + ".xml";
  ClearResults();
  TakeRunStamp();
  readErrors_ = file.Errors;
  if (!file.Document502) {
    errorText_ = "Файл не прочитан.";
    return false;
  }
  const TRSV502Document& doc = *file.Document502;
  DescribeMain(doc);
  checks_.reset();
  checks::YearChecks yearChecks(file);
  std::vector<std::string> unreadable;
  earlierFiles_ = prot502::FindEarlierFiles(folder, TRSV502ReportTitle::Of(doc), &unreadable);
  for (const std::string& name : unreadable) yearChecks.NoteUnreadable(name);
  yearChecks_ = &yearChecks;
  CollectEarlierFiles(folder);
  yearChecks_ = nullptr;
  Collect(file, 0);
  BuildTotals();
  checks_ = std::make_shared<const checks::CheckResult>(yearChecks.Run());
  return true;
}

void TRSV502Prot::DescribeMain(const TRSV502Document& doc) {
  reportYear_ = doc.ОтчетГод;
  periodCode_ = doc.Период;
  correctionNumber_ = doc.НомКорр;
  placeName_ = PlaceName502(doc.ПоМесту);

  if (doc.НПЮЛ) {
    payer_ = {"Юридическое лицо", doc.НПЮЛ->НаимОрг, doc.НПЮЛ->ИННЮЛ, doc.НПЮЛ->КПП};
  } else if (doc.НПФЛ) {
    payer_.Type = "Физическое лицо или индивидуальный предприниматель";
    if (doc.НПФЛ->ФИО) {
      const TFIO& fio = *doc.НПФЛ->ФИО;
      payer_.Name = fio.Фамилия + " " + fio.Имя;
      if (!fio.Отчество.empty()) payer_.Name += " " + fio.Отчество;
    }
    payer_.Inn = doc.НПФЛ->ИННФЛ;
  }

  if (!doc.РасчетСВ) return;  // a damaged report: nothing to describe
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
  c.Section3Persons = static_cast<int>(calc.ПерсСвСтрахЛиц.size());
}

void TRSV502Prot::CollectEarlierFiles(const std::filesystem::path& folder) {
  // The choice read titles only. A file whose whole text does not read leaves the list
  // here, as it would have left it had the choice read it whole, and the numbers close up.
  std::vector<TRSV502ProtFileRec> read;
  read.reserve(earlierFiles_.size());
  for (TRSV502ProtFileRec& rec : earlierFiles_) {
    TRSV502ReportFile report;
    if (!report.Load(folder / Utf8ToPath(rec.FileName), false)) continue;
    read.push_back(std::move(rec));
    Collect(report.File(), static_cast<int>(read.size()));
    if (yearChecks_) yearChecks_->AddEarlier(report.File());
  }
  earlierFiles_ = std::move(read);
}

namespace {

// Runs a writer on the sink; false with the reason when the protocol is not complete.
template <class Writer>
bool WriteProtocol(ProtocolSink& sink, std::string& errorText, Writer&& write) {
  try {
    ProtocolWriter out(sink);
    write(out);
    if (out.Finish()) return true;
    errorText = out.ErrorText();
  } catch (const std::exception& e) {
    errorText = e.what();
  }
  return false;
}

}  // namespace

bool TRSV502Prot::WriteHtmlTo(ProtocolSink& sink, ProtocolHeader header) {
  header.runStamp = RunStamp();
  return WriteProtocol(sink, errorText_, [&](ProtocolWriter& out) { WriteHtmlProtocol502(out, *this, header); });
}

bool TRSV502Prot::WriteSpreadsheetTo(ProtocolSink& sink, ProtocolHeader header) {
  header.runStamp = RunStamp();
  return WriteProtocol(sink, errorText_, [&](ProtocolWriter& out) { WriteWorkbookProtocol502(out, *this, header); });
}

bool TRSV502Prot::WriteHtml(const std::filesystem::path& path) {
  FileSink sink(path);
  return WriteHtmlTo(sink);
}

bool TRSV502Prot::WriteSpreadsheet(const std::filesystem::path& path) {
  FileSink sink(path);
  return WriteSpreadsheetTo(sink);
}

}  // namespace orsvelt
