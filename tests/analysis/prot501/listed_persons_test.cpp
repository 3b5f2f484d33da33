#include "analysis/prot501/listed_persons.h"

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/prot501/waiting_persons.h"

namespace orsvelt::test {
namespace {

TZLRec Listed(int i) {
  TZLRec p;
  p.Ordinal = i % 7;
  p.Number = -i;
  p.Position = static_cast<std::uint32_t>(i) * 3u;
  p.FullName = i % 5 ? "Петрова Анна " + std::to_string(i) : "";
  p.SexText = i % 2 ? "Ж" : "Не указано в файле";
  p.SexMismatch = i % 3 == 0;
  p.SNILS = "112-233-445 95";
  p.INN = i % 4 ? "Не указан" : "500100732259";
  p.OPSFlag = "1";
  p.OMSFlag = i % 2 ? "2" : "";
  p.OSSFlag = "<&>";
  // Persons with many rows and with none alternate, so a record reused for the next one
  // must not keep rows of the last.
  for (int m = 0; m < (i % 2 ? 3 : 0); ++m)
    p.MonthRows.push_back({"0" + std::to_string(m + 1), m ? "НР" : "", std::numeric_limits<Amount>::max() - i,
                           std::numeric_limits<Amount>::min() + m, m, -i});
  for (int m = 0; m < i % 3; ++m) p.AddRows.push_back({"13", "1", i, -m});
  return p;
}

void ExpectSame(const TZLRec& a, const TZLRec& b) {
  EXPECT_EQ(a.Ordinal, b.Ordinal);
  EXPECT_EQ(a.Number, b.Number);
  EXPECT_EQ(a.Position, b.Position);
  EXPECT_EQ(a.FullName, b.FullName);
  EXPECT_EQ(a.SexText, b.SexText);
  EXPECT_EQ(a.SexMismatch, b.SexMismatch);
  EXPECT_EQ(a.SNILS, b.SNILS);
  EXPECT_EQ(a.INN, b.INN);
  EXPECT_EQ(a.OPSFlag, b.OPSFlag);
  EXPECT_EQ(a.OMSFlag, b.OMSFlag);
  EXPECT_EQ(a.OSSFlag, b.OSSFlag);
  ASSERT_EQ(a.MonthRows.size(), b.MonthRows.size());
  for (std::size_t r = 0; r < a.MonthRows.size(); ++r) {
    EXPECT_EQ(a.MonthRows[r].Month, b.MonthRows[r].Month);
    EXPECT_EQ(a.MonthRows[r].CategoryCode, b.MonthRows[r].CategoryCode);
    EXPECT_EQ(a.MonthRows[r].Payments, b.MonthRows[r].Payments);
    EXPECT_EQ(a.MonthRows[r].Base, b.MonthRows[r].Base);
    EXPECT_EQ(a.MonthRows[r].ContractBase, b.MonthRows[r].ContractBase);
    EXPECT_EQ(a.MonthRows[r].Contributions, b.MonthRows[r].Contributions);
  }
  ASSERT_EQ(a.AddRows.size(), b.AddRows.size());
  for (std::size_t r = 0; r < a.AddRows.size(); ++r) {
    EXPECT_EQ(a.AddRows[r].Month, b.AddRows[r].Month);
    EXPECT_EQ(a.AddRows[r].TariffCode, b.AddRows[r].TariffCode);
    EXPECT_EQ(a.AddRows[r].Payments, b.AddRows[r].Payments);
    EXPECT_EQ(a.AddRows[r].Contributions, b.AddRows[r].Contributions);
  }
}

// The listed persons come back as listed, in order, across several blocks, and may be moved
// out of the record they are handed in.
TEST(ListedPersons, GiveBackEveryPersonAsListedEvenWhenMovedOut) {
  std::vector<TZLRec> listed;
  for (int i = 0; i < 20000; ++i) listed.push_back(Listed(i));
  prot501::ListedPersons packed;
  for (const TZLRec& p : listed) packed.Add(p);
  ASSERT_EQ(packed.size(), listed.size());
  std::vector<TZLRec> back;
  packed.TakeAll([&](TZLRec& p) { back.push_back(std::move(p)); });
  EXPECT_EQ(packed.size(), 0u);
  ASSERT_EQ(back.size(), listed.size());
  for (std::size_t i = 0; i < listed.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectSame(back[i], listed[i]);
  }
}

template <class Codec, class Record>
std::string Packed(const Record& record) {
  std::string out;
  prot501::PackFields packing{out};
  Codec::Walk(packing, record);
  return out;
}

template <class Codec, class Record>
std::size_t SizeOf(const Record& record) {
  prot501::SizeFields sizing;
  Codec::Walk(sizing, record);
  return sizing.size;
}

// A codec's size is what it packs, so a block is never outgrown.
TEST(ListedPersons, TheCodecsSizeIsWhatTheyPack) {
  for (int i = 0; i < 12; ++i) {
    const std::string out = Packed<prot501::ListedPersonCodec>(Listed(i));
    EXPECT_EQ(out.size(), SizeOf<prot501::ListedPersonCodec>(Listed(i))) << i;
    TRSV501YearPersonRec year;
    year.FullName = Listed(i).FullName;
    year.PeriodCode = "34";
    for (int m = 0; m < i; ++m) year.Rows.push_back({m, "НР", 1, 2, 3, 4});
    for (int m = 0; m < i % 4; ++m) year.ExtraRows.push_back({m, 5, 6});
    const std::string yearOut = Packed<prot501::YearPersonCodec>(year);
    EXPECT_EQ(yearOut.size(), SizeOf<prot501::YearPersonCodec>(year)) << i;
  }
}

}  // namespace
}  // namespace orsvelt::test
