#include "analysis/common/person_index.h"

#include "xml/stringfuncs.h"

namespace orsvelt {

namespace {

std::optional<std::size_t> Lookup(const std::unordered_map<std::string, std::size_t>& map, const std::string& key) {
  const auto it = map.find(key);
  return it == map.end() ? std::nullopt : std::optional<std::size_t>(it->second);
}

}  // namespace

std::optional<std::size_t> PersonIndex::Find(std::string_view snils, std::string_view inn) const {
  if (std::string key = SnilsDigits(snils); !key.empty()) return Lookup(bySnils_, key);
  if (inn.empty()) return std::nullopt;
  return Lookup(byInnWithoutSnils_, std::string(inn));
}

std::pair<std::size_t, bool> PersonIndex::FindOrAdd(std::string_view snils, std::string_view inn, std::size_t next) {
  if (std::string key = SnilsDigits(snils); !key.empty()) {
    const auto [it, added] = bySnils_.try_emplace(std::move(key), next);
    return {it->second, added};
  }
  if (inn.empty()) return {next, true};
  const auto [it, added] = byInnWithoutSnils_.try_emplace(std::string(inn), next);
  return {it->second, added};
}

void PersonIndex::Clear() {
  bySnils_.clear();
  byInnWithoutSnils_.clear();
}

}  // namespace orsvelt
