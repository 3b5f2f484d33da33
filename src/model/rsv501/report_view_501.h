#pragma once
// The adapter of format 5.01 to the format-neutral report view.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "model/view/report_view.h"

namespace orsvelt {

struct TRSVFile;
struct TRSV501Document;
struct TRSV501PersSvSL;
struct TRSV501RaschetSV;

// The view of a 5.01 report. The view refers into file and doc (see report_view.h);
// rootPath is the path TRSVFile::Load was given.
view::ReportView MakeReportView501(const TRSVFile& file, const TRSV501Document& doc, std::string_view rootPath = {});

}  // namespace orsvelt

namespace orsvelt::rsv501 {

// The number of the first person among the children of "РасчетСВ", counted from 0 as the
// paths of 5.01 number them.
std::uint32_t FirstPersonNumber(const TRSV501RaschetSV& r);

// Sees a person of the model just before it is let go.
using PersonVisit = std::function<void(const TRSV501PersSvSL&)>;

// Section 3 of the view for a section that outlives the model's persons (TakePersons); each
// is handed to visit (which may be empty) before it is taken.
void TakeSection3(std::vector<TRSV501PersSvSL>& persons, std::uint32_t firstNumber, const PersonVisit& visit,
                  view::Section3& s);

}  // namespace orsvelt::rsv501
