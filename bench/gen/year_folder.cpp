#include "year_folder.h"

#include <cstdio>
#include <stdexcept>

#include "report_writers.h"

namespace orsvelt::bench {

namespace {

// Ten-digit organisation INN with its check digit.
std::string OrganisationInn(std::string_view prefix, std::uint64_t number) {
  std::string d(prefix);
  char tail[8];
  std::snprintf(tail, sizeof tail, "%05u", static_cast<unsigned>(number % 100000));
  d += tail;
  constexpr int w[] = {2, 4, 10, 3, 5, 9, 4, 6, 8};
  int s = 0;
  for (int i = 0; i < 9; ++i) s += (d[i] - '0') * w[i];
  d += static_cast<char>('0' + s % 11 % 10);
  return d;
}

std::string Guid(const THash& hash, std::uint64_t fileNo) {
  const std::uint64_t a = hash.Of(Purpose::Guid, fileNo), b = hash.Of(Purpose::Guid, fileNo, 1);
  char text[40];
  std::snprintf(text, sizeof text, "%08x-%04x-%04x-%04x-%012llx", static_cast<unsigned>(a >> 32),
                static_cast<unsigned>((a >> 16) & 0xFFFF), static_cast<unsigned>(0x4000 | (a & 0x0FFF)),
                static_cast<unsigned>(0x8000 | ((b >> 48) & 0x3FFF)),
                static_cast<unsigned long long>(b & 0xFFFFFFFFFFFFull));
  return text;
}

// "dd.mm.yyyy" -> "yyyymmdd"
std::string FileDate(const std::string& date) { return date.substr(6, 4) + date.substr(3, 2) + date.substr(0, 2); }

// The limits of the years: pension and social to 2022, the single limit from 2023.
struct TFormatYear {
  std::string_view format;
  TYearRules rules;
};
constexpr TFormatYear kFormatYears[] = {
    {"5.01", {2017, 87600000, 75500000}},  {"5.02", {2020, 115000000, 86500000}},
    {"5.03", {2021, 146500000, 96600000}}, {"5.04", {2022, 156500000, 103200000}},
    {"5.05", {2023, 191700000, 0}},        {"5.06", {2024, 222500000, 0}},
    {"5.07", {2025, 275900000, 0}},        {"5.08", {2026, 297900000, 0}},
};

const TFormatYear* FindFormat(const std::string& format) {
  for (const TFormatYear& f : kFormatYears)
    if (f.format == format) return &f;
  return nullptr;
}

struct TFilePlan {
  const TPayer* payer;
  const TPayroll* payroll;
  TGeneratedReport content;
};

}  // namespace

int FolderYear(const std::string& format) {
  const TFormatYear* f = FindFormat(format);
  return f ? f->rules.year : 0;
}

TFolderResult GenerateYearFolder(const TFolderOptions& options) {
  const TFormatYear* known = FindFormat(options.format);
  if (!known) throw std::invalid_argument("unknown format " + options.format);
  TYearRules rules = known->rules;
  const bool later = options.format > "5.02";
  if (later) {
    rules.limitCrossers = options.limitCrossers;
    rules.correctionChangesFirst = true;
  }
  const std::string y = std::to_string(rules.year), next = std::to_string(rules.year + 1);

  const THash hash(options.seed);
  TPayer main;
  main.name = "Акционерное общество \"Северная мануфактура\"";
  main.inn = OrganisationInn("7702", hash.Of(Purpose::Inn, 1));
  main.kpp = "770201001";
  main.codeNO = "7702";
  main.oktmo = "45379000";
  main.okved = "13.92";
  main.phone = "84951234567";
  main.signerSurname = "Белова";
  main.signerName = "Ирина";
  main.signerPatronymic = "Петровна";
  main.salt = 1;
  TPayer other = main;
  other.name = "Общество с ограниченной ответственностью \"Речной порт & К\"";
  other.inn = OrganisationInn("7714", hash.Of(Purpose::Inn, 2));
  other.kpp = "771401001";
  other.codeNO = "7714";
  other.oktmo = "45333000";
  other.okved = "52.22";
  other.signerSurname = "Гришин";
  other.signerName = "Пётр";
  other.signerPatronymic = "Ильич";
  other.salt = 2;

  const TPersonPool mainPool(hash, main.salt), otherPool(hash, other.salt);
  const TStaffing staffing(options.persons);
  const TPayroll mainPayroll(hash, mainPool, staffing, rules), otherPayroll(hash, otherPool, staffing, rules);

  auto content = [&](const char* period, int quarter, int correction, std::string date, bool correctedQ2,
                  bool correctsQ2) {
    TGeneratedReport s;
    // 2026 began in the form of 2025: 5.08 came into force in May.
    s.format = options.format == "5.08" && quarter == 1 ? "5.07" : options.format;
    s.headcount = static_cast<std::int64_t>(options.persons);
    s.period = period;
    s.quarter = quarter;
    s.correction = correction;
    s.date = std::move(date);
    s.correctedQ2 = correctedQ2;
    s.correctsQ2 = correctsQ2;
    return s;
  };
  // The half-year report is corrected before the nine months are filed, so the later
  // reports sum the corrected second quarter.
  const std::vector<TFilePlan> plan = {
      {&main, &mainPayroll, content("21", 1, 0, "27.04." + y, false, false)},
      {&main, &mainPayroll, content("31", 2, 0, "28.07." + y, false, false)},
      {&main, &mainPayroll, content("31", 2, 1, "14.09." + y, true, true)},
      {&main, &mainPayroll, content("33", 3, 0, "27.10." + y, true, false)},
      {&main, &mainPayroll, content("34", 4, 0, "29.01." + next, true, false)},
      {&other, &otherPayroll, content("21", 1, 0, "30.04." + y, false, false)},
  };

  std::filesystem::create_directories(options.out);
  TFolderResult result;
  for (std::size_t n = 0; n < plan.size(); ++n) {
    const TFilePlan& f = plan[n];
    const std::string fileId = "NO_RASCHSV_" + f.payer->codeNO + "_" + f.payer->codeNO + "_" + f.payer->inn +
                               f.payer->kpp + "_" + FileDate(f.content.date) + "_" + Guid(hash, n);
    const std::filesystem::path path = options.out / (fileId + ".xml");
    if (options.format == "5.01")
      WriteReport501(path, f.content, *f.payer, *f.payroll, fileId);
    else if (rules.SingleLimit())
      WriteReport505(path, f.content, *f.payer, *f.payroll, fileId);
    else
      WriteReport502(path, f.content, *f.payer, *f.payroll, fileId);
    result.files.push_back(path);
    if (f.payer == &main && f.content.period == "34") result.mainFile = path;
  }
  return result;
}

}  // namespace orsvelt::bench
