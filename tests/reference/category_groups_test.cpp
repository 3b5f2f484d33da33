// Category and tariff groups of format 5.01.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "reference/category_groups.h"

namespace orsvelt {
namespace {

using Codes = std::vector<std::string_view>;

Codes List(std::span<const std::string_view> codes) { return {codes.begin(), codes.end()}; }

struct Group {
  Codes categories;
  Codes tariffs;
};

const std::vector<Group> kExpected{
    {{"НР", "ВЖНР", "ВПНР"}, {"01", "02", "03"}},
    {{"ХО", "ВПХО", "ВЖХО"}, {"04"}},
    {{"ТВЭЗ", "ВПТЗ", "ВЖТЗ"}, {"05"}},
    {{"ОДИТ", "ВПИТ", "ВЖИТ"}, {"06"}},
    {{"ЧЭС", "ВПЭС", "ВЖЭС"}, {"07"}},
    {{"ПНЭД", "ВПЭД", "ВЖЭД"}, {"08", "12"}},
    {{"АСБ", "ВПСБ", "ВЖСБ"}, {"09", "10", "11"}},
    {{"ИЦС", "ВПЦС", "ВЖЦС"}, {"13"}},
    {{"КРС", "ВПКС", "ВЖКС"}, {"14"}},
    {{"ТОР", "ВПТР", "ВЖТР"}, {"15"}},
    {{"СПВЛ", "ВПВЛ", "ВЖВЛ"}, {"16"}},
    {{"КЛН", "ВПКЛ", "ВЖКЛ"}, {"17"}},
    {{"АНМ", "ВПАН", "ВЖАН"}, {"18"}},
};

TEST(CategoryGroups, EveryTariffCode) {
  for (const Group& group : kExpected) {
    for (std::string_view tariff : group.tariffs) {
      SCOPED_TRACE(tariff);
      EXPECT_EQ(List(CategoriesOfTariff(tariff)), group.categories);
      EXPECT_EQ(List(TariffGroup(tariff)), group.tariffs);
    }
  }
}

TEST(CategoryGroups, EveryCategoryCode) {
  for (const Group& group : kExpected) {
    for (std::string_view category : group.categories) {
      SCOPED_TRACE(std::string(category));
      EXPECT_EQ(List(CategoryGroup(category)), group.categories);
      EXPECT_EQ(List(TariffsOfCategory(category)), group.tariffs);
    }
  }
}

TEST(CategoryGroups, UnlistedCodesGiveEmptyLists) {
  for (std::string_view tariff : {"", "00", "19", "20", "1", "010", " 01", "01 ", "НР"}) {
    SCOPED_TRACE(std::string(tariff));
    EXPECT_TRUE(CategoriesOfTariff(tariff).empty());
    EXPECT_TRUE(TariffGroup(tariff).empty());
  }
  // Lower case, Latin look-alikes ("HP" in Latin letters), prefixes alone, blanks, tariff codes.
  for (std::string_view category : {"", "нр", "HP", "ВП", "ВЖ", "ВПНР ", " НР", "ВПТВЭЗ", "01"}) {
    SCOPED_TRACE(std::string(category));
    EXPECT_TRUE(CategoryGroup(category).empty());
    EXPECT_TRUE(TariffsOfCategory(category).empty());
  }
}

}  // namespace
}  // namespace orsvelt
