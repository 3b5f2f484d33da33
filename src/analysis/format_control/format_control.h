#pragma once
// Format control of a report by the official schema, as the tax service does it at
// reception: the XSD schema, then the format-logical rules the schema carries.

#include <filesystem>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "analysis/format_control/embedded_rules.h"
#include "analysis/format_control/format_finding.h"
#include "analysis/format_control/schema_locator.h"
#include "analysis/format_control/xsd_schema.h"

namespace orsvelt {

// A schema and its rules, parsed and compiled once, then applied to many reports.
class FormatSchema {
 public:
  // nullptr with a Russian reason in error when the file is not a usable schema.
  static std::unique_ptr<FormatSchema> Load(const std::filesystem::path& file, std::string& error);

  // The report's violations of the schema, its rule breaches, and info on rules not
  // evaluated. fileName is the report's name (the rules compare it with ИдФайл). The
  // schema and the rules run side by side on two threads.
  FormatControlResult Check(std::string_view bytes, std::string_view fileName) const;

  const std::filesystem::path& File() const { return file_; }
  const EmbeddedRules& Rules() const { return *rules_; }

 private:
  FormatSchema() = default;
  std::filesystem::path file_;
  std::unique_ptr<XsdSchema> xsd_;
  std::unique_ptr<EmbeddedRules> rules_;
};

// The ВерсФорм attribute of a report's root element, read from the start of its bytes;
// empty when there is none.
std::string ReportFormVersion(std::string_view bytes);

// A format control under way on a thread of its own, begun by FormatControl::Begin.
class PendingFormatControl {
 public:
  // Waits for the control's end; once only.
  FormatControlResult Finish() { return result_.get(); }

 private:
  friend class FormatControl;
  explicit PendingFormatControl(std::future<FormatControlResult> result) : result_(std::move(result)) {}
  std::future<FormatControlResult> result_;
};

// Format control of reports one after another: the schema of each is found by the
// report's ВерсФорм and kept for the next report of that version. Safe across threads.
class FormatControl {
 public:
  explicit FormatControl(SchemaSearch search) : search_(std::move(search)) {}

  FormatControlResult Check(const std::filesystem::path& report);
  FormatControlResult Check(std::string_view bytes, std::string_view fileName);
  // Check(report) on another thread (or, with none to spare, in Finish), so that the caller
  // does its own work meanwhile. This control must outlive the pending one.
  PendingFormatControl Begin(const std::filesystem::path& report);

 private:
  // The loaded schema for a version, or nullptr with the reason in failure.
  std::shared_ptr<const FormatSchema> SchemaFor(const std::string& version, std::string& failure);

  SchemaSearch search_;
  std::mutex mutex_;
  std::map<std::string, std::shared_ptr<const FormatSchema>> schemas_;
  std::map<std::string, std::string> failures_;
};

}  // namespace orsvelt
