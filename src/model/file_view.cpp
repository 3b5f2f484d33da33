#include "model/file_view.h"

#include "model/rsv501/document.h"
#include "model/rsv501/report_view_501.h"
#include "model/rsv502/document.h"
#include "model/rsv502/report_view_502.h"
#include "model/rsv505/document.h"
#include "model/rsv505/report_view_505.h"
#include "model/rsvnalog.h"

namespace orsvelt {

std::optional<view::ReportView> MakeReportView(const TRSVFile& file, std::string_view rootPath) {
  if (file.Document501) return MakeReportView501(file, *file.Document501, rootPath);
  if (file.Document502) return MakeReportView502(file, *file.Document502, rootPath);
  if (file.Document503) return MakeReportView502(file, *file.Document503, rootPath);
  if (file.Document505) return MakeReportView505(file, *file.Document505, rootPath);
  return std::nullopt;
}

}  // namespace orsvelt
