#include "model/rsvnalog.h"

#include "model/rsv501/document.h"
#include "model/rsv502/document.h"
#include "model/rsv505/document.h"

namespace orsvelt {

TRSVFile::TRSVFile() = default;
TRSVFile::~TRSVFile() = default;
TRSVFile::TRSVFile(TRSVFile&&) noexcept = default;
TRSVFile& TRSVFile::operator=(TRSVFile&&) noexcept = default;

void TRSVFile::Clear() { *this = TRSVFile(); }

namespace {

template <class Document>
void LoadDocument(TRSVFile& file, std::unique_ptr<Document>& slot, TXMLElement e, const std::string& path) {
  Document& doc = NewChildOf(file, slot);
  if (!doc.Load(e, path)) TakeOver(file.Errors, doc.Errors);
}

struct KnownVersion {
  std::string_view name;
  Edition edition;
};
constexpr KnownVersion kVersions[] = {{"5.01", Edition::V501}, {"5.02", Edition::V502}, {"5.03", Edition::V503},
                                      {"5.04", Edition::V504}, {"5.05", Edition::V505}, {"5.06", Edition::V506},
                                      {"5.07", Edition::V507}, {"5.08", Edition::V508}};

const KnownVersion* FindVersion(std::string_view name) {
  for (const KnownVersion& v : kVersions)
    if (v.name == name) return &v;
  return nullptr;
}

}  // namespace

bool TRSVFile::Load(TXMLElement root, const std::string& path) {
  Clear();
  if (!root.HasAttributes()) {
    AddError(path + ": Тэг Файл не содержит атрибутов. Чтение невозможно.");
    return false;
  }
  if (!root.HasChildren()) {
    AddError(path + ": Тэг Файл не содержит дочерних тэгов. Чтение невозможно.");
    return false;
  }
  for (const TXMLAttr a : root.Attributes()) {
    if (a.Name == "ИдФайл")
      FileId = a.Value;
    else if (a.Name == "ВерсПрог")
      ProgramVersion = a.Value;
    else if (a.Name == "ВерсФорм")
      FormatVersion = a.Value;
  }
  const KnownVersion* version = FindVersion(FormatVersion);
  if (!version) {
    AddError(path + ": Неизвестная версия формата - " + FormatVersion + ". Чтение невозможно.");
    return false;
  }
  edition = version->edition;
  int n = 0;
  for (const TXMLElement child : root.Children()) {
    ++n;
    if (child.Name() != "Документ") {
      AddError(path + ": Неизвестный тэг - " + std::string(child.Name()) + ". Чтение невозможно.");
      continue;
    }
    const std::string docPath = path + " - Документ [" + std::to_string(n) + "]";
    if (edition == Edition::V501)
      LoadDocument(*this, Document501, child, docPath);
    else if (edition == Edition::V502)
      LoadDocument(*this, Document502, child, docPath);
    else if (edition <= Edition::V504)
      LoadDocument(*this, Document503, child, docPath);
    else
      LoadDocument(*this, Document505, child, docPath);
  }
  return Errors.empty();
}

}  // namespace orsvelt
