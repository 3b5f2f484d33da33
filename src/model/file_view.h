#pragma once
// The format-neutral view of a loaded report, by the adapter of its format version.

#include <optional>
#include <string_view>

#include "model/rsv501/report_view_501.h"
#include "model/view/report_view.h"

namespace orsvelt {

struct TRSVFile;

// The view of the file's document, or nothing when it holds none. The view refers into
// file (see model/view/report_view.h); rootPath is the path TRSVFile::Load was given.
std::optional<view::ReportView> MakeReportView(const TRSVFile& file, std::string_view rootPath = {});

// MakeReportView for a view that outlives the persons of section 3, the bulk of a large
// report's model: they are taken over into the view, which keeps their texts, and are gone
// from the file. What else the view shows still refers into the file.
// visit501 sees each person of a 5.01 report before it goes (rsv501::TakeSection3).
std::optional<view::ReportView> TakeReportView(TRSVFile& file, const rsv501::PersonVisit& visit501 = {});

}  // namespace orsvelt
