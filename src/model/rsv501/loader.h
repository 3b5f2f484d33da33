#pragma once
// The one loader of the format 5.01 element classes. A class describes itself by a shape:
// its attribute rule, child rule, value wording, the wordings for unknown names, and
// tables of the attributes and children it reads. LoadElement runs the attribute phase
// and the child phase (or the other way round) from that description alone.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "model/common/elem_load.h"
#include "model/common/path_buffer.h"

namespace orsvelt::rsv501 {

enum class AttrRule { Required, Forbidden, Optional };
enum class ChildRule { Required, Forbidden, Optional, Ignored };

// A rule with the message it adds after the path when it is broken.
struct AttrCheck {
  AttrRule rule;
  std::string_view message;
};
struct ChildCheck {
  ChildRule rule;
  std::string_view message;
};

inline constexpr AttrCheck AR{AttrRule::Required, ": Тэг должен содержать атрибуты."};
inline constexpr AttrCheck AR2{AttrRule::Required, ": В тэге должны быть атрибуты."};
inline constexpr AttrCheck AF{AttrRule::Forbidden, ": Тэг не должен содержать атрибуты."};
inline constexpr AttrCheck AF2{AttrRule::Forbidden, ": Тэг не должен содержать атрибутов."};
inline constexpr AttrCheck AO{AttrRule::Optional, ""};

inline constexpr ChildCheck CR{ChildRule::Required, ": Тэг должен содержать дочерние тэги."};
inline constexpr ChildCheck CF1{ChildRule::Forbidden, ": Тэг не должен содержать дочерние тэги."};
inline constexpr ChildCheck CF2{ChildRule::Forbidden, ": Дочерние тэги в данном тэге не предусмотрены форматом."};
inline constexpr ChildCheck CF3{ChildRule::Forbidden, ": Формат тэга не предусматривает наличия дочерних элементов."};
inline constexpr ChildCheck CF4{ChildRule::Forbidden, ": Тэг не должен содержать дочерних тэгов."};
inline constexpr ChildCheck CO{ChildRule::Optional, ""};
inline constexpr ChildCheck CX{ChildRule::Ignored, ""};

// What follows " - @" + attribute name when a value does not convert.
struct ValueWording {
  std::string_view number;  // integers
  std::string_view sum;     // amounts
};
inline constexpr ValueWording VD{": Значение должно быть числом.", ": Значение должно быть суммой."};
inline constexpr ValueWording VN{": Значение не является числом.", ": Значение не является суммой."};
inline constexpr ValueWording VDStar{": Значение должно быть числом.", ": Значение должно быть числом."};

// How a child's path is formed from the parent's path, the child's name and i, its
// 0-based position among all children of the parent.
enum class ChildPath {
  Indexed,        // " - Name[i]"
  Plain,          // " - Name"
  Spaced1Based,   // " - Name [i+1]"
  Parenthesized,  // " - Name (i)"
};

std::string MakeChildPath(const std::string& parent, std::string_view name, ChildPath style, std::size_t i);
// The same into out, for a buffer that is reused.
void MakeChildPath(std::string& out, const std::string& parent, std::string_view name, ChildPath style, std::size_t i);

// One child element a class reads: its XML name and how it is created, stored and loaded.
template <class T>
struct ChildField {
  std::string_view name;
  ChildPath path;
  void (*load)(T& obj, TXMLElement e, const std::string& path, Messages& errors);
};

template <class M>
struct MemberOf;
template <class T, class F>
struct MemberOf<F T::*> {
  using Owner = T;
};

// The table entry for a child held in Member: a single object (std::unique_ptr, replaced
// by a repeated element) or a list (std::vector, appended to).
template <auto Member, ChildPath Path = ChildPath::Indexed>
constexpr ChildField<typename MemberOf<decltype(Member)>::Owner> Child(std::string_view name) {
  using T = typename MemberOf<decltype(Member)>::Owner;
  return {name, Path, [](T& obj, TXMLElement e, const std::string& path, Messages& errors) {
            LoadChild(NewChild(obj.*Member), e, path, errors);
          }};
}

inline constexpr std::string_view kUnknownAttr = ": Неизвестный атрибут с именем ";
inline constexpr std::string_view kUnknownChild = ": Неизвестный дочерний тэг с именем ";

template <class T>
struct ElementShape {
  AttrCheck attrRule;
  ChildCheck childRule;
  ValueWording values = VN;
  std::span<const AttrField<T>> attrs = {};
  std::span<const ChildField<T>> children = {};
  bool childrenFirst = false;  // test the child rule before the attribute phase
  bool stopOnShape = false;    // a broken attribute or child rule ends the reading
  std::string_view unknownAttr = kUnknownAttr;
  std::string_view unknownChild = kUnknownChild;
};

namespace detail {

// False when the rule was broken.
template <class T>
bool AttributePhase(T& obj, TXMLElement e, const std::string& path, const ElementShape<T>& shape) {
  const bool has = e.HasAttributes();
  switch (shape.attrRule.rule) {
    case AttrRule::Forbidden:
      if (has) obj.AddError(path + std::string(shape.attrRule.message));
      return !has;
    case AttrRule::Required:
      if (!has) {
        obj.AddError(path + std::string(shape.attrRule.message));
        return false;
      }
      break;
    case AttrRule::Optional: break;
  }
  LoadAttributes(
      obj, e, shape.attrs,
      [&](std::string_view name) { obj.AddError(path + std::string(shape.unknownAttr) + std::string(name)); },
      [&](const AttrField<T>& f) {
        const std::string_view wording = f.kind == ValueKind::Amount ? shape.values.sum : shape.values.number;
        obj.AddError(path + " - @" + std::string(f.name) + std::string(wording));
      });
  return true;
}

template <class T>
const ChildField<T>* FindChild(std::span<const ChildField<T>> table, std::string_view name) {
  for (const auto& c : table)
    if (c.name == name) return &c;
  return nullptr;
}

// False when the rule was broken.
template <class T>
bool ChildPhase(T& obj, TXMLElement e, const std::string& path, const ElementShape<T>& shape) {
  const bool has = e.HasChildren();
  switch (shape.childRule.rule) {
    case ChildRule::Ignored: return true;
    case ChildRule::Forbidden:
      if (has) obj.AddError(path + std::string(shape.childRule.message));
      return !has;
    case ChildRule::Required:
      if (!has) {
        obj.AddError(path + std::string(shape.childRule.message));
        return false;
      }
      break;
    case ChildRule::Optional: break;
  }
  std::size_t i = 0;
  for (const TXMLElement child : e.Children()) {
    if (const ChildField<T>* c = FindChild(shape.children, child.Name())) {
      ChildPathBuffer childPath;
      MakeChildPath(childPath.Text(), path, child.Name(), c->path, i);
      c->load(obj, child, childPath.Text(), obj.Errors);
    } else {
      obj.AddError(path + std::string(shape.unknownChild) + std::string(child.Name()));
    }
    ++i;
  }
  return true;
}

}  // namespace detail

// Clears obj and loads it from e; true when no message was added.
template <class T>
bool LoadElement(T& obj, TXMLElement e, const std::string& path, const ElementShape<T>& shape) {
  obj.Clear();
  if (shape.childrenFirst) {
    if (!detail::ChildPhase(obj, e, path, shape) && shape.stopOnShape) return false;
    detail::AttributePhase(obj, e, path, shape);
  } else {
    if (!detail::AttributePhase(obj, e, path, shape) && shape.stopOnShape) return false;
    detail::ChildPhase(obj, e, path, shape);
  }
  return obj.Errors.empty();
}

}  // namespace orsvelt::rsv501
