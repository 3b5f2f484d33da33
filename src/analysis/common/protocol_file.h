#pragma once
// The run of a protocol writer of any format version: the protocol complete, or no
// protocol and the reason.

#include <filesystem>
#include <functional>
#include <string>

#include "markup/protocol_sink.h"
#include "markup/protocol_writer.h"

namespace orsvelt {

using ProtocolWriting = std::function<void(ProtocolWriter&)>;

// Writes a whole protocol into sink. Any exception ends the writing; the sink is then
// not committed, so no half-written protocol appears. False with errorText set when the
// protocol is not complete; running out of memory is said in words, not by its type name.
bool WriteProtocol(ProtocolSink& sink, const ProtocolWriting& write, std::string& errorText);

// The same into the file at path (written beside it and renamed into place at the end).
bool WriteProtocolFile(const std::filesystem::path& path, const ProtocolWriting& write, std::string& errorText);

}  // namespace orsvelt
