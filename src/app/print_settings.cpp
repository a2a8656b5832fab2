#include "app/print_settings.h"

#include "app/klv570_app.h"
#include "app/log_font.h"
#include "base/fixed_text.h"

namespace klv {

PrintFontChoice ToPrintFontChoice(const PrinterFont& font) {
    return {GetFixedText(font.font.lfFaceName), font.font.lfCharSet, font.size};
}

void ApplyPrintFontChoice(const PrintFontChoice& choice, PrinterFont& font) {
    SetFixedText(font.font.lfFaceName, choice.face);
    font.font.lfCharSet = choice.charSet;
    font.size = choice.sizeTenths;
}

PrinterSetupValues GetPrinterSetupValues(CKLV570App& app) {
    PrinterSetupValues v;
    v.rollPaper = (app.SystemFlags() & kFlagRollPaperPrinter) != 0;
    v.modelId = app.PrinterName();
    v.mode = app.MeasDataPrint();
    v.page = ToPrintFontChoice(app.PagePrinterFont());
    v.rollPaperFont = ToPrintFontChoice(app.LinePrinterFont());
    return v;
}

void ApplyPrinterSetupValues(CKLV570App& app, const PrinterSetupValues& values) {
    app.SetRollPaperPrinterFlag(values.rollPaper);
    app.SetPrinterName(values.modelId);
    app.SetMeasDataPrint(values.mode);
    ApplyPrintFontChoice(values.page, app.PagePrinterFont());
    ApplyPrintFontChoice(values.rollPaperFont, app.LinePrinterFont());
    app.WritePrintSettings();
}

}  // namespace klv
