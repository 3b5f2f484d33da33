#include "model/file_view.h"

#include <utility>

#include "model/rsv501/document.h"
#include "model/rsv501/report_view_501.h"
#include "model/rsv502/document.h"
#include "model/rsv502/report_view_502.h"
#include "model/rsv502/view_lines.h"
#include "model/rsv505/document.h"
#include "model/rsv505/report_view_505.h"
#include "model/rsvnalog.h"
#include "reference/period_codes.h"

namespace orsvelt {

std::optional<view::ReportView> MakeReportView(const TRSVFile& file, std::string_view rootPath) {
  if (file.Document501) return MakeReportView501(file, *file.Document501, rootPath);
  if (file.Document502) return MakeReportView502(file, *file.Document502, rootPath);
  if (file.Document503) return MakeReportView502(file, *file.Document503, rootPath);
  if (file.Document505) return MakeReportView505(file, *file.Document505, rootPath);
  return std::nullopt;
}

namespace {

// The view of the file with its persons out of the way, then the persons taken into it.
template <class Raschet, class Take>
std::optional<view::ReportView> TakeWithPersons(TRSVFile& file, Raschet& r, Take&& take) {
  auto persons = std::exchange(r.ПерсСвСтрахЛиц, {});
  std::optional<view::ReportView> v = MakeReportView(file);
  if (v) take(persons, *v);
  return v;
}

template <class Raschet>
std::optional<view::ReportView> TakeWithPersons502(TRSVFile& file, Raschet& r) {
  return TakeWithPersons(file, r, [&](std::vector<TRSV502PersSvStrakhLic>& persons, view::ReportView& v) {
    rsv502::TakeSection3(persons, rsv502::FirstPersonNumber(r), QuarterOfPeriod(v.title.period), v.section3);
  });
}

}  // namespace

std::optional<view::ReportView> TakeReportView(TRSVFile& file, const rsv501::PersonVisit& visit501) {
  for (TRSV502Document* doc : {file.Document502.get(), file.Document503.get()})
    if (doc && doc->РасчетСВ) return TakeWithPersons502(file, *doc->РасчетСВ);
  if (file.Document505 && file.Document505->РасчетСВ) return TakeWithPersons502(file, *file.Document505->РасчетСВ);
  if (file.Document501 && file.Document501->РасчетСВ) {
    TRSV501RaschetSV& r = *file.Document501->РасчетСВ;
    return TakeWithPersons(file, r, [&](std::vector<TRSV501PersSvSL>& persons, view::ReportView& v) {
      rsv501::TakeSection3(persons, rsv501::FirstPersonNumber(r), visit501, v.section3);
    });
  }
  return MakeReportView(file);
}

}  // namespace orsvelt
