#pragma once
// The adapter of format 5.01 to the format-neutral report view.

#include <string_view>

#include "model/view/report_view.h"

namespace orsvelt {

struct TRSVFile;
struct TRSV501Document;

// The view of a 5.01 report. The view refers into file and doc (see report_view.h);
// rootPath is the path TRSVFile::Load was given.
view::ReportView MakeReportView501(const TRSVFile& file, const TRSV501Document& doc, std::string_view rootPath = {});

}  // namespace orsvelt
