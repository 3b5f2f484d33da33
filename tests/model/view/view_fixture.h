#pragma once
// A report read as the program reads it, with its view. Neither moves: the view refers
// into the file.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "model/file_view.h"
#include "model/rsvnalog.h"
#include "model/view/report_view.h"
#include "xml/xmlwork.h"

namespace orsvelt::test {

struct ViewedReport {
  TRSVFile file;
  std::optional<view::ReportView> view;

  ViewedReport() = default;
  ViewedReport(const ViewedReport&) = delete;
  ViewedReport& operator=(const ViewedReport&) = delete;

  // Bytes of a report file as written (any encoding the reader knows).
  void LoadBytes(std::string bytes) {
    TXMLFile xml;
    xml.LoadFromBytes(std::move(bytes));
    ASSERT_TRUE(xml.Parse()) << xml.ErrorText();
    file.Load(xml.Root(), "");
    view = MakeReportView(file);
    ASSERT_TRUE(view);
  }
};

}  // namespace orsvelt::test
