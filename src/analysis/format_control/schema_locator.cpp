#include "analysis/format_control/schema_locator.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include <pugixml.hpp>

#include "xml/codepage.h"
#include "xml/path_text.h"
#include "xml/xml_declaration.h"

namespace orsvelt {

namespace {

std::string_view LocalName(const char* name) {
  const std::string_view s = name;
  const auto colon = s.find(':');
  return colon == std::string_view::npos ? s : s.substr(colon + 1);
}

pugi::xml_node ChildNamed(pugi::xml_node parent, std::string_view local, std::string_view nameAttr) {
  for (const pugi::xml_node child : parent.children()) {
    if (LocalName(child.name()) == local && (nameAttr.empty() || nameAttr == child.attribute("name").value()))
      return child;
  }
  return {};
}

std::string JoinFolders(const std::vector<std::filesystem::path>& folders) {
  std::string out;
  for (const auto& folder : folders) {
    if (!out.empty()) out += ", ";
    out += PathToUtf8(folder);
  }
  return out;
}

}  // namespace

std::vector<std::filesystem::path> SchemaFolders(const SchemaSearch& search) {
  std::vector<std::filesystem::path> folders;
  if (!search.explicitFolder.empty()) folders.push_back(search.explicitFolder);
  if (const char* env = std::getenv("ORSVELT_SCHEMAS"); env != nullptr && *env != '\0')
    folders.push_back(Utf8ToPath(env));
  if (!search.executableFolder.empty()) folders.push_back(search.executableFolder / "schemas");
#ifdef ORSVELT_INSTALLED_SCHEMAS
  folders.push_back(Utf8ToPath(ORSVELT_INSTALLED_SCHEMAS));
#endif
  return folders;
}

std::vector<std::string> AllowedFormVersions(const std::filesystem::path& xsd) {
  std::ifstream in(xsd, std::ios::binary);
  if (!in) return {};
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!IsUtf8Text(bytes)) bytes = Cp1251ToUtf8(bytes);
  pugi::xml_document doc;
  if (!doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8)) return {};
  const pugi::xml_node root = doc.document_element();
  if (LocalName(root.name()) != "schema") return {};
  const pugi::xml_node type = ChildNamed(ChildNamed(root, "element", "Файл"), "complexType", "");
  const pugi::xml_node attribute = ChildNamed(type, "attribute", "ВерсФорм");
  if (!attribute) return {};
  if (const pugi::xml_attribute fixed = attribute.attribute("fixed")) return {fixed.value()};
  std::vector<std::string> versions;
  for (const pugi::xpath_node e : attribute.select_nodes(".//*")) {
    if (LocalName(e.node().name()) == "enumeration") versions.emplace_back(e.node().attribute("value").value());
  }
  return versions;
}

SchemaLocation LocateSchema(const SchemaSearch& search, std::string_view formVersion) {
  const std::vector<std::filesystem::path> folders = SchemaFolders(search);
  bool anyFolder = false;
  std::vector<std::string> unreadable;
  for (const auto& folder : folders) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) continue;
    anyFolder = true;
    std::vector<std::filesystem::path> fitting;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
      if (ec) break;
      const std::filesystem::path& file = it->path();
      std::string extension = PathToUtf8(file.extension());
      std::transform(extension.begin(), extension.end(), extension.begin(),
                     [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
      if (extension != ".xsd" || !it->is_regular_file(ec)) continue;
      const std::vector<std::string> versions = AllowedFormVersions(file);
      if (versions.empty()) unreadable.push_back(PathToUtf8(file.filename()));
      if (std::find(versions.begin(), versions.end(), formVersion) != versions.end()) fitting.push_back(file);
    }
    if (!fitting.empty()) {
      SchemaLocation found;
      found.file = *std::max_element(fitting.begin(), fitting.end(),
                                     [](const auto& a, const auto& b) { return a.filename() < b.filename(); });
      return found;
    }
  }
  SchemaLocation none;
  if (folders.empty() || !anyFolder) {
    none.failure = "папка схем не найдена" + (folders.empty() ? std::string() : " (искали: " + JoinFolders(folders) + ")");
  } else {
    none.failure = "схема для версии формата " + std::string(formVersion) + " не найдена (искали: " +
                   JoinFolders(folders) + ")";
    if (!unreadable.empty()) {
      none.failure += "; не читаются как схема расчёта:";
      for (const auto& name : unreadable) none.failure += " " + name;
    }
  }
  return none;
}

}  // namespace orsvelt
