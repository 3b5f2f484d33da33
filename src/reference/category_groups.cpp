#include "reference/category_groups.h"

#include <algorithm>
#include <array>

namespace orsvelt {
namespace {

struct Group {
  std::array<std::string_view, 3> categories;
  std::span<const std::string_view> tariffs;
};

constexpr std::array<std::string_view, 3> kGeneral{"01", "02", "03"};
constexpr std::array<std::string_view, 1> k04{"04"};
constexpr std::array<std::string_view, 1> k05{"05"};
constexpr std::array<std::string_view, 1> k06{"06"};
constexpr std::array<std::string_view, 1> k07{"07"};
constexpr std::array<std::string_view, 2> kSimplified{"08", "12"};
constexpr std::array<std::string_view, 3> kPharmacyNonProfit{"09", "10", "11"};
constexpr std::array<std::string_view, 1> k13{"13"};
constexpr std::array<std::string_view, 1> k14{"14"};
constexpr std::array<std::string_view, 1> k15{"15"};
constexpr std::array<std::string_view, 1> k16{"16"};
constexpr std::array<std::string_view, 1> k17{"17"};
constexpr std::array<std::string_view, 1> k18{"18"};

// Category and tariff codes of format 5.01 (FTS order of 10.10.2016 No ММВ-7-11/551@,
// with КЛН and АНМ added for 2018).
constexpr std::array<Group, 13> kGroups{{
    {{"НР", "ВЖНР", "ВПНР"}, kGeneral},
    {{"ХО", "ВПХО", "ВЖХО"}, k04},
    {{"ТВЭЗ", "ВПТЗ", "ВЖТЗ"}, k05},
    {{"ОДИТ", "ВПИТ", "ВЖИТ"}, k06},
    {{"ЧЭС", "ВПЭС", "ВЖЭС"}, k07},
    {{"ПНЭД", "ВПЭД", "ВЖЭД"}, kSimplified},
    {{"АСБ", "ВПСБ", "ВЖСБ"}, kPharmacyNonProfit},
    {{"ИЦС", "ВПЦС", "ВЖЦС"}, k13},
    {{"КРС", "ВПКС", "ВЖКС"}, k14},
    {{"ТОР", "ВПТР", "ВЖТР"}, k15},
    {{"СПВЛ", "ВПВЛ", "ВЖВЛ"}, k16},
    {{"КЛН", "ВПКЛ", "ВЖКЛ"}, k17},
    {{"АНМ", "ВПАН", "ВЖАН"}, k18},
}};

bool Holds(std::span<const std::string_view> codes, std::string_view code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

const Group* GroupOfTariff(std::string_view tariff) {
  for (const Group& group : kGroups)
    if (Holds(group.tariffs, tariff)) return &group;
  return nullptr;
}

const Group* GroupOfCategory(std::string_view category) {
  for (const Group& group : kGroups)
    if (Holds(group.categories, category)) return &group;
  return nullptr;
}

}  // namespace

std::span<const std::string_view> CategoriesOfTariff(std::string_view tariff) {
  const Group* group = GroupOfTariff(tariff);
  return group ? std::span<const std::string_view>(group->categories) : std::span<const std::string_view>();
}

std::span<const std::string_view> CategoryGroup(std::string_view category) {
  const Group* group = GroupOfCategory(category);
  return group ? std::span<const std::string_view>(group->categories) : std::span<const std::string_view>();
}

std::span<const std::string_view> TariffGroup(std::string_view tariff) {
  const Group* group = GroupOfTariff(tariff);
  return group ? group->tariffs : std::span<const std::string_view>();
}

std::span<const std::string_view> TariffsOfCategory(std::string_view category) {
  const Group* group = GroupOfCategory(category);
  return group ? group->tariffs : std::span<const std::string_view>();
}

}  // namespace orsvelt
