#include "analysis/prot_later/prot_later.h"

#include <limits>
#include <utility>

#include "analysis/common/protocol_file.h"
#include "analysis/common/report_texts.h"
#include "analysis/common/saturating_sum.h"
#include "analysis/prot_later/earlier_files.h"
#include "analysis/prot_later/prot_later_writers.h"
#include "model/file_view.h"
#include "model/rsv502/document.h"
#include "model/rsv505/document.h"
#include "model/rsvnalog.h"
#include "reference/base_limits.h"
#include "reference/place_codes.h"
#include "xml/path_text.h"

namespace orsvelt {
namespace {

struct VersionLabel {
  std::string_view version, label;
};

// The years of the forms: 5.06 and 5.08 are established from files and the orders, the
// others follow from one version a year.
constexpr VersionLabel kLabels[] = {
    {"5.03", "5.03 (действует с отчётности за 1 кв-л 2021 года)"},
    {"5.04", "5.04 (действует с отчётности за 1 кв-л 2022 года)"},
    {"5.05", "5.05 (действует с отчётности за 1 кв-л 2023 года)"},
    {"5.06", "5.06 (действует с отчётности за 1 кв-л 2024 года)"},
    {"5.07", "5.07 (действует с отчётности за 1 кв-л 2025 года)"},
    {"5.08", "5.08 (действует с отчётности за 1 кв-л 2026 года)"},
};

constexpr std::string_view kSameAsMain = "не используется: тот же период и номер корректировки, что у основного файла";

template <class Calculation>
void DescribeSection2(const Calculation& calc, LaterComposition& parts) {
  if (!calc.ОбязПлатСВ_КФХ) return;
  parts.Section2 = true;
  if (calc.ОбязПлатСВ_КФХ->РасчСВ_КФХ)
    parts.Section2Members = static_cast<int>(calc.ОбязПлатСВ_КФХ->РасчСВ_КФХ->СведЧлКФХ.size());
}

std::string PayerName(const view::Payer& payer) {
  if (payer.kind == view::PayerKind::Organisation) return std::string(payer.name);
  std::string name = std::string(payer.surname) + " " + std::string(payer.givenName);
  if (!payer.patronymic.empty()) name += " " + std::string(payer.patronymic);
  return name;
}

TRSV502ProtFileRec PassedOverRecord(const PassedOverReport& passed) {
  const ReportKey& key = passed.report.key;
  return {PathToUtf8(passed.report.path.filename()), key.FormatVersion, key.Year, key.PeriodCode,
          key.CorrectionNumber, PlaceText(PlaceRows502(), key.PlaceCode), passed.reason};
}

}  // namespace

std::string_view LaterFormatLabel(std::string_view formatVersion) {
  for (const VersionLabel& row : kLabels)
    if (row.version == formatVersion) return row.label;
  return {};
}

bool TRSVLaterProt::Analyse(TRSVFile& file, const std::filesystem::path& folder) {
  parts_ = {};
  limit_.reset();
  passedOver_.clear();
  if (!TRSV502Prot::Analyse(file, folder)) return false;
  // After the used files, so that their numbers stay those the sources name.
  earlierFiles_.insert(earlierFiles_.end(), passedOver_.begin(), passedOver_.end());
  return true;
}

bool TRSVLaterProt::DescribeMain(const TRSVFile& file, const view::ReportView& view) {
  if (!file.Document503 && !file.Document505) return false;
  const view::Title& t = view.title;
  reportYear_ = t.year.value_or(-1);
  periodCode_ = std::string(t.period);
  correctionNumber_ = t.correction.value_or(-1);
  placeName_ = PlaceText(PlaceRows502(), t.placeCode);
  formatLabel_ = std::string(LaterFormatLabel(file.FormatVersion));

  const view::Payer& payer = view.payer;
  if (payer.kind == view::PayerKind::Organisation)
    payer_ = {"Юридическое лицо", PayerName(payer), std::string(payer.inn), std::string(payer.kpp)};
  else if (payer.kind != view::PayerKind::Unknown)
    payer_ = {"Физическое лицо или индивидуальный предприниматель", PayerName(payer), std::string(payer.inn), {}};

  parts_.Section1 = view.section1.present;
  parts_.TariffBlocks = static_cast<int>(view.section1.tariffs.size());
  parts_.OtherBlocks = static_cast<int>(view.section1.blocks.size());
  if (file.Document503 && file.Document503->РасчетСВ) DescribeSection2(*file.Document503->РасчетСВ, parts_);
  if (file.Document505 && file.Document505->РасчетСВ) {
    DescribeSection2(*file.Document505->РасчетСВ, parts_);
    parts_.Section6_1_431 = file.Document505->РасчетСВ->ОбязПлатСВ_6_1_431 != nullptr;
  }
  parts_.Section3Persons = static_cast<int>(view.section3.persons.size());
  composition_.Section3Persons = parts_.Section3Persons;  // the progress of the collection counts them

  // One limit a year: the pension limit while section 3 carried the pension base, the
  // unified limit from 2023.
  const std::string year = std::to_string(reportYear_);
  limit_ = reportYear_ >= 2023 ? UnifiedLimit(year) : PensionLimit(year);
  return true;
}

ReportKeyOf TRSVLaterProt::KeyOf() const { return ReportKeyLater; }

std::vector<EarlierReport> TRSVLaterProt::ChooseEarlierReports(const TRSVFile& file,
                                                               const std::filesystem::path& folder,
                                                               std::vector<std::string>* unreadable) {
  const ReportKey main = *ReportKeyLater(file);
  // Reports of the main file's own period and correction are found too, to be named as
  // passed over; the main file itself is told by its "ИдФайл".
  ReportKey widened = main;
  if (widened.CorrectionNumber < std::numeric_limits<std::int32_t>::max()) ++widened.CorrectionNumber;
  const std::string mainId = file.FileId;
  const ReportKeyOf others = [&](const TRSVFile& f) -> std::optional<ReportKey> {
    std::optional<ReportKey> key = ReportKeyLater(f);
    if (key && f.FileId == mainId && key->PeriodCode == main.PeriodCode &&
        key->CorrectionNumber == main.CorrectionNumber)
      return std::nullopt;
    return key;
  };
  std::vector<EarlierReport> found = FindEarlierReports(folder, widened, others, unreadable, titles_, progress_);

  std::vector<EarlierReport> chosen;
  std::vector<PassedOverReport> passed;
  for (EarlierReport& report : found) {
    if (report.key.PeriodCode == main.PeriodCode && report.key.CorrectionNumber == main.CorrectionNumber)
      passed.push_back({std::move(report), std::string(kSameAsMain)});
    else
      chosen.push_back(std::move(report));
  }
  SettleDuplicates(chosen, passed);
  for (const PassedOverReport& p : passed) passedOver_.push_back(PassedOverRecord(p));
  return chosen;
}

YearToDatePerson TRSVLaterProt::YearToDateOf(std::size_t index) const {
  YearToDatePerson person;
  person.Person = index;
  Amount cumulative = 0;
  for (int q = 1; q <= 4; ++q) {
    const TRSV502ProtQuartData* quarter = persons_[index].Quarter(q);
    if (!quarter) continue;
    for (std::size_t m = 0; m < 3; ++m) {
      YearToDateMonth& month = person.Months.emplace_back();
      month.Month = 3 * (q - 1) + static_cast<int>(m) + 1;
      month.Source = quarter->Source.Text();
      if (!quarter->Annulled)
        for (const TRSV502ProtCategory& category : quarter->Categories()) {
          AddSaturating(month.Base, category.Months[m].ВыплОПС);
          AddSaturating(month.Contributions, category.Months[m].НачислСВ);
        }
      AddSaturating(cumulative, month.Base);
      month.Cumulative = cumulative;
      month.AboveLimit = limit_ && cumulative > limit_->value;
    }
  }
  return person;
}

bool TRSVLaterProt::WriteHtmlTo(ProtocolSink& sink, ProtocolHeader header) {
  header.runStamp = RunStamp();
  return WriteProtocol(sink, [&](ProtocolWriter& out) { WriteHtmlProtocolLater(out, *this, header); }, errorText_);
}

bool TRSVLaterProt::WriteSpreadsheetTo(ProtocolSink& sink, ProtocolHeader header) {
  header.runStamp = RunStamp();
  return WriteProtocol(sink, [&](ProtocolWriter& out) { WriteWorkbookProtocolLater(out, *this, header); },
                       errorText_);
}

bool TRSVLaterProt::WriteHtml(const std::filesystem::path& path) {
  ProtocolHeader header;
  header.runStamp = RunStamp();
  return WriteProtocolFile(
      path, [&](ProtocolWriter& out) { WriteHtmlProtocolLater(out, *this, header); }, errorText_, progress_);
}

bool TRSVLaterProt::WriteSpreadsheet(const std::filesystem::path& path) {
  ProtocolHeader header;
  header.runStamp = RunStamp();
  return WriteProtocolFile(path, [&](ProtocolWriter& out) { WriteWorkbookProtocolLater(out, *this, header); },
                           errorText_, progress_);
}

}  // namespace orsvelt
