#pragma once
// The adapter of formats 5.05 to 5.08 (2023 on) to the format-neutral report view.

#include <string_view>

#include "model/view/report_view.h"

namespace orsvelt {

struct TRSVFile;
struct TRSV505Document;

// The view of a 5.05 to 5.08 report. The view refers into file and doc (see report_view.h);
// rootPath is the path TRSVFile::Load was given. Each tariff code's "РасчСВ_ОПСОМС" is the
// one block of its tariff; the blocks of section 1 outside the tariffs are in
// Section1::blocks. Months of section 3 become calendar months through the period code.
view::ReportView MakeReportView505(const TRSVFile& file, const TRSV505Document& doc, std::string_view rootPath = {});

}  // namespace orsvelt
