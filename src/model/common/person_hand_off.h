#pragma once
// Persons of section 3 handed over as soon as they are read, so that a large report need not
// hold all of them at once. Every format whose persons are a list of one element type reads
// them through HandedChild; an analysis that wants them one at a time sets up a PersonHandOff
// of that type around the reading.

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "model/common/element_rules.h"

namespace orsvelt {

// While one lives, the reports this thread reads hand each Person over as soon as it is read,
// and the person leaves its list unless take refuses it. Messages are collected as before.
// restart says that the persons handed so far have left the model (its document or its
// calculation is read again or replaced).
template <class Person>
class PersonHandOff {
 public:
  using Take = std::function<bool(const Person&)>;
  PersonHandOff(std::function<void()> restart, Take take)
      : restart_(std::move(restart)), take_(std::move(take)), outer_(current_) {
    current_ = this;
  }
  ~PersonHandOff() { current_ = outer_; }
  PersonHandOff(const PersonHandOff&) = delete;
  PersonHandOff& operator=(const PersonHandOff&) = delete;

  // The innermost one living on this thread, or null.
  static PersonHandOff* Current() { return current_; }
  void Restart() const { restart_(); }
  bool Taken(const Person& person) const { return take_(person); }

  // Said by the loader of the element that holds the persons, and of its document.
  static void RestartCurrent() {
    if (current_) current_->Restart();
  }
  // Said by the loader once the last person of the list has been read.
  template <class List>
  static void Offer(List& persons) {
    if (current_ && current_->Taken(persons.back())) persons.pop_back();
  }

 private:
  std::function<void()> restart_;
  Take take_;
  PersonHandOff* outer_;
  static inline thread_local PersonHandOff* current_ = nullptr;
};

namespace element {

// Loads a person into its list, from which a living hand-off may take it at once.
template <auto Slot>
void LoadHandedPerson(typename detail::MemberOf<decltype(Slot)>::Class& parent, TXMLElement e,
                      const std::string& parentPath, const ChildPath& form, std::size_t sibling) {
  LoadIntoSlot<Slot>(parent, e, parentPath, form, sibling);
  auto& persons = parent.*Slot;
  using Person = typename std::remove_cvref_t<decltype(persons)>::value_type;
  PersonHandOff<Person>::Offer(persons);
}

// The table entry of the persons' list. Its path form must not count within the list: a
// handed person leaves the list, and the next would take its number.
template <auto Slot>
constexpr ChildField<typename detail::MemberOf<decltype(Slot)>::Class> HandedChild(std::string_view name,
                                                                                   const ChildPath& path) {
  return {name, &path, &LoadHandedPerson<Slot>};
}

}  // namespace element
}  // namespace orsvelt
