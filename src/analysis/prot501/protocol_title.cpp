#include "analysis/prot501/protocol_title.h"

namespace orsvelt::prot501 {

ProtocolTitle TitleOf(const TRSV501ProtData& d) {
  ProtocolTitle title;
  title.mainFile = {d.FileName, d.FormatVersion, d.PeriodText, d.CorrectionNumber, d.PlaceText, {}};
  title.readErrors = d.ReadErrors;
  for (const TRSV501EarlierFileRec& file : d.EarlierFiles)
    title.earlierFiles.push_back(
        {file.FileName, file.FormatVersion, file.PeriodText, file.CorrectionNumber, file.PlaceText, {}});
  title.payer = {d.PayerType, d.PayerName, d.PayerINN, d.PayerKPP};
  return title;
}

}  // namespace orsvelt::prot501
