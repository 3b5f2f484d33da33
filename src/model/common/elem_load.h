#pragma once
// The loading steps that every element class of the document model shares: typed
// attribute fields looked up in a per-class table, child elements dispatched by a
// per-class table, and messages handed from children to parents.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/common/messages.h"
#include "xml/amount.h"
#include "xml/stringfuncs.h"
#include "xml/xmlwork.h"

namespace orsvelt {

// The format version an element is read under. Most classes read every version alike; a
// class whose tables changed between versions picks them by it. A parent hands it down.
enum class Edition : std::uint8_t { V501, V502, V503, V504, V505, V506, V507, V508 };

// Base of every element class: the messages an element collected about itself and its
// descendants, and the version it is read under.
struct TElem {
  Messages Errors;
  Edition edition = Edition::V501;
  void AddError(std::string text) { Errors.push_back(std::move(text)); }
};

// Appends a child's messages, in order, to the parent's list.
inline void TakeOver(Messages& to, const Messages& from) { to.Append(from); }

enum class ValueKind { Text, RawText, Int32, Int64, Amount };

// One attribute a class reads: its XML name, how its value is held, and the field.
template <class T>
struct AttrField {
  std::string_view name;
  ValueKind kind;
  std::string T::*text = nullptr;
  std::int32_t T::*int32 = nullptr;
  std::int64_t T::*int64 = nullptr;  // also amounts (value times 10000)
  Edition from = Edition::V501;       // the first version that has it
  // The same attribute, known only from version first on.
  constexpr AttrField From(Edition first) const {
    AttrField f = *this;
    f.from = first;
    return f;
  }
};

template <class T>
constexpr AttrField<T> TextAttr(std::string_view name, std::string T::*field) {
  return {name, ValueKind::Text, field, nullptr, nullptr};
}
template <class T>
constexpr AttrField<T> RawTextAttr(std::string_view name, std::string T::*field) {
  return {name, ValueKind::RawText, field, nullptr, nullptr};
}
template <class T>
constexpr AttrField<T> Int32Attr(std::string_view name, std::int32_t T::*field) {
  return {name, ValueKind::Int32, nullptr, field, nullptr};
}
template <class T>
constexpr AttrField<T> Int64Attr(std::string_view name, std::int64_t T::*field) {
  return {name, ValueKind::Int64, nullptr, nullptr, field};
}
template <class T>
constexpr AttrField<T> AmountAttr(std::string_view name, Amount T::*field) {
  return {name, ValueKind::Amount, nullptr, nullptr, field};
}

// The table entry for name that edition knows, or null; the first such entry wins.
template <class T>
const AttrField<T>* FindAttr(std::span<const AttrField<T>> table, std::string_view name, Edition edition) {
  for (const auto& f : table)
    if (f.name == name && f.from <= edition) return &f;
  return nullptr;
}

// Stores a raw attribute value into its field. False when the value does not convert;
// the field is then left as it was.
template <class T>
bool StoreAttr(T& obj, const AttrField<T>& f, std::string_view raw) {
  switch (f.kind) {
    case ValueKind::Text: obj.*(f.text) = DecodeEntities(raw); return true;
    case ValueKind::RawText: obj.*(f.text) = std::string(raw); return true;
    case ValueKind::Int32:
      if (auto v = ParseInt32(DecodeEntities(raw))) { obj.*(f.int32) = *v; return true; }
      return false;
    case ValueKind::Int64:
      if (auto v = ParseInt64(DecodeEntities(raw))) { obj.*(f.int64) = *v; return true; }
      return false;
    case ValueKind::Amount:
      if (auto v = ParseAmount(DecodeEntities(raw))) { obj.*(f.int64) = *v; return true; }
      return false;
  }
  return false;
}

// Sets a field back to its default after a failed conversion, where a class wants that.
template <class T>
void ResetAttr(T& obj, const AttrField<T>& f, std::int64_t value = 0) {
  if (f.int32) obj.*(f.int32) = static_cast<std::int32_t>(value);
  if (f.int64) obj.*(f.int64) = value;
}

// Reads every attribute of e in document order through the table. onUnknown(name) is
// called for a name the table lacks, onBadValue(field) for a value that does not convert.
template <class T, class Unknown, class BadValue>
void LoadAttributes(T& obj, TXMLElement e, std::span<const AttrField<T>> table, Unknown&& onUnknown,
                    BadValue&& onBadValue) {
  for (const TXMLAttr a : e.Attributes()) {
    const AttrField<T>* f = FindAttr(table, a.Name, obj.edition);
    if (!f)
      onUnknown(a.Name);
    else if (!StoreAttr(obj, *f, a.Value))
      onBadValue(*f);
  }
}

// A fresh object in a single-child slot (replacing an earlier one) or at the end of a list.
template <class C>
C& NewChild(std::unique_ptr<C>& slot) {
  slot = std::make_unique<C>();
  return *slot;
}
template <class C>
C& NewChild(std::vector<C>& list) {
  return list.emplace_back();
}

// The same, read under the parent's version.
template <class Slot>
auto& NewChildOf(const TElem& parent, Slot& slot) {
  auto& child = NewChild(slot);
  child.edition = parent.edition;
  return child;
}

// Loads a child object from element e with the path given, and takes its errors over.
template <class C>
void LoadChild(C& child, TXMLElement e, const std::string& path, Messages& errors) {
  if (!child.Load(e, path)) TakeOver(errors, child.Errors);
}

}  // namespace orsvelt
