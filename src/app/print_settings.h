#pragma once

#include "app/font_record.h"
#include "output/printer_setup_rules.h"

namespace klv {

class CKLV570App;

PrintFontChoice ToPrintFontChoice(const PrinterFont& font);
// Face, character set and size into the font record; the rest of the record stays.
void ApplyPrintFontChoice(const PrintFontChoice& choice, PrinterFont& font);

PrinterSetupValues GetPrinterSetupValues(CKLV570App& app);
// Stores what "Printer set" accepted and writes it to the settings file.
void ApplyPrinterSetupValues(CKLV570App& app, const PrinterSetupValues& values);

}  // namespace klv
