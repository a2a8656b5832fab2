#pragma once

#include <string>

class QWidget;

namespace klv {

class CKLV570App;
class CMainChannel;
class ReportPrinter;
// The statistics window over the open channel's working condition, with the caption.
void ShowStatisticsWindow(CKLV570App& app, CMainChannel& channel, ReportPrinter& reports,
                          const std::string& caption, QWidget* parent);

}  // namespace klv
