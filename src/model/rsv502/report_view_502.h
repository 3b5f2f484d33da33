#pragma once
// The adapter of formats 5.02, 5.03 and 5.04 to the format-neutral report view.

#include <string_view>

#include "model/view/report_view.h"

namespace orsvelt {

struct TRSVFile;
struct TRSV502Document;

// The view of a 5.02 (5.03, 5.04) report. The view refers into file and doc (see report_view.h);
// rootPath is the path TRSVFile::Load was given. Months of section 3 (1..3 within the
// quarter) become calendar months through the period code; under a code of no quarter
// they are 0.
view::ReportView MakeReportView502(const TRSVFile& file, const TRSV502Document& doc, std::string_view rootPath = {});

}  // namespace orsvelt
