#pragma once
// How a long check tells its caller how far it is and learns that it should stop. The
// analysis calls the sink on its own thread at safe points only (between files, every
// kProgressEvery persons, between protocol chunks), so a caller pays nothing per person.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace orsvelt {

enum class ProgressStage {
  Report,         // reading the checked report: 0 of 1, then 1 of 1
  EarlierFiles,   // earlier-period reports read of those chosen
  Persons,        // persons of the checked report processed
  Writing,        // protocol bytes written; the total is not known (0)
};

inline constexpr std::int64_t kProgressEvery = 1000;

struct ProgressSink {
  // Called on the checking thread; must return quickly. May be empty.
  std::function<void(ProgressStage stage, std::int64_t done, std::int64_t total)> report;
  // Set from any thread; the run stops at its next safe point and writes nothing.
  std::atomic<bool> stop{false};
};

// Thrown at a safe point once stop is set; RunCheck turns it into its stopped outcome. Not
// a std::exception, so that no handler of errors takes it for one.
struct CheckStopped {};

// What the user is told of a stage: "Обработка застрахованных лиц: 1000 из 5000", and of the
// writing the megabytes written: "Запись протокола: 12 МБ".
std::string ProgressText(ProgressStage stage, std::int64_t done, std::int64_t total);

// Reports to sink (which may be null) and throws CheckStopped when it asks to stop.
void ReportProgress(ProgressSink* sink, ProgressStage stage, std::int64_t done, std::int64_t total);
// Throws CheckStopped when sink asks to stop.
void StopIfAsked(ProgressSink* sink);

// Counts the units of one stage and reports every kProgressEvery of them; a counter made
// without a stage only looks for a stop at the same rate (persons of an earlier file).
class ProgressCounter {
 public:
  ProgressCounter(ProgressSink* sink, ProgressStage stage, std::int64_t total);
  explicit ProgressCounter(ProgressSink* sink) : sink_(sink) {}

  void Step() {
    ++done_;
    if (sink_ && ++sinceReport_ == kProgressEvery) Report();
  }
  // Reports the stage complete.
  void Finish();

 private:
  void Report();

  ProgressSink* sink_;
  bool counting_ = false;
  ProgressStage stage_ = ProgressStage::Persons;
  std::int64_t total_ = 0;
  std::int64_t done_ = 0;
  std::int64_t sinceReport_ = 0;
};

}  // namespace orsvelt
