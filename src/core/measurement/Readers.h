#pragma once
// The format readers. Each receives the run with its file lines and path,
// appends samples, sets header data and limit, and answers whether it
// recognised the file. Load tries them in a fixed order.
#include "measurement/MessFahrtDaten.h"

namespace nivora::readers {

bool ReadPm01Bs01(CMessFahrtDaten& run, const ReadContext& context);
bool ReadPm01Bs02(CMessFahrtDaten& run);
bool ReadStreetList(CMessFahrtDaten& run, const ReadContext& context);
bool ReadLimitList(CMessFahrtDaten& run, const ReadContext& context);
// The dated semicolon lists: the five-field list when a data line has five
// fields, else the four-field list. Answers the format, 0 for neither.
int ReadDatedFieldList(CMessFahrtDaten& run, const ReadContext& context);
bool ReadRecordList(CMessFahrtDaten& run, const ReadContext& context);
bool ReadDatumList(CMessFahrtDaten& run, const ReadContext& context);
bool ReadTextPrintout(CMessFahrtDaten& run, const ReadContext& context);

}  // namespace nivora::readers
