#pragma once
// The run of a protocol writer of any format version: the protocol complete, or no
// protocol and the reason.

#include <filesystem>
#include <functional>
#include <string>

#include "analysis/common/progress.h"
#include "markup/protocol_sink.h"
#include "markup/protocol_writer.h"

namespace orsvelt {

using ProtocolWriting = std::function<void(ProtocolWriter&)>;

// Writes a whole protocol into sink. Any exception ends the writing; the sink is then
// not committed, so no half-written protocol appears. False with errorText set when the
// protocol is not complete; running out of memory is said in words, not by its type name.
// Progress hears of each chunk; a stop asked through it throws CheckStopped before the next
// chunk or the commit, and the sink is left uncommitted.
bool WriteProtocol(ProtocolSink& sink, const ProtocolWriting& write, std::string& errorText,
                   ProgressSink* progress = nullptr);

// The same into the file at path (written beside it and renamed into place at the end). A
// stopped writing removes the temporary file; an older file at path stays as it was.
bool WriteProtocolFile(const std::filesystem::path& path, const ProtocolWriting& write, std::string& errorText,
                       ProgressSink* progress = nullptr);

}  // namespace orsvelt
