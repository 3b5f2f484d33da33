#include "analysis/prot502/protocol_title.h"

#include "analysis/prot502/prot502.h"
#include "analysis/prot502/protocol_texts.h"

namespace orsvelt {

ProtocolTitle TitleOf502(const TRSV502Prot& prot) {
  ProtocolTitle title;
  title.mainFile = {prot.MainFileName(), prot.FormatLabel(), PeriodText502(prot.PeriodCode(), prot.ReportYear()),
                    prot.CorrectionNumber(), prot.PlaceName(), {}};
  title.readErrors = prot.ReadErrors();
  for (const TRSV502ProtFileRec& file : prot.EarlierFiles())
    title.earlierFiles.push_back({file.FileName, file.FormatVersion, PeriodText502(file.PeriodCode, file.ReportYear),
                                  file.CorrectionNumber, file.PlaceName, file.Note});
  const TRSV502ProtPayer& payer = prot.Payer();
  title.payer = {payer.Type, payer.Name, payer.Inn, payer.Kpp};
  return title;
}

}  // namespace orsvelt
