#pragma once
// The command line's batch: every report of a folder checked, the summary written beside
// the protocols, the outcome told in a line per failed report and the exit code.

#include <atomic>
#include <filesystem>
#include <ostream>
#include <string>

#include "analysis/batch/batch_run.h"

namespace orsvelt {

// Exit codes of a batch (and of a single run, whose codes they extend).
enum BatchExit : int {
  kBatchAllChecked = 0,
  kBatchSomeNotChecked = 1,  // also: stopped early, or the summary not written
  kBatchWrongCall = 2,
  kBatchRejections = 3,  // with strict, every report checked: one has a "rejection" finding
};

struct BatchCommand {
  BatchRequest request;
  bool strict = false;
};

// Runs the batch and writes the summary into the output folder (made when missing).
// Prints the summary's path to out, and each report that could not be checked, with its
// message, to err.
int RunBatchCommand(const BatchCommand& command, std::ostream& out, std::ostream& err);

// The exit code of a finished batch whose summary was written.
int BatchExitCode(const BatchResult& result, bool strict);

}  // namespace orsvelt
