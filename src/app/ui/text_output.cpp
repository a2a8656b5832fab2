#include "app/ui/text_output.h"

#include "app/klv570_app.h"
#include "app/text_output_profile.h"
#include "output/ui/meas_data_output.h"

namespace klv {

void RunTextOutput(CKLV570App& app, const MeasFileData& d, std::span<const MsrLogRecord> records,
                   QWidget* parent) {
    CMeasDataOutput dialog(d, records,
                           LoadTextOutputSettings(app.Profile(), app.GraphicsDirectory()),
                           app.DataDirectory(), app.Op(), parent);
    if (!dialog.HasData())
        return;
    dialog.exec();
    SaveTextOutputSettings(app.Profile(), app.GraphicsDirectory(), dialog.Settings());
}

}  // namespace klv
