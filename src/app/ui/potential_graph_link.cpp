#include "app/ui/potential_graph_link.h"

#include <QColorDialog>
#include <QStringList>

#include "app/file_name_profile.h"
#include "app/klv570_app.h"
#include "app/settings_access.h"
#include "app/settings_keys.h"
#include "measure/ui/potential_color_dialog.h"
#include "measure/ui/potential_result_window.h"

namespace klv {

namespace {

constexpr int kCustomColorCount = 16;

}  // namespace

bool ChooseColorWithCustom(QWidget* owner, QColor& color, ProfileFile& ini) {
    const QStringList stored =
        QString::fromStdString(ReadSetting(ini, ini::kCustomColors)).split(QLatin1Char(','));
    for (int i = 0; i < kCustomColorCount; ++i) {
        bool ok = false;
        const uint value = i < stored.size() ? stored[i].trimmed().toUInt(&ok) : 0;
        QColorDialog::setCustomColor(i, ok ? FromColorRef(value) : QColor(Qt::white));
    }
    const QColor chosen = QColorDialog::getColor(color, owner);
    if (!chosen.isValid())
        return false;
    color = chosen;
    QStringList custom;
    for (int i = 0; i < kCustomColorCount; ++i)
        custom << QString::number(ToColorRef(QColorDialog::customColor(i)));
    WriteSetting(ini, ini::kCustomColors, custom.join(QLatin1Char(',')).toStdString());
    return true;
}

PotentialGraphSeams MakeGraphSeams(CKLV570App& app, ReportPrinter* printer) {
    ProfileFile& ini = app.Profile();
    const std::string graphics = app.GraphicsDirectory();
    return PotentialGraphSeams{
        app.Trace(),
        app.Op(),
        printer,
        [&ini](QWidget* owner, QColor& color) { return ChooseColorWithCustom(owner, color, ini); },
        [&ini, graphics] {
            return LoadFileNameProfile(ini, graphics, ini::kGraphFileName.section,
                                       ini::kGraphFileName.key, ini::kGraphFileName.def);
        },
        [&ini, graphics](const std::string& path) {
            SaveFileNameProfile(ini, graphics, ini::kGraphFileName.section, ini::kGraphFileName.key,
                                path);
        },
        app.DataDirectory()};
}

PotentialGraphSettings LoadGraphSettings(const ProfileFile& ini) {
    PotentialGraphSettings settings;
    settings.fullScale = ReadSetting(ini, ini::kFullScale);
    settings.timePerPixel = ReadSetting(ini, ini::kSamplingTime);
    settings.graphColor = static_cast<std::uint32_t>(ReadSetting(ini, ini::kGraphColor));
    settings.cursorColor = static_cast<std::uint32_t>(ReadSetting(ini, ini::kCursorColor));
    return settings;
}

CPotentialGraphLink::CPotentialGraphLink(CKLV570App& app, ReportPrinter* printer, QWidget& window,
                                         std::function<void()> closed)
    : m_app(app), m_printer(printer), m_parent(window), m_closed(std::move(closed)) {}

CPotentialGraphLink::~CPotentialGraphLink() {
    Close();
}

void CPotentialGraphLink::Close() {
    if (m_window) {
        m_window->close();
        delete m_window;
    }
}

void CPotentialGraphLink::Toggle() {
    if (m_window) {
        Close();
        return;
    }
    ProfileFile& ini = m_app.Profile();
    const PotentialGraphSettings settings = LoadGraphSettings(ini);
    const PotentialGraphSeams seams = MakeGraphSeams(m_app, m_printer);
    m_window = new CPotentialResult(
        seams, settings, ini,
        [&ini](const PotentialGraphSettings& s) {
            WriteSetting(ini, ini::kFullScale, s.fullScale);
            WriteSetting(ini, ini::kSamplingTime, s.timePerPixel);
            WriteSetting(ini, ini::kGraphColor, static_cast<int>(s.graphColor));
            WriteSetting(ini, ini::kCursorColor, static_cast<int>(s.cursorColor));
        },
        &m_parent);
    m_window->setAttribute(Qt::WA_DeleteOnClose);
    if (m_closed)
        QObject::connect(m_window, &CPotentialResult::destroyed, &m_parent, m_closed,
                         Qt::QueuedConnection);
    m_window->show();
}

}  // namespace klv
