#include "markup/file_sink.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <string>
#include <system_error>
#include <utility>

#include "xml/path_text.h"
#include "xml/system_error_text.h"

namespace orsvelt {
namespace {

std::string Hex(std::uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kDigits[value & 15];
  return text;
}

// Unique within the process by the counter; another process is avoided by the existence
// test (two programs writing one protocol at the same instant is not a case worth a lock).
std::filesystem::path TempNameBeside(const std::filesystem::path& target) {
  static std::atomic<std::uint64_t> counter{0};
  const auto clock = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::filesystem::path candidate;
  for (int attempt = 0; attempt < 100; ++attempt) {
    candidate = target;
    candidate += "." + Hex(clock * 31 + counter++) + ".tmp";
    std::error_code ec;
    if (!std::filesystem::exists(candidate, ec)) break;
  }
  return candidate;
}

}  // namespace

FileSink::FileSink(std::filesystem::path target) : target_(std::move(target)) {
  if (!target_.has_filename()) {
    Fail("Не удалось создать файл протокола \"" + PathToUtf8(target_) + "\": не указано имя файла");
    return;
  }
  temp_ = TempNameBeside(target_);
  errno = 0;
  out_.open(temp_, std::ios::binary | std::ios::trunc);
  if (!out_.is_open()) {
    const int err = errno;
    temp_.clear();
    Fail("Не удалось создать файл протокола \"" + PathToUtf8(target_) + "\": " + SystemErrorText(err));
  }
}

FileSink::~FileSink() {
  if (!committed_) RemoveTemp();
}

bool FileSink::Write(std::string_view bytes) {
  if (Failed()) return false;
  errno = 0;
  out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out_) return FailAndClean("записать", SystemErrorText(errno));
  return true;
}

bool FileSink::Commit() {
  if (Failed()) return false;
  if (committed_) return true;
  errno = 0;
  out_.flush();
  if (!out_) return FailAndClean("записать", SystemErrorText(errno));
  out_.close();
  if (out_.fail()) return FailAndClean("записать", SystemErrorText(errno));
  std::error_code ec;
  std::filesystem::rename(temp_, target_, ec);
  if (ec) return FailAndClean("сохранить", SystemErrorText(ec));
  committed_ = true;
  temp_.clear();
  return true;
}

bool FileSink::FailAndClean(std::string_view action, std::string reason) {
  RemoveTemp();
  return Fail("Не удалось " + std::string(action) + " файл протокола \"" + PathToUtf8(target_) + "\": " +
              std::move(reason));
}

void FileSink::RemoveTemp() {
  if (out_.is_open()) out_.close();
  if (temp_.empty()) return;
  std::error_code ec;
  std::filesystem::remove(temp_, ec);
  temp_.clear();
}

bool WriteFileWhole(const std::filesystem::path& path, std::string_view bytes, std::string& error) {
  FileSink sink(path);
  if (sink.Write(bytes) && sink.Commit()) return true;
  error = sink.ErrorText();
  return false;
}

}  // namespace orsvelt
