#pragma once
// The title part that the protocols of both formats print the same way: the main file, the
// reading errors, the earlier files of the year and the payer, on the page and on the
// worksheet "Титул".

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "markup/protocol_header.h"
#include "markup/protocol_writer.h"
#include "markup/workbook_cells.h"

namespace orsvelt {

struct TitleFile {
  std::string fileName;
  std::string formatVersion;
  std::string period;  // as shown: "полугодие 2020 г."
  std::int32_t correction = 0;
  std::string place;
  std::string note;  // why an earlier file is not used; no row when empty
};

struct TitlePayer {
  std::string type;
  std::string name;
  std::string inn;
  std::string kpp;
};

struct ProtocolTitle {
  TitleFile mainFile;
  std::vector<std::string> readErrors;
  std::vector<TitleFile> earlierFiles;
  TitlePayer payer;
};

// The page's blocks, each from its heading to the end of its tables; the formats put them
// in their own order. The error and earlier-file blocks are left out when there are none.
void HtmlMainFileBlock(ProtocolWriter& out, const TitleFile& file);
void HtmlReadErrorsBlock(ProtocolWriter& out, const std::vector<std::string>& errors);
void HtmlEarlierFilesBlock(ProtocolWriter& out, const std::vector<TitleFile>& files);
void HtmlPayerBlock(ProtocolWriter& out, const TitlePayer& payer);

// How the formats' title sheets differ.
struct TitleSheetLayout {
  CellStyle valueStyle = CellStyle::None;  // of the caption and value cells
  bool errorRowOnOneLine = false;          // "<Row><Cell>...</Cell></Row>" for each reading error
};

// The whole worksheet "Титул", from its opening to its end; afterMainFile, when given,
// writes its rows right after those of the main file.
void TitleSheet(ProtocolWriter& out, const ProtocolHeader& header, const ProtocolTitle& title,
                const TitleSheetLayout& layout, const std::function<void(ProtocolWriter&)>& afterMainFile = {});

}  // namespace orsvelt
