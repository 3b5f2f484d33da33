// The summary's three forms over the same rows: what Excel, a browser and a script read.

#include "analysis/batch/summary_files.h"

#include <gtest/gtest.h>

#include "xml/codepage.h"
#include "support/test_support.h"

namespace orsvelt {
namespace {

BatchSummary TwoRows() {
  BatchSummary summary;
  summary.runStamp = "08.12.2026 10:00:00";
  std::vector<std::string> checked(SummaryColumns().size());
  checked[0] = "NO_RASCHSV_a.xml";
  checked[1] = "ООО \"Луч; и партнёры\"";
  checked[2] = "0105000001";
  checked[4] = "2020";
  checked[kSummaryProtocolColumn] = "prot_a.html";
  checked[kSummaryResultColumn] = std::string(kSummaryChecked);
  std::vector<std::string> failed(SummaryColumns().size());
  failed[0] = "sub/NO_RASCHSV_b.xml";
  failed[1] = "=HYPERLINK(\"x\")";
  failed[kSummaryResultColumn] = "Не удалось разобрать XML-файл.";
  failed[kSummaryResultColumn + 1] = "Строка 1\nпозиция 5";
  summary.rows = {checked, failed};
  return summary;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

TEST(SummaryCsv, OpensInRussianExcel) {
  const std::string csv = SummaryCsv(TwoRows());
  ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u) << "no byte-order mark";
  const auto lines = Lines(csv.substr(3));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].rfind("Файл;Плательщик;ИНН;КПП;Год;", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("NO_RASCHSV_a.xml;\"ООО \"\"Луч; и партнёры\"\"\";0105000001;;2020;", 0), 0u) << lines[1];
  // A text that Excel would run as a formula keeps its text behind an apostrophe; a field
  // with a line end is quoted and stays one record.
  EXPECT_EQ(lines[2].rfind("sub/NO_RASCHSV_b.xml;\"'=HYPERLINK(\"\"x\"\")\";", 0), 0u) << lines[2];
  EXPECT_NE(lines[2].find(";Не удалось разобрать XML-файл.;\"Строка 1\nпозиция 5\""), std::string::npos) << lines[2];
  EXPECT_EQ(std::count(lines[0].begin(), lines[0].end(), ';') + 1, static_cast<long>(SummaryColumns().size()));
}

TEST(SummaryJson, NumbersNullsAndEscapes) {
  const std::string json = SummaryJson(TwoRows());
  EXPECT_NE(json.find("\"runStamp\": \"08.12.2026 10:00:00\""), std::string::npos);
  EXPECT_NE(json.find("\"payer\": \"ООО \\\"Луч; и партнёры\\\"\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"inn\": \"0105000001\", \"kpp\": null, \"year\": 2020,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"detail\": \"Строка 1\\nпозиция 5\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"rejections\": null"), std::string::npos);
  EXPECT_EQ(SummaryJson({}), "{\n  \"runStamp\": \"\",\n  \"reports\": []\n}\n");
}

TEST(SummaryFiles, PageLinksTheProtocolsAndAllThreeAreWritten) {
  test::TempDir dir;
  std::string error;
  ASSERT_TRUE(WriteSummaryFiles(dir.path(), TwoRows(), error)) << error;
  const std::string page = Cp1251ToUtf8(test::ReadBytes(dir / "summary.html"));
  EXPECT_NE(page.find("<title>Сводка проверки расчётов по страховым взносам</title>"), std::string::npos);
  EXPECT_NE(page.find("<a href=\"prot_a.html\">prot_a.html</a>"), std::string::npos) << page;
  EXPECT_NE(page.find("Проверено расчётов: 1 из 2"), std::string::npos);
  EXPECT_NE(page.find("ООО &quot;Луч; и партнёры&quot;"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(dir / "summary.csv"), SummaryCsv(TwoRows()));
  EXPECT_EQ(test::ReadBytes(dir / "summary.json"), SummaryJson(TwoRows()));

  // A folder that cannot take the files: a reason, and nothing left behind.
  test::WriteBytes(dir / "file", "x");
  EXPECT_FALSE(WriteSummaryFiles(dir / "file", TwoRows(), error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace orsvelt
