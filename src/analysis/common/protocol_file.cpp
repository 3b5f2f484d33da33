#include "analysis/common/protocol_file.h"

#include <exception>
#include <new>

#include "markup/file_sink.h"

namespace orsvelt {

namespace {

// Runs body, which returns false with errorText set when the protocol is not complete;
// whatever it throws becomes the reason instead.
template <class Body>
bool Guarded(std::string& errorText, Body&& body) {
  try {
    if (body()) return true;
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

}  // namespace

bool WriteProtocol(ProtocolSink& sink, const ProtocolWriting& write, std::string& errorText) {
  return Guarded(errorText, [&] {
    ProtocolWriter out(sink);
    write(out);
    if (out.Finish()) return true;
    errorText = out.ErrorText();
    return false;
  });
}

bool WriteProtocolFile(const std::filesystem::path& path, const ProtocolWriting& write, std::string& errorText) {
  return Guarded(errorText, [&] {
    FileSink sink(path);
    return WriteProtocol(sink, write, errorText);
  });
}

}  // namespace orsvelt
