#include "analysis/common/report_title_cache.h"

#include "analysis/common/report_folder.h"

namespace orsvelt {

std::shared_ptr<const TRSVFile> ReportTitleCache::Title(const std::filesystem::path& path) {
  std::shared_ptr<Entry> entry;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::shared_ptr<Entry>& slot = entries_[path];
    if (!slot) slot = std::make_shared<Entry>();
    entry = slot;
  }
  // Read outside the lock: other files' titles are read meanwhile by other threads.
  std::call_once(entry->read, [&] {
    auto title = std::make_shared<TRSVFile>();
    if (ReadFolderReport(path, *title, /*titleOnly=*/true)) entry->title = std::move(title);
    const std::lock_guard<std::mutex> lock(mutex_);
    ++reads_;
  });
  return entry->title;
}

std::size_t ReportTitleCache::Reads() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return reads_;
}

}  // namespace orsvelt
