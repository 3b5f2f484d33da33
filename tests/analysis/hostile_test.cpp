// Damaged, mislabelled and malicious reports and folders: every check ends with exit
// status "protocol written" or a message, the protocol opens in its viewer, and nothing but
// the protocol is written.

#include <unistd.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/check_run.h"
#include "support/html_check.h"
#include "support/test_support.h"
#include "support/workbook_check.h"
#include "xml/codepage.h"
#include "xml/xmlwork.h"

namespace orsvelt {
namespace {

namespace fs = std::filesystem;

fs::path Hostile() { return test::DataDir() / "hostile"; }
fs::path Example502() {
  return test::ExamplesDir() / "5.02" /
         "NO_RASCHSV_7707_7707_7707123458770701001_20200721_5e6f7a8b-9c0d-4e1f-a2b3-c4d5e6f7a8b9.xml";
}

// Names, sizes and times of everything below a folder, to see that a check wrote nothing.
std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> Snapshot(const fs::path& folder) {
  std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> out;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(folder, fs::directory_options::skip_permission_denied, ec);
       it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (ec) break;
    const auto size = it->is_regular_file(ec) ? it->file_size(ec) : 0;
    out[it->path().string()] = {size, it->symlink_status(ec).type() == fs::file_type::symlink
                                          ? fs::file_time_type()
                                          : fs::last_write_time(it->path(), ec)};
  }
  return out;
}

struct Checked {
  bool ok = false;
  std::string message;
};

// Runs the check in both protocol formats; the protocols must open, nothing else may appear.
Checked CheckBoth(const fs::path& report) {
  const fs::path folder = report.parent_path();
  const auto before = Snapshot(folder);
  Checked result;
  for (const auto format : {ProtocolFormat::Html, ProtocolFormat::Workbook}) {
    test::TempDir out;
    CheckRequest request;
    request.report = report;
    request.format = format;
    request.outputPath = out / (format == ProtocolFormat::Html ? "p.html" : "p.xml");
    request.runStamp = "01.02.2020 3:04:05";
    const CheckOutcome outcome = RunCheck(request);
    result.ok = outcome.ok;
    result.message = outcome.message;
    if (outcome.ok) {
      const std::string bytes = test::ReadBytes(outcome.protocol);
      EXPECT_EQ(format == ProtocolFormat::Html ? CheckHtmlWellFormed(bytes) : CheckWorkbook(bytes), "")
          << report;
    } else {
      EXPECT_FALSE(outcome.message.empty()) << report;
      EXPECT_FALSE(fs::exists(request.outputPath)) << report;
    }
    std::size_t written = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(out.path())) ++written;
    EXPECT_EQ(written, outcome.ok ? 1u : 0u) << report;
  }
  EXPECT_EQ(Snapshot(folder), before) << "the report's folder changed: " << folder;
  return result;
}

TEST(HostileInput, DamagedValuesStillGiveAProtocol) {
  for (const char* name : {"amounts_502.xml", "amounts_501.xml", "months_502.xml", "months_501.xml",
                           "markup_names_502.xml", "markup_names_501.xml"}) {
    const Checked c = CheckBoth(Hostile() / name);
    EXPECT_TRUE(c.ok) << name << ": " << c.message;
  }
}

TEST(HostileInput, ReportValuesAreEscapedInBothProtocols) {
  test::TempDir out;
  for (const char* name : {"markup_names_502.xml", "markup_names_501.xml"}) {
    for (const auto format : {ProtocolFormat::Html, ProtocolFormat::Workbook}) {
      CheckRequest request{Hostile() / name, format, {}, out / "p", "01.02.2020 3:04:05", {}, {}, {}, {}, {}};
      ASSERT_TRUE(RunCheck(request).ok) << name;
      const std::string bytes = test::ReadBytes(out / "p");
      EXPECT_EQ(bytes.find("<script>"), std::string::npos) << name;
      EXPECT_EQ(bytes.find("<b>"), std::string::npos) << name;
      EXPECT_NE(bytes.find("&lt;script&gt;"), std::string::npos) << name;
    }
  }
}

TEST(HostileInput, BadEncodingIsRefusedWithItsMessage) {
  EXPECT_EQ(CheckBoth(Hostile() / "invalid_utf8.xml").message, "Не удалось разобрать XML-файл.");
  // U+0000 may not stand in XML text; 0x98 alone would be read as U+FFFD.
  EXPECT_EQ(CheckBoth(Hostile() / "cp1251_0x98_0x00.xml").message, "Не удалось разобрать XML-файл.");
}

TEST(HostileInput, SameInnWithAnotherKppIsAnotherPayer) {
  const fs::path folder = Hostile() / "other_kpp";
  test::TempDir out;
  CheckRequest request{folder / Example502().filename(), ProtocolFormat::Html, {}, out / "p.html", "1", {}, {}, {}, {}, {}};
  ASSERT_TRUE(RunCheck(request).ok);
  const std::string page = test::ReadBytes(out / "p.html");
  EXPECT_EQ(page.find("770702002"), std::string::npos) << "the other KPP's report was taken as an earlier one";
  EXPECT_TRUE(CheckBoth(folder / Example502().filename()).ok);
}

// A copy of the example folder with something added, for the folder cases.
struct ExampleFolder {
  test::TempDir dir;
  fs::path main;
  ExampleFolder() {
    for (const auto& e : fs::directory_iterator(Example502().parent_path()))
      if (e.path().extension() == ".xml") fs::copy_file(e.path(), dir / e.path().filename().string());
    main = dir / Example502().filename().string();
  }
};

TEST(HostileInput, StrangeFolderEntriesAreSkipped) {
  ExampleFolder f;
  fs::create_directory(f.dir / "NO_RASCHSV_x.xml");
  fs::create_directory_symlink(f.dir.path(), f.dir / "NO_RASCHSV_loop.xml");
  fs::create_symlink(f.dir / "NO_RASCHSV_a.xml", f.dir / "NO_RASCHSV_b.xml");
  fs::create_symlink(f.dir / "NO_RASCHSV_b.xml", f.dir / "NO_RASCHSV_a.xml");  // a loop of links
  fs::create_symlink(f.dir / "absent", f.dir / "NO_RASCHSV_dangling.xml");
  test::WriteBytes(f.dir / "NO_RASCHSV_locked.xml", "<a/>");
  fs::permissions(f.dir / "NO_RASCHSV_locked.xml", fs::perms::none);
  mkfifo((f.dir / "NO_RASCHSV_fifo.xml").c_str(), 0600);
  EXPECT_TRUE(CheckBoth(f.main).ok);
}

TEST(HostileInput, ManyUnrelatedFiles) {
  ExampleFolder f;
  for (int i = 0; i < 2000; ++i) {
    test::WriteBytes(f.dir / ("NO_RASCHSV_junk_" + std::to_string(i) + ".xml"),
                     i % 3 == 0 ? "<a/>" : i % 3 == 1 ? "not xml at all" : "<Файл ВерсФорм=\"5.02\"/>");
    test::WriteBytes(f.dir / ("other_" + std::to_string(i) + ".txt"), "x");
  }
  EXPECT_TRUE(CheckBoth(f.main).ok);
}

TEST(HostileInput, TruncatedAtManyPoints) {
  const std::string report = test::ReadBytes(Example502());
  ExampleFolder f;
  int written = 0;
  for (std::size_t cut = 0; cut < report.size(); cut += 331) {
    test::WriteBytes(f.main, report.substr(0, cut));
    const Checked c = CheckBoth(f.main);
    if (c.ok) ++written;
    else EXPECT_TRUE(c.message == "Не удалось разобрать XML-файл.") << cut << ": " << c.message;
  }
  EXPECT_EQ(written, 0) << "a truncated report was taken for a whole one";
}

TEST(HostileInput, DamageInsideThePersonsIsRefusedWithWhereItIs) {
  // The persons are read a few at a time; a broken one must still refuse the whole file,
  // with the line and column that the whole text gives.
  const std::string report = test::ReadBytes(Example502());
  const std::string person = Utf8ToCp1251("<ПерсСвСтрахЛиц");
  const std::size_t last = report.rfind(person);
  ASSERT_NE(last, std::string::npos);
  for (const std::string& damage : {std::string("<Б></В>"), std::string("<Б x=\"1></Б>")}) {
    std::string damaged = report;
    damaged.insert(last, damage);
    TXMLFile whole;
    whole.LoadFromBytes(damaged);
    ASSERT_FALSE(whole.Parse()) << damage;

    ExampleFolder f;
    test::WriteBytes(f.main, damaged);
    CheckRequest request;
    request.report = f.main;
    request.outputPath = f.dir / "p.html";
    const CheckOutcome outcome = RunCheck(request);
    EXPECT_FALSE(outcome.ok) << damage;
    EXPECT_EQ(outcome.message, "Не удалось разобрать XML-файл.") << damage;
    EXPECT_EQ(outcome.detail, whole.ErrorText()) << damage;
    EXPECT_FALSE(fs::exists(request.outputPath)) << damage;
  }
}

TEST(HostileInput, RandomByteFlips) {
  const std::string report = test::ReadBytes(Example502());
  ExampleFolder f;
  std::mt19937 random(20200721);
  for (int round = 0; round < 150; ++round) {
    std::string damaged = report;
    for (int k = 0; k < 1 + round % 8; ++k)
      damaged[random() % damaged.size()] = static_cast<char>(random() & 0xFF);
    test::WriteBytes(f.main, damaged);
    CheckBoth(f.main);
  }
}

TEST(HostileInput, HugeShapes) {
  test::TempDir dir;
  const std::string decl = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>";
  std::string many = decl + "<Файл ВерсФорм=\"5.02\"><Документ";
  many.reserve(16u << 20);
  for (int i = 0; i < 1000000; ++i) many += " a" + std::to_string(i) + "=\"1\"";
  many += "/></Файл>";
  test::WriteCp1251(dir / "NO_RASCHSV_attrs.xml", many);
  CheckBoth(dir / "NO_RASCHSV_attrs.xml");

  std::string deep = decl + "<Файл ВерсФорм=\"5.01\"><Документ КНД=\"1\"><РасчетСВ>";
  for (int i = 0; i < 100000; ++i) deep += "<ПерсСвСтрахЛиц>";
  for (int i = 0; i < 100000; ++i) deep += "</ПерсСвСтрахЛиц>";
  deep += "</РасчетСВ></Документ></Файл>";
  test::WriteCp1251(dir / "NO_RASCHSV_deep.xml", deep);
  CheckBoth(dir / "NO_RASCHSV_deep.xml");

  std::string big = test::ReadBytes(Example502());
  const std::string key = Utf8ToCp1251("Отчество=\"Петрович\"");
  ASSERT_NE(big.find(key), std::string::npos);
  big.replace(big.find(key), key.size(), Utf8ToCp1251("Отчество=\"") + std::string(50u << 20, 'x') + "\"");
  test::WriteBytes(dir / "NO_RASCHSV_big.xml", big);
  EXPECT_TRUE(CheckBoth(dir / "NO_RASCHSV_big.xml").ok);
}

}  // namespace
}  // namespace orsvelt
