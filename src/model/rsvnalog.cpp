#include "model/rsvnalog.h"

#include "model/rsv501/document.h"
#include "model/rsv502/document.h"

namespace orsvelt {

TRSVFile::TRSVFile() = default;
TRSVFile::~TRSVFile() = default;
TRSVFile::TRSVFile(TRSVFile&&) noexcept = default;
TRSVFile& TRSVFile::operator=(TRSVFile&&) noexcept = default;

void TRSVFile::Clear() { *this = TRSVFile(); }

namespace {

template <class Document>
void LoadDocument(TRSVFile& file, std::unique_ptr<Document>& slot, TXMLElement e, const std::string& path) {
  Document& doc = NewChild(slot);
  if (!doc.Load(e, path)) TakeOver(file.Errors, doc.Errors);
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
  if (FormatVersion != "5.01" && FormatVersion != "5.02") {
    AddError(path + ": Неизвестная версия формата - " + FormatVersion + ". Чтение невозможно.");
    return false;
  }
  int n = 0;
  for (const TXMLElement child : root.Children()) {
    ++n;
    if (child.Name() != "Документ") {
      AddError(path + ": Неизвестный тэг - " + std::string(child.Name()) + ". Чтение невозможно.");
      continue;
    }
    const std::string docPath = path + " - Документ [" + std::to_string(n) + "]";
    if (FormatVersion == "5.01")
      LoadDocument(*this, Document501, child, docPath);
    else
      LoadDocument(*this, Document502, child, docPath);
  }
  return Errors.empty();
}

}  // namespace orsvelt
