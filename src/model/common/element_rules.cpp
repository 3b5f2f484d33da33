#include "model/common/element_rules.h"

namespace orsvelt::element {

std::string Say(Wording w, std::string_view path, std::string_view tag, std::string_view name) {
  static constexpr std::string_view kPath = "{path}", kTag = "{tag}", kName = "{name}";
  const std::string_view text = w.text;
  std::string out;
  out.reserve(text.size() + path.size() + tag.size() + name.size());
  std::size_t from = 0;
  for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1)) {
    const std::string_view rest = text.substr(at);
    std::string_view value, marker;
    if (rest.starts_with(kPath))
      value = path, marker = kPath;
    else if (rest.starts_with(kTag))
      value = tag, marker = kTag;
    else if (rest.starts_with(kName))
      value = name, marker = kName;
    else
      continue;
    out.append(text, from, at - from);
    out += value;
    from = at + marker.size();
    at = from - 1;
  }
  out.append(text, from);
  return out;
}

void BuildChildPath(std::string& out, const std::string& parent, std::string_view name, const ChildPath& form,
                    std::size_t amongSiblings, std::size_t inList) {
  out.assign(parent);
  switch (form.count) {
    case Count::None: return AppendPathStep(out, form.separator, name, {}, 0, {});
    case Count::AmongSiblings: return AppendPathStep(out, form.separator, name, form.open, amongSiblings, form.close);
    case Count::AmongSiblingsFromOne:
      return AppendPathStep(out, form.separator, name, form.open, amongSiblings + 1, form.close);
    case Count::InList: return AppendPathStep(out, form.separator, name, form.open, inList, form.close);
    case Count::InListFromOne: return AppendPathStep(out, form.separator, name, form.open, inList + 1, form.close);
  }
}

}  // namespace orsvelt::element
