// A person's declared totals: read from "СвВыпл" and "ВыплСВДоп" of format 5.01 (either
// spelling of the last two), absent where the element is absent and in format 5.02.

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"
#include "view_fixture.h"
#include "xml/codepage.h"

namespace orsvelt {
namespace {

using test::ViewedReport;
using T = view::PersonTotals;

constexpr Amount Rub(std::int64_t kopecks) { return kopecks * kAmountScale / 100; }

std::string Q1Of501() {
  return test::ReadBytes(test::ExamplesDir() / "5.01" /
                         "NO_RASCHSV_7728_7728_7728123459772801001_20180420_1b4e28ba-2fa1-4d3b-a3f5-ef19b5a7633b.xml");
}

TEST(PersonTotals501, ReadFromTheTotalsOfThePerson) {
  ViewedReport r;
  r.LoadBytes(Q1Of501());
  const view::Person& first = r.view->section3.persons[0];
  EXPECT_EQ(first.declared.Of(T::Payments), Rub(37500000));
  EXPECT_EQ(first.declared.Of(T::Base), Rub(37500000));
  EXPECT_EQ(first.declared.Of(T::ContractBase), 0);
  EXPECT_EQ(first.declared.Of(T::Contributions), Rub(8250000));
  EXPECT_FALSE(first.declared.Of(T::ExtraBase)) << "no ВыплСВДоп";
  EXPECT_FALSE(first.declared.Of(T::ExtraContributions));
}

TEST(PersonTotals501, AdditionalTariffTotalsInEitherSpelling) {
  for (const std::string letter : {"3", "З"}) {
    std::string bytes = Q1Of501();
    const std::string end = Utf8ToCp1251("</СвВыпл>");
    const std::size_t at = bytes.find(end);
    ASSERT_NE(at, std::string::npos);
    bytes.insert(at + end.size(), Utf8ToCp1251("<ВыплСВДоп ВыплСВВс" + letter + "=\"1000.00\" НачислСВВс" + letter +
                                               "=\"90.00\"><ВыплСВДопМТ Месяц=\"01\" Тариф=\"21\" "
                                               "ВыплСВ=\"1000.00\" НачислСВ=\"90.00\"/></ВыплСВДоп>"));
    ViewedReport r;
    r.LoadBytes(bytes);
    const view::Person& first = r.view->section3.persons[0];
    EXPECT_EQ(first.declared.Of(T::ExtraBase), Rub(100000)) << letter;
    EXPECT_EQ(first.declared.Of(T::ExtraContributions), Rub(9000)) << letter;
    EXPECT_EQ(first.declared.Of(T::Contributions), Rub(8250000)) << "the other totals stay apart";
  }
}

TEST(PersonTotals502, NoneDeclared) {
  ViewedReport r;
  r.LoadBytes(test::ReadBytes(test::ExamplesDir() / "5.02" /
                              "NO_RASCHSV_7707_7707_7707123458770701001_20200721_5e6f7a8b-9c0d-4e1f-a2b3-c4d5e6f7a8b9.xml"));
  ASSERT_FALSE(r.view->section3.persons.empty());
  for (const view::Person& p : r.view->section3.persons) EXPECT_EQ(p.declared.present, 0) << p.snils;
}

}  // namespace
}  // namespace orsvelt
