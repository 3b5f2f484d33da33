// Year folders of the later formats (2021 to 2026): every file reads without a message,
// section 1 agrees with section 3 per tariff and month, no person's base passes the year's
// limit and the planned persons reach it in their month, the identity numbers carry sound
// check digits, the 5.08 layout passes the tax service's schema, and the folders committed
// under tests/data/later come out byte for byte.

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gen_test_support.h"
#include "model/rsv502/contributions.h"
#include "model/rsv502/document.h"
#include "model/rsv502/persons.h"
#include "model/rsv502/raschet.h"
#include "model/rsv502/sums.h"
#include "model/rsv505/contributions.h"
#include "model/rsv505/document.h"
#include "model/rsv505/raschet.h"
#include "reference/base_limits.h"
#include "reference/inn.h"
#include "reference/snils.h"
#include "support/test_support.h"
#include "xml/codepage.h"
#include "year_folder.h"

namespace orsvelt::bench {
namespace {

using gentest::Load;
using gentest::Quote;
using gentest::RunCommand;

constexpr std::uint64_t kPersons = 40;
constexpr int kCrossers = 3;

// The parts of a loaded report the checks read, whichever document class holds it.
struct TReportParts {
  std::string version, period, inn;
  int correction = 0;
  const std::vector<TRSV502PersSvStrakhLic>* persons = nullptr;
};

TReportParts PartsOf(const TRSVFile& f) {
  TReportParts p;
  p.version = f.FormatVersion;
  if (const auto& d = f.Document503) {
    p.period = d->Период;
    p.correction = d->НомКорр;
    p.inn = d->НПЮЛ ? d->НПЮЛ->ИННЮЛ : "";
    p.persons = &d->РасчетСВ->ПерсСвСтрахЛиц;
  } else if (const auto& d5 = f.Document505) {
    p.period = d5->Период;
    p.correction = d5->НомКорр;
    p.inn = d5->СвНП && d5->СвНП->НПЮЛ ? d5->СвНП->НПЮЛ->ИННЮЛ : "";
    p.persons = &d5->РасчетСВ->ПерсСвСтрахЛиц;
  }
  return p;
}

int QuarterOf(const std::string& period) { return period == "21" ? 1 : period == "31" ? 2 : period == "33" ? 3 : 4; }

std::string TariffOf(const std::string& category) {
  return category == "ОДИТ" || category == "ВЖИТ" || category == "ВПИТ" ? "06" : "01";
}

// Per tariff code: payments, base within the limit and contributions on it, months 1..3.
struct TTies {
  std::array<Amount, 3> paid{}, base{}, charged{};
  friend bool operator==(const TTies&, const TTies&) = default;
};

std::array<Amount, 3> Months(const TRSV502SvSum1& s) { return {s.Сум1Посл3М, s.Сум2Посл3М, s.Сум3Посл3М}; }

std::map<std::string, TTies> SectionThreeTies(const std::vector<TRSV502PersSvStrakhLic>& persons) {
  std::map<std::string, TTies> ties;
  for (const auto& p : persons) {
    if (!p.СвВыплСВОПС || !p.СвВыплСВОПС->СвВыпл) continue;
    for (const auto& mk : p.СвВыплСВОПС->СвВыпл->СвВыплМК) {
      TTies& t = ties[TariffOf(mk.КодКатЛиц)];
      t.paid[mk.Месяц - 1] += mk.СумВыпл;
      t.base[mk.Месяц - 1] += mk.ВыплОПС;
      t.charged[mk.Месяц - 1] += mk.НачислСВ;
    }
  }
  return ties;
}

class LaterFolder : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    TFolderOptions options{GetParam(), kPersons, 17, dir_.path()};
    options.limitCrossers = kCrossers;
    folder_ = GenerateYearFolder(options);
    year_ = FolderYear(GetParam());
  }
  bool SingleLimit() const { return year_ >= 2023; }
  orsvelt::test::TempDir dir_;
  TFolderResult folder_;
  int year_ = 0;
};

TEST_P(LaterFolder, EveryFileReadsWithoutAMessageUnderItsVersion) {
  ASSERT_EQ(folder_.files.size(), 6u);
  for (const auto& path : folder_.files) {
    auto l = Load(path);
    ASSERT_TRUE(l->parsed) << path << ": " << l->xml.ErrorText();
    EXPECT_TRUE(l->file.Errors.empty()) << path << ": first of " << l->file.Errors.size() << ": "
                                        << l->file.Errors.front();
    const TReportParts parts = PartsOf(l->file);
    ASSERT_NE(parts.persons, nullptr) << path;
    EXPECT_EQ(SingleLimit(), l->file.Document505 != nullptr) << path;
    // 2026 began in the form of 2025.
    const bool q1of2026 = std::string(GetParam()) == "5.08" && parts.period == "21";
    EXPECT_EQ(parts.version, q1of2026 ? "5.07" : GetParam()) << path;
    EXPECT_GT(parts.persons->size(), kPersons * 9 / 10) << path;
  }
}

TEST_P(LaterFolder, SectionOneAgreesWithSectionThreePerTariffAndMonth) {
  for (const auto& path : folder_.files) {
    auto l = Load(path);
    ASSERT_TRUE(l->parsed);
    const TReportParts parts = PartsOf(l->file);
    ASSERT_NE(parts.persons, nullptr);
    const auto three = SectionThreeTies(*parts.persons);
    std::map<std::string, TTies> one;
    Amount chargedAll[3] = {}, payable[3] = {};
    if (SingleLimit()) {
      const auto& s1 = *l->file.Document505->РасчетСВ->ОбязПлатСВ;
      for (const auto& block : s1.РасчСВ_ОПС_ОМС) {
        const auto& b = *block.РасчСВ_ОПСОМС;
        one[block.ТарифПлат] = {Months(*b.ВыплНачислФЛ), Months(*b.БазНеПревышОПС), Months(*b.НачислСВНеПрев)};
        const auto total = Months(*b.НачислСВ), within = Months(*b.НачислСВНеПрев), above = Months(*b.НачислСВПрев);
        const auto base = Months(*b.БазНачислСВ), paid = Months(*b.ВыплНачислФЛ), free = Months(*b.НеОбложенСВ);
        const auto baseWithin = Months(*b.БазНеПревышОПС), baseAbove = Months(*b.БазПревышОПС);
        for (int m = 0; m < 3; ++m) {
          EXPECT_EQ(base[m], paid[m] - free[m]) << path << " R5 " << block.ТарифПлат;
          EXPECT_EQ(base[m], baseWithin[m] + baseAbove[m]) << path << " R5 " << block.ТарифПлат;
          EXPECT_EQ(total[m], within[m] + above[m]) << path << " R5 " << block.ТарифПлат;
          chargedAll[m] += total[m];
        }
        EXPECT_EQ(b.НеПревБазОПС->КолВсегоПер + b.ПревБазОПС->КолВсегоПер, b.КолЛицНачСВВс->КолВсегоПер) << path;
      }
      payable[0] = s1.УплПерОПС->СумСВУпл1М;
      payable[1] = s1.УплПерОПС->СумСВУпл2М;
      payable[2] = s1.УплПерОПС->СумСВУпл3М;
      for (int m = 0; m < 3; ++m) EXPECT_EQ(chargedAll[m], payable[m]) << path << " R4, month " << m + 1;
    } else {
      // 2021-2022: section 3 gives the pension base and contributions, as in 5.02.
      for (const auto& block : l->file.Document503->РасчетСВ->ОбязПлатСВ->РасчСВ_ОПС_ОМС) {
        ASSERT_TRUE(block.РасчСВ_ОПС) << path;
        const auto& ops = *block.РасчСВ_ОПС;
        ASSERT_TRUE(ops.БазНеПревышОПС && ops.НачислСВНеПрев) << path;
        one[block.ТарифПлат] = {Months(*ops.ВыплНачислФЛ), Months(*ops.БазНеПревышОПС), Months(*ops.НачислСВНеПрев)};
        const auto base = Months(*ops.БазНачислСВ), within = Months(*ops.БазНеПревышОПС),
                   above = Months(*ops.БазПревышОПС);
        for (int m = 0; m < 3; ++m) EXPECT_EQ(base[m], within[m] + above[m]) << path;
      }
    }
    ASSERT_FALSE(one.empty()) << path;
    EXPECT_EQ(one, three) << path << ": R1-R3";
  }
}

TEST_P(LaterFolder, NoBaseAboveTheLimitAndThePlannedPersonsReachItInTheirMonth) {
  const std::string year = std::to_string(year_);
  const auto limit = SingleLimit() ? UnifiedLimit(year) : PensionLimit(year);
  ASSERT_TRUE(limit) << year;
  // The year of the main payer: each quarter from its latest correction.
  const std::string mainInn = PartsOf(Load(folder_.mainFile)->file).inn;
  std::map<int, std::pair<int, std::filesystem::path>> latest;
  std::map<std::string, std::array<Amount, 12>> base;  // per SNILS, per month
  for (const auto& path : folder_.files) {
    auto l = Load(path);
    const TReportParts parts = PartsOf(l->file);
    if (parts.inn != mainInn) continue;
    const int q = QuarterOf(parts.period);
    const auto it = latest.find(q);
    if (it == latest.end() || parts.correction > it->second.first) latest[q] = {parts.correction, path};
  }
  ASSERT_EQ(latest.size(), 4u);
  for (const auto& [q, chosen] : latest) {
    auto l = Load(chosen.second);
    for (const auto& p : *PartsOf(l->file).persons) {
      if (!p.СвВыплСВОПС) continue;
      auto& months = base[p.ДанФЛПолуч->СНИЛС];
      for (const auto& mk : p.СвВыплСВОПС->СвВыпл->СвВыплМК) months[(q - 1) * 3 + mk.Месяц - 1] += mk.ВыплОПС;
    }
  }
  std::multiset<int> reached;
  for (const auto& [snils, months] : base) {
    Amount cumulative = 0;
    int reachedIn = 0;
    for (int m = 1; m <= 12; ++m) {
      if (reachedIn) {
        EXPECT_EQ(months[m - 1], 0) << snils << ": a base after the limit, month " << m;
      }
      cumulative += months[m - 1];
      EXPECT_LE(cumulative, limit->value) << snils << ", month " << m;
      if (!reachedIn && cumulative == limit->value) reachedIn = m;
    }
    if (reachedIn) reached.insert(reachedIn);
  }
  for (int planned : {10, 5, 12}) EXPECT_GE(reached.count(planned), 1u) << "month " << planned;
}

TEST_P(LaterFolder, IdentityNumbersCarrySoundCheckDigits) {
  for (const auto& path : folder_.files) {
    auto l = Load(path);
    const TReportParts parts = PartsOf(l->file);
    EXPECT_EQ(CheckOrganisationInn(parts.inn), InnCheck::valid) << parts.inn;
    for (const auto& p : *parts.persons) {
      EXPECT_EQ(CheckSnils(p.ДанФЛПолуч->СНИЛС), SnilsCheck::valid) << p.ДанФЛПолуч->СНИЛС;
      if (!p.ДанФЛПолуч->ИННФЛ.empty()) {
        EXPECT_EQ(CheckPersonInn(p.ДанФЛПолуч->ИННФЛ), InnCheck::valid) << p.ДанФЛПолуч->ИННФЛ;
      }
    }
  }
}

TEST_P(LaterFolder, TheWholeCheckRunsOnceTheFormatIsAnalysed) {
  orsvelt::test::TempDir out;
  std::string printed;
  const int rc = RunCommand(std::string(ORSVELT_CLI) + " --format html --run-stamp '08.12.2026 10:00:00' --output " +
                                Quote(out / "protocol") + " " + Quote(folder_.mainFile),
                            printed);
  if (rc != 0 && printed.find("Неизвестный формат файла.") != std::string::npos)
    GTEST_SKIP() << "the analysis of " << GetParam() << " is not written yet";
  EXPECT_EQ(rc, 0) << printed;
}

INSTANTIATE_TEST_SUITE_P(Formats, LaterFolder, ::testing::Values("5.03", "5.04", "5.05", "5.06", "5.07", "5.08"),
                         [](const auto& info) {
                           std::string name = "F" + std::string(info.param);
                           name.erase(std::remove(name.begin(), name.end(), '.'), name.end());
                           return name;
                         });

// The single-tariff layout against the 5.08 schema; the files of 5.05 to 5.07 after their
// version is written as 5.08, since their elements are those of 5.08.
TEST(LaterFolderSchema, SingleTariffFilesValidateAgainstThe508Schema) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto xsd = orsvelt::test::ReferenceDir() / "schemas" / "NO_RASCHSV_1_162_00_05_08_02.xsd";
  std::string out;
  if (RunCommand("command -v xmllint", out) != 0) GTEST_SKIP() << "xmllint is not installed";
  for (const char* format : {"5.05", "5.08"}) {
    orsvelt::test::TempDir dir;
    TFolderOptions options{format, 60, 5, dir.path() / "year"};
    options.limitCrossers = 2;
    const auto folder = GenerateYearFolder(options);
    for (const auto& f : folder.files) {
      std::string bytes = orsvelt::test::ReadBytes(f);
      const std::string marker = Utf8ToCp1251("ВерсФорм=\"5.0");
      const auto at = bytes.find(marker);
      ASSERT_NE(at, std::string::npos) << f;
      bytes[at + marker.size()] = '8';
      const auto copy = dir.path() / f.filename();
      orsvelt::test::WriteBytes(copy, bytes);
      EXPECT_EQ(RunCommand("xmllint --noout --schema " + Quote(xsd) + " " + Quote(copy), out), 0)
          << out.substr(0, 2000);
    }
  }
}

// The small folders of tests/data/later and the example of 5.08 are this generator's output;
// they must not drift.
TEST(LaterTestData, CommittedFoldersComeOutByteForByte) {
  struct TCommitted {
    std::filesystem::path folder;
    const char* format;
    std::uint64_t persons, seed;
    int crossers;
  };
  const auto data = orsvelt::test::DataDir() / "later";
  for (const TCommitted& c : {TCommitted{data / "2021", "5.03", 6, 2021, 3}, TCommitted{data / "2023", "5.05", 6, 2023, 3},
                              TCommitted{data / "2026", "5.08", 6, 2026, 3},
                              TCommitted{orsvelt::test::ExamplesDir() / "5.08", "5.08", 5, 3, 1}}) {
    const auto& committed = c.folder;
    ASSERT_TRUE(std::filesystem::is_directory(committed)) << committed;
    orsvelt::test::TempDir dir;
    TFolderOptions options{c.format, c.persons, c.seed, dir.path()};
    options.limitCrossers = c.crossers;
    const auto folder = GenerateYearFolder(options);
    std::size_t committedFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(committed))
      committedFiles += entry.path().extension() == ".xml";
    EXPECT_EQ(committedFiles, folder.files.size()) << committed;
    for (const auto& f : folder.files)
      EXPECT_TRUE(orsvelt::test::ReadBytes(f) == orsvelt::test::ReadBytes(committed / f.filename()))
          << committed / f.filename() << " differs from the generator's output";
  }
}

}  // namespace
}  // namespace orsvelt::bench
