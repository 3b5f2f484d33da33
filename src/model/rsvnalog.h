#pragma once
// The file root "Файл": the file's identity and format version, and the document of
// that version.

#include <memory>
#include <string>

#include "model/common/elem_load.h"

namespace orsvelt {

struct TRSV501Document;
struct TRSV502Document;

struct TRSVFile : TElem {
  std::string FileId;          // "ИдФайл", as written
  std::string ProgramVersion;  // "ВерсПрог", as written
  std::string FormatVersion;   // "ВерсФорм", as written
  std::unique_ptr<TRSV501Document> Document501;
  std::unique_ptr<TRSV502Document> Document502;

  TRSVFile();
  ~TRSVFile();
  TRSVFile(TRSVFile&&) noexcept;
  TRSVFile& operator=(TRSVFile&&) noexcept;

  void Clear();
  bool Load(TXMLElement root, const std::string& path);
};

}  // namespace orsvelt
