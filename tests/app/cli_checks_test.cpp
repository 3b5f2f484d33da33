// The command line's control-ratio options: the table, the findings file and --strict.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace orsvelt {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int exitCode = -1;
  std::string out;
};

CliRun Cli(const test::TempDir& io, const std::string& args) {
  const std::string cmd = "'" + std::string(ORSVELT_CLI) + "' " + args + " >'" + (io / "out").string() + "' 2>/dev/null";
  const int status = std::system(cmd.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::ReadBytes(io / "out")};
}

const fs::path kSmall502 = fs::path(ORSVELT_TEST_DATA) / "5.02" / "small" /
                           "NO_RASCHSV_7701_7701_7701000001770101001_20200720_q2.xml";

TEST(CommandLineChecks, ListChecksPrintsTheTable) {
  test::TempDir io;
  const CliRun r = Cli(io, "--list-checks");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.out.find("\n0.1\tA\trejection\t5.01\t"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\nD2-502\tD\twarning\t5.02, 5.03-5.08\t"), std::string::npos);
  EXPECT_NE(r.out.find("\nL-R1\tA\twarning\t5.03-5.08\t"), std::string::npos);
  EXPECT_NE(r.out.find("\nL-C4\tE\twarning\t5.03-5.08\t"), std::string::npos);
}

TEST(CommandLineChecks, FindingsFileAndStrictExit) {
  test::TempDir io;
  const std::string args = "--output '" + (io / "p.xml").string() + "' --findings '" + (io / "f.json").string() +
                           "' '" + kSmall502.string() + "'";
  EXPECT_EQ(Cli(io, args).exitCode, 0);
  const std::string json = test::ReadBytes(io / "f.json");
  EXPECT_EQ(json.rfind("{\"report\": \"NO_RASCHSV_7701_7701_7701000001770101001_20200720_q2.xml\", \"format\": "
                       "\"5.02\", \"year\": 2020, \"period\": \"31\", \"correction\": 0, ",
                       0),
            0u)
      << json;
  EXPECT_NE(json.find("\"checked_with\": [\"NO_RASCHSV_7701_7701_7701000001770101001_20200420_q1.xml\"]"),
            std::string::npos);
  EXPECT_NE(json.find("\"severity\": \"rejection\""), std::string::npos);
  // The small report's section 1 is empty while its persons were paid: grounds of non-submission.
  EXPECT_EQ(Cli(io, "--strict " + args).exitCode, 3);
}

TEST(CommandLineChecks, StrictPassesAReportWithoutGrounds) {
  test::TempDir io;
  const fs::path report = fs::path(ORSVELT_EXAMPLES) / "5.01";
  fs::path first;
  for (const auto& e : fs::directory_iterator(report))
    if (e.path().filename().string().find("_20180420_") != std::string::npos) first = e.path();
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(Cli(io, "--strict --output '" + (io / "p.xml").string() + "' '" + first.string() + "'").exitCode, 0);
}

TEST(CommandLineChecks, FindingsNeedAPath) {
  test::TempDir io;
  EXPECT_EQ(Cli(io, "--findings").exitCode, 2);
}

// The folder named reaches the schema search, first of the folders searched, in either spelling.
TEST(CommandLineChecks, SchemasFolderInBothSpellings) {
  test::TempDir io;
  // A folder of the machine's environment would be searched after the one named.
  const char* env = std::getenv("ORSVELT_SCHEMAS");
  const std::string saved = env ? env : "";
  unsetenv("ORSVELT_SCHEMAS");
  fs::create_directory(io / "my schemas");
  for (const std::string option : {"--schemas '", "--schemas='"}) {
    const std::string args = option + (io / "my schemas").string() + "' --output '" + (io / "p.xml").string() +
                             "' --findings '" + (io / "f.json").string() + "' '" + kSmall502.string() + "'";
    EXPECT_EQ(Cli(io, args).exitCode, 0) << option;
    const std::string json = test::ReadBytes(io / "f.json");
    EXPECT_NE(json.find("\"group\": \"F\", \"severity\": \"info\", \"text\": \"Контроль формата по схеме не "
                        "выполнен: схема для версии формата 5.02 не найдена (искали: " +
                        (io / "my schemas").string() + ", "),
              std::string::npos)
        << json;
  }
  EXPECT_EQ(Cli(io, "--schemas").exitCode, 2);
  EXPECT_EQ(Cli(io, "--schemas= '" + kSmall502.string() + "'").exitCode, 2);
  if (env) setenv("ORSVELT_SCHEMAS", saved.c_str(), 1);
}

}  // namespace
}  // namespace orsvelt
