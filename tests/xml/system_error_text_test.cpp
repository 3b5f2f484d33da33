#include "xml/system_error_text.h"

#include <cerrno>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

namespace orsvelt {
namespace {

// The same reason reads the same whether it comes as errno or from std::filesystem.
TEST(SystemErrorText, TheReasonsUsersMeetAreRussian) {
  const struct {
    int err;
    const char* text;
  } rows[] = {
      {ENOENT, "нет такого файла или папки"},
      {EACCES, "доступ запрещён"},
      {EROFS, "файловая система доступна только для чтения"},
      {ENOSPC, "на диске нет места"},
      {EISDIR, "это папка"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SystemErrorText(row.err), row.text);
    EXPECT_EQ(SystemErrorText(std::error_code(row.err, std::system_category())), row.text);
    EXPECT_EQ(SystemErrorText(std::make_error_code(static_cast<std::errc>(row.err))), row.text);
  }
}

TEST(SystemErrorText, NoErrorAndUnlistedErrors) {
  EXPECT_EQ(SystemErrorText(0), "ошибка ввода-вывода");
  EXPECT_EQ(SystemErrorText(std::error_code()), "ошибка ввода-вывода");
  const std::string unlisted = SystemErrorText(EPROTO);
  EXPECT_EQ(unlisted.rfind("системная ошибка " + std::to_string(EPROTO) + " (", 0), 0u) << unlisted;
}

}  // namespace
}  // namespace orsvelt
