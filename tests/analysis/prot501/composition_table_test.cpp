#include "analysis/prot501/composition_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orsvelt::prot501 {
namespace {

// Each row reads its own field: every field set apart from the others shows in its row alone.
TEST(Prot501CompositionTable, EachRowShowsItsOwnPart) {
  TRSV501ProtData d;
  d.Section1Present = true;
  d.AddTariffCount = 2;
  d.DSOCount = 3;
  d.Annex1Count = 4;
  d.AnnexPresent = {true, false, true, false, true, false};
  d.PatentCount = 5;
  d.Annex9Present = false;
  d.ForeignerCount = 6;
  d.Annex10Present = true;
  d.StudentCount = 7;
  d.Section2Present = false;
  d.FarmMemberCount = 8;
  d.PersonCount = 9;

  std::vector<std::string> shown;
  for (const CompositionPart& part : CompositionParts()) {
    EXPECT_FALSE(part.part.empty());
    EXPECT_FALSE(part.note.empty());
    const CompositionValue value = part.value(d);
    shown.push_back(std::string(part.part.substr(0, part.part.find('.'))) + "=" +
                    (value.counted ? std::to_string(value.count) : std::string(PresenceText(value.present))));
  }
  const std::vector<std::string> expected = {
      "Раздел 1=есть",
      "Строки 060-073=2",
      "Строки 080-093=3",
      "Приложение 1=4",
      "Приложение 3=есть",
      "Приложение 4=нет",
      "Приложение 5=есть",
      "Приложение 6=нет",
      "Приложение 7=есть",
      "Приложение 8=нет",
      "Подразделы приложения 8=5",
      "Приложение 9=нет",
      "Подразделы приложения 9=6",
      "Приложение 10=есть",
      "Подразделы приложения 10=7",
      "Раздел 2=нет",
      "Приложение 1=8",
      "Раздел 3=9",
  };
  EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace orsvelt::prot501
