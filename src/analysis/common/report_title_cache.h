#pragma once
// The titles of a folder's reports, read once and shared by every check of a batch: each
// report of the folder looks at the titles of all the others for its earlier reports.

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

#include "model/rsvnalog.h"

namespace orsvelt {

// Safe to use from several threads; a title asked for by two at once is read by one of them.
class ReportTitleCache {
 public:
  // The file root of the report at path built from its title (ReadFolderReport with
  // titleOnly), read on the first request; null when it cannot be read or is no report.
  std::shared_ptr<const TRSVFile> Title(const std::filesystem::path& path);

  // How many files were read: one per path, however often each was asked for.
  std::size_t Reads() const;

 private:
  struct Entry {
    std::once_flag read;
    std::shared_ptr<const TRSVFile> title;
  };

  mutable std::mutex mutex_;
  std::map<std::filesystem::path, std::shared_ptr<Entry>> entries_;
  std::size_t reads_ = 0;
};

}  // namespace orsvelt
