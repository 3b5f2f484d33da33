#pragma once
// The reading messages of the element classes, named by what they say. Users and their
// auditors compare protocols across versions of this program, so a text here changes only
// together with the protocols it appears in.

#include "model/common/element_rules.h"

namespace orsvelt::element {

// After the element's path, about the element itself (format 5.01).
inline constexpr Wording kMustContainAttributes{"{path}: Тэг должен содержать атрибуты."};
inline constexpr Wording kMustHaveAttributes{"{path}: В тэге должны быть атрибуты."};
inline constexpr Wording kMustNotContainAttributes{"{path}: Тэг не должен содержать атрибуты."};
inline constexpr Wording kMustNotContainAnyAttributes{"{path}: Тэг не должен содержать атрибутов."};
inline constexpr Wording kMustContainChildTags{"{path}: Тэг должен содержать дочерние тэги."};
inline constexpr Wording kMustNotContainChildTags{"{path}: Тэг не должен содержать дочерние тэги."};
inline constexpr Wording kMustNotContainAnyChildTags{"{path}: Тэг не должен содержать дочерних тэгов."};
inline constexpr Wording kChildTagsNotProvided{"{path}: Дочерние тэги в данном тэге не предусмотрены форматом."};
inline constexpr Wording kChildElementsNotProvided{
    "{path}: Формат тэга не предусматривает наличия дочерних элементов."};
inline constexpr Wording kUnknownAttributeNamed{"{path}: Неизвестный атрибут с именем {name}"};
inline constexpr Wording kUnknownChildTagNamed{"{path}: Неизвестный дочерний тэг с именем {name}"};

// After the element's path, naming the tag.
inline constexpr Wording kNamedTagMustContainAttributes{"{path}: Тэг {tag} должен содержать атрибуты."};
inline constexpr Wording kNamedTagMustContainChildTags{"{path}: Тэг {tag} должен содержать дочерние тэги."};
inline constexpr Wording kNamedTagMustContainChildElements{"{path}: Тэг {tag} должен содержать дочерние элементы."};
inline constexpr Wording kNamedTagUnknownAttribute{"{path}: Тэг {tag} - неизвестный атрибут {name}"};
inline constexpr Wording kNamedTagUnknownChildTag{"{path}: Тэг {tag} - неизвестный дочерний тэг {name}"};
inline constexpr Wording kNamedTagMustNotContainAttributesUnreadable{
    "{path}: Тэг {tag} не должен содержать атрибутов. Чтение невозможно."};
inline constexpr Wording kNamedTagMustContainChildElementsUnreadable{
    "{path}: Тэг {tag} должен содержать дочерние элементы. Чтение невозможно."};
inline constexpr Wording kChildElementNotAllowedInTag{"{path}: Недопустимый дочерний элемент в тэге {tag} - {name}"};

// After the element's path, about the elements both formats share, whose tags are named
// by what they hold.
inline constexpr Wording kInTagMustBeAttributes{"{path}: В тэге {tag} должны быть атрибуты."};
inline constexpr Wording kInTagNoAttributes{"{path}: В тэге {tag} отсутствуют атрибуты."};
inline constexpr Wording kInTagNoRequiredAttributes{"{path}: В тэге {tag} отсутствуют обязательные атрибуты."};
inline constexpr Wording kInTagChildTagsNotProvided{
    "{path}: В тэге {tag} присутствуют дочерние тэги, не предусмотренные форматом."};
inline constexpr Wording kInTagMustBeChildElements{"{path}: В тэге {tag} должны присутствовать дочерние элементы."};
inline constexpr Wording kAttributeNotAllowedInTag{"{path}: Недопустимый атрибут с именем \"{name}\" в тэге {tag}"};
inline constexpr Wording kUnknownAttributeDash{"{path}: Неизвестный атрибут - {name}"};
inline constexpr Wording kUnknownChildElementDash{"{path}: Неизвестный дочерний элемент - {name}"};

// After the element's path and the attribute, about its value.
inline constexpr Wording kValueMustBeNumber{"{path} - @{name}: Значение должно быть числом."};
inline constexpr Wording kValueMustBeSum{"{path} - @{name}: Значение должно быть суммой."};
inline constexpr Wording kValueNotNumber{"{path} - @{name}: Значение не является числом."};
inline constexpr Wording kValueNotSum{"{path} - @{name}: Значение не является суммой."};

// Standing alone, naming the tag (format 5.02).
inline constexpr Wording kTagContainsNoAttributes{"Тэг {tag} не содержит атрибутов."};
inline constexpr Wording kTagMustContainAttributes{"Тэг {tag} должен содержать атрибуты."};
inline constexpr Wording kTagMustNotContainAttributes{"Тэг {tag} не должен содержать атрибутов."};
inline constexpr Wording kTagCannotContainAttributes{"Тэг {tag} не может содержать атрибутов."};
inline constexpr Wording kTypeMustContainAttributes{"Элемент типа {tag} должен содержать атрибуты."};
inline constexpr Wording kTypeMustNotContainAttributes{"Элемент типа {tag} не должен содержать атрибутов."};

inline constexpr Wording kTagContainsNoChildren{"Тэг {tag} не содержит дочерних элементов."};
inline constexpr Wording kTagMustNotContainChildren{"Тэг {tag} не должен содержать дочерних элементов."};
inline constexpr Wording kElementContainsNoChildren{"Элемент {tag} не содержит дочерних элементов."};
inline constexpr Wording kElementMustNotContainChildren{"Элемент {tag} не должен содержать дочерних элементов."};
inline constexpr Wording kTypeContainsNoChildren{"Элемент типа {tag} не содержит дочерних элементов."};
inline constexpr Wording kTypeMustNotContainChildren{"Элемент типа {tag} не должен содержать дочерних элементов."};

inline constexpr Wording kUnknownTagAttribute{"Неизвестный атрибут тэга {tag} - {name}"};
inline constexpr Wording kUnknownElementAttribute{"Неизвестный атрибут элемента {tag} - {name}"};
inline constexpr Wording kUnknownTypeAttribute{"Неизвестный атрибут элемента типа {tag} - {name}"};
inline constexpr Wording kUnknownTagChild{"Неизвестный элемент тэга {tag} - {name}"};
inline constexpr Wording kUnknownChildInType{"Неизвестный элемент в типе {tag} - {name}"};

inline constexpr Wording kTagAttributeNotNumeric{"Атрибут тэга {tag} {name} имеет не числовое значение."};
inline constexpr Wording kElementAttributeNotNumeric{"Атрибут элемента {tag} {name} имеет не числовое значение."};
inline constexpr Wording kTypeAttributeNotNumeric{"Атрибут элемента типа {tag} {name} имеет не числовое значение."};

}  // namespace orsvelt::element
