#include "analysis/common/progress.h"

#include <algorithm>

namespace orsvelt {

std::string ProgressText(ProgressStage stage, std::int64_t done, std::int64_t total) {
  const auto of = [&] { return ": " + std::to_string(done) + " из " + std::to_string(total); };
  switch (stage) {
    case ProgressStage::Report: return "Чтение расчёта";
    case ProgressStage::EarlierFiles: return "Чтение расчётов предыдущих периодов" + of();
    case ProgressStage::Persons: return "Обработка застрахованных лиц" + of();
    case ProgressStage::Writing: return "Запись протокола: " + std::to_string(done >> 20) + " МБ";
  }
  return {};
}

void StopIfAsked(ProgressSink* sink) {
  if (sink && sink->stop.load(std::memory_order_relaxed)) throw CheckStopped{};
}

void ReportProgress(ProgressSink* sink, ProgressStage stage, std::int64_t done, std::int64_t total) {
  if (!sink) return;
  StopIfAsked(sink);
  if (sink->report) sink->report(stage, done, total);
}

ProgressCounter::ProgressCounter(ProgressSink* sink, ProgressStage stage, std::int64_t total)
    : sink_(sink), counting_(true), stage_(stage), total_(total) {
  ReportProgress(sink_, stage_, 0, total_);
}

void ProgressCounter::Report() {
  sinceReport_ = 0;
  if (counting_) ReportProgress(sink_, stage_, std::min(done_, total_), total_);
  else StopIfAsked(sink_);
}

void ProgressCounter::Finish() {
  if (counting_) ReportProgress(sink_, stage_, total_, total_);
}

}  // namespace orsvelt
