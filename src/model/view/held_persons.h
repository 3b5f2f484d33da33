#pragma once
// Persons of section 3 that outlive the model they were read from: an analysis takes them
// one at a time while a large report is read (model/common/person_hand_off.h) and keeps
// only what it reads of them, far smaller than the model or the view.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string_view>
#include <vector>

#include "model/view/report_view.h"
#include "model/view/text_blocks.h"

namespace orsvelt::view {

class HeldPersons {
 public:
  // Copies the person's identity and annulment and its month rows; not its number, path
  // steps, additional-tariff rows or declared totals.
  void Add(const Person& person, std::span<const MonthRow> rows);
  std::size_t Size() const { return persons_.size(); }
  void Clear();

  // Hands each person in order to f(const Person&, std::span<MonthRow>), rebuilt for the
  // call: the texts stay valid while this object is not cleared, the rows (their positions
  // left 0) are f's to change.
  template <class F>
  void ForEach(F&& f) const {
    Person person;
    std::vector<MonthRow> rows;
    std::size_t row = 0;
    for (const HeldPerson& held : persons_) {
      Rebuild(held, row, person, rows);
      f(static_cast<const Person&>(person), std::span<MonthRow>(rows));
      row += held.rowCount;
    }
  }

 private:
  enum Text : std::size_t { Snils, Inn, Surname, GivenName, Patronymic, BirthDate, Sex, kTexts };
  struct HeldPerson {
    const char* text = nullptr;  // the identity texts one after another, then the rows' categories
    std::array<std::uint32_t, kTexts> lengths{};
    std::uint32_t rowCount = 0;
    bool annulled = false;
    bool identified = false;
  };
  struct HeldRow {
    Amount payments = 0, base = 0, contractBase = 0, contributions = 0;
    std::uint32_t categoryLength = 0;
    std::uint8_t month = 0;
  };

  void Rebuild(const HeldPerson& held, std::size_t firstRow, Person& person, std::vector<MonthRow>& rows) const;

  // Deques, so that 100 000 persons never stand in two copies while their list grows.
  std::deque<HeldPerson> persons_;
  std::deque<HeldRow> rows_;
  TextBlocks texts_;
};

}  // namespace orsvelt::view
