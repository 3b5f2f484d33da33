#include "analysis/common/protocol_file.h"

#include <cstdint>
#include <exception>
#include <new>
#include <string_view>

#include "markup/file_sink.h"

namespace orsvelt {

namespace {

// Runs body, which returns false with errorText set when the protocol is not complete;
// whatever it throws becomes the reason instead.
template <class Body>
bool Guarded(std::string& errorText, Body&& body) {
  try {
    if (body()) return true;
  } catch (const CheckStopped&) {
    throw;  // not a failure of the writing: the caller says it was stopped
  } catch (const std::bad_alloc&) {
    errorText = "Недостаточно памяти для формирования протокола.";
  } catch (const std::exception& error) {
    errorText = error.what();
  } catch (...) {
    errorText = "Неизвестная ошибка при формировании протокола.";
  }
  if (errorText.empty()) errorText = "Ошибка при формировании протокола.";
  return false;
}

// Hands the chunks on to the real sink, telling progress of each and stopping when asked.
class ReportingSink : public ProtocolSink {
 public:
  ReportingSink(ProtocolSink& sink, ProgressSink* progress) : sink_(sink), progress_(progress) {}

  bool Write(std::string_view bytes) override {
    ReportProgress(progress_, ProgressStage::Writing, written_, 0);
    written_ += static_cast<std::int64_t>(bytes.size());
    return sink_.Write(bytes) || Fail(sink_.ErrorText());
  }
  bool Commit() override {
    StopIfAsked(progress_);
    return sink_.Commit() || Fail(sink_.ErrorText());
  }

 private:
  ProtocolSink& sink_;
  ProgressSink* progress_;
  std::int64_t written_ = 0;
};

}  // namespace

bool WriteProtocol(ProtocolSink& sink, const ProtocolWriting& write, std::string& errorText,
                   ProgressSink* progress) {
  return Guarded(errorText, [&] {
    ReportingSink reporting(sink, progress);
    ProtocolWriter out(reporting);
    write(out);
    if (out.Finish()) return true;
    errorText = out.ErrorText();
    return false;
  });
}

bool WriteProtocolFile(const std::filesystem::path& path, const ProtocolWriting& write, std::string& errorText,
                       ProgressSink* progress) {
  return Guarded(errorText, [&] {
    FileSink sink(path);  // removes its temporary file when CheckStopped passes through
    return WriteProtocol(sink, write, errorText, progress);
  });
}

}  // namespace orsvelt
