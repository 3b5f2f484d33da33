// The command line's batch as a user meets it: exit codes, the same protocols as single
// runs, wrong calls refused before anything is written.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/batch_folder.h"
#include "support/test_support.h"
#include "xml/codepage.h"

namespace orsvelt {
namespace {

namespace fs = std::filesystem;

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

struct CliRun {
  int exitCode = -1;
  std::string out, err;
};

CliRun Cli(const std::string& args) {
  test::TempDir io;
  const std::string cmd = Quote(ORSVELT_CLI) + " " + args + " >" + Quote((io / "out").string()) + " 2>" +
                          Quote((io / "err").string()) + " </dev/null";
  const int status = std::system(cmd.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadBytes(io / "out"), test::ReadBytes(io / "err")};
}

const std::string kStamp = "--run-stamp '08.12.2026 10:00:00'";

TEST(CommandLineBatch, ProtocolsAreTheSingleRunsAndTheExitCodeTellsTheFailures) {
  test::TempDir in, out, single;
  test::MakeBatchFolder(in.path());
  const CliRun batch = Cli("--batch " + Quote(in.path().string()) + " --output-dir " + Quote(out.path().string()) +
                        " --format html -j 3 " + kStamp);
  EXPECT_EQ(batch.exitCode, 1) << batch.err;
  EXPECT_EQ(batch.out, (out / "summary.html").string() + "\n");
  std::size_t protocols = 0;
  for (const test::BatchFolderFile& file : test::BatchFolderReports()) {
    SCOPED_TRACE(file.name);
    const CliRun alone = Cli("--format html " + kStamp + " --output " + Quote(single.path().string()) + " " +
                          Quote((in / file.name).string()));
    if (!file.message.empty()) {
      EXPECT_EQ(alone.exitCode, 1);
      EXPECT_NE(batch.err.find(file.name + ": " + file.message), std::string::npos) << batch.err;
      continue;
    }
    ASSERT_EQ(alone.exitCode, 0) << alone.err;
    const fs::path protocol = alone.out.substr(0, alone.out.size() - 1);
    EXPECT_TRUE(test::ReadBytes(out / protocol.filename().string()) == test::ReadBytes(protocol));
    ++protocols;
  }
  EXPECT_EQ(protocols, 9u);
  const std::string csv = test::ReadBytes(out / "summary.csv");
  EXPECT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + static_cast<long>(test::BatchFolderReports().size()));

  // The same folder without the files that cannot be checked: all checked.
  for (const test::BatchFolderFile& file : test::BatchFolderReports())
    if (!file.message.empty()) fs::remove(in / file.name);
  const CliRun good = Cli("--batch=" + Quote(in.path().string()) + " --output-dir=" + Quote((out / "again").string()) +
                       " -j1 " + kStamp);
  EXPECT_EQ(good.exitCode, 0) << good.err;
  EXPECT_TRUE(good.err.empty()) << good.err;
  // --findings takes no path in a batch: the files go beside the protocols.
  const CliRun strict = Cli("--findings --batch " + Quote(in.path().string()) + " --strict --output-dir " +
                            Quote((out / "strict").string()) + " " + kStamp);
  EXPECT_EQ(strict.exitCode, 3) << strict.err;
  std::size_t findings = 0;
  for (const auto& entry : fs::directory_iterator(out / "strict"))
    findings += entry.path().string().ends_with(".findings.json");
  EXPECT_EQ(findings, 9u);
}

TEST(CommandLineBatch, WrongCalls) {
  test::TempDir in, out;
  const std::string folder = Quote(in.path().string());
  const std::string target = " --output-dir " + Quote(out.path().string());
  const struct {
    std::string args, problem;
  } cases[] = {
      {"--batch " + folder, "при --batch нужно указать --output-dir"},
      {"--batch " + Quote((in / "absent").string()) + target, "папка не найдена"},
      {"--batch " + folder + target + " -j 0", "число одновременных проверок"},
      {"--batch " + folder + target + " --jobs x", "число одновременных проверок"},
      {"--batch " + folder + target + " report.xml", "расчёт не указывается"},
      {"--batch " + folder + target + " --output x.html", "--output-dir"},
      {"--batch " + folder + " --batch " + folder + target, "больше одной папки"},
      {"--recursive report.xml", "только с --batch"},
      {"-j 2 report.xml", "только с --batch"},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.exitCode, 2) << c.args;
    EXPECT_NE(r.err.find(c.problem), std::string::npos) << c.args << "\n" << r.err;
  }
  EXPECT_TRUE(fs::is_empty(out.path()));

  const CliRun empty = Cli("--batch " + folder + target);
  EXPECT_EQ(empty.exitCode, 0) << empty.err;
  EXPECT_TRUE(fs::exists(out / "summary.csv"));
}

TEST(CommandLineBatch, HelpTellsOfTheBatch) {
  const CliRun help = Cli("--help");
  EXPECT_NE(help.out.find("--batch ПАПКА"), std::string::npos);
  EXPECT_NE(help.out.find("--output-dir ПАПКА"), std::string::npos);
}

}  // namespace
}  // namespace orsvelt

namespace orsvelt {
namespace {

TEST(CommandLineBatch, PersonsReachEveryProtocol) {
  test::TempDir in, all, only;
  test::MakeBatchFolder(in.path());
  Cli("--batch " + Quote(in.path().string()) + " --output-dir " + Quote(all.path().string()) + " --format html " + kStamp);
  const CliRun r = Cli("--batch " + Quote(in.path().string()) + " --output-dir " + Quote(only.path().string()) +
                       " --persons=findings --format html " + kStamp);
  EXPECT_EQ(r.exitCode, 1) << r.err;  // the folder holds reports that cannot be checked
  std::size_t protocols = 0, filtered = 0;
  for (const auto& entry : fs::directory_iterator(only.path())) {
    if (!entry.path().filename().string().starts_with("prot_")) continue;
    ++protocols;
    const std::string page = test::ReadBytes(entry.path());
    filtered += page.find(Utf8ToCp1251("Показаны только лица с замечаниями")) != std::string::npos;
    const std::string full = test::ReadBytes(all.path() / entry.path().filename());
    EXPECT_EQ(full.find(Utf8ToCp1251("Показаны только лица с замечаниями")), std::string::npos);
  }
  EXPECT_EQ(protocols, 9u);
  EXPECT_GT(filtered, 0u);
  EXPECT_EQ(Cli("--batch " + Quote(in.path().string()) + " --output-dir " + Quote(only.path().string()) +
                " --persons maybe")
                .exitCode,
            2);
}

}  // namespace
}  // namespace orsvelt
