#pragma once
// The file root "Файл": the file's identity and format version, and the document of
// that version.

#include <memory>
#include <string>

#include "model/common/elem_load.h"

namespace orsvelt {

struct TRSV501Document;
struct TRSV502Document;
struct TRSV505Document;

// Exactly one document is set after a load that got as far as the document.
struct TRSVFile : TElem {
  std::string FileId;          // "ИдФайл", as written
  std::string ProgramVersion;  // "ВерсПрог", as written
  std::string FormatVersion;   // "ВерсФорм", as written
  std::unique_ptr<TRSV501Document> Document501;
  std::unique_ptr<TRSV502Document> Document502;
  // 5.03 and 5.04 (2021-2022): the classes of 5.02 read under their versions. Apart from
  // Document502, so that what reads a 5.02 report never takes one of these for it.
  std::unique_ptr<TRSV502Document> Document503;
  std::unique_ptr<TRSV505Document> Document505;  // 5.05 to 5.08 (2023 on)

  TRSVFile();
  ~TRSVFile();
  TRSVFile(TRSVFile&&) noexcept;
  TRSVFile& operator=(TRSVFile&&) noexcept;

  void Clear();
  bool Load(TXMLElement root, const std::string& path);
};

}  // namespace orsvelt
