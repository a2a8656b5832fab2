#include "measure/ui/potential_measure_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "measure/ui/layer_rows.h"
#include "measure/ui/thickness_drop_dialog.h"

namespace klv {

namespace {

constexpr char kPlacementSection[] = "PotentialMeas";
constexpr char kGuideRestart[] = "Change the test solution and re-start.";
constexpr char kGuideStart[] = "Set a test sample and start.";
constexpr char kCursorHint[] = "Cursor shifting: figure(1--5) +<---->Figure(1--5) + Click";
constexpr char kScaleHint[] =
    "Voltag scale :Upper limit=Up+ click, Lower limit=Down+ click, \nRelease=click the right side";

}  // namespace

CPotentialMeasure::CPotentialMeasure(const PotentialMeasureSeams& seams, QWidget* parent)
    : CRunWindow(seams.instrument, seams.profile, seams.keys, kPlacementSection, parent),
      m_seams(seams) {
    setObjectName(QStringLiteral("CPotentialMeasure"));
    setWindowTitle(QStringLiteral("Measurement by potential graph observation"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);

    m_graph = new CPotentialGraph(m_seams.graph, m_seams.graphSettings, this);
    m_graph->SetFollow(true);
    m_layers = new QTreeWidget;
    m_layers->setObjectName(QStringLiteral("layers"));
    m_layers->setFixedHeight(m_layers->fontMetrics().height() * 7 + 8);
    m_guidance = new QLabel;
    m_guidance->setObjectName(QStringLiteral("guidance"));
    auto button = [this](const char* text, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(text));
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    m_start = button("Measurement(F2)", "ctl32810");
    m_stop = button("Stop(F3)", "ctl32811");
    m_end = button("Measurement end", "ctl32812");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    buttons->addWidget(m_end);
    buttons->addStretch(1);
    auto* hints = new QVBoxLayout;
    for (const char* text : {kCursorHint, kScaleHint})
        hints->addWidget(new QLabel(QString::fromLatin1(text)));
    auto* page = new QVBoxLayout(this);
    page->addWidget(m_graph, 1);
    page->addLayout(hints);
    page->addWidget(m_layers);
    page->addWidget(m_guidance);
    page->addLayout(buttons);

    connect(m_start, &QPushButton::clicked, this, &CPotentialMeasure::StartMeasurement);
    connect(m_stop, &QPushButton::clicked, this, &CPotentialMeasure::StopMeasurement);
    connect(m_end, &QPushButton::clicked, this, &CPotentialMeasure::EndMeasurement);

    resize(780, 760);
    TakeRun(m_start, m_stop);
    m_seams.session.SetObservation(&Target());
    ShowLayerRows(*m_layers, m_seams.condition, m_seams.session.Layer());
    SetIdle();
}

CPotentialMeasure::~CPotentialMeasure() {
    if (!m_closing)
        Finish(QDialog::Accepted);
}

void CPotentialMeasure::SetIdle() {
    m_guidance->setText(
        QString::fromLatin1(m_seams.session.Layer() > 0 ? kGuideRestart : kGuideStart));
    m_start->setEnabled(!m_seams.session.IsEnded());
    m_stop->setEnabled(false);
    m_end->setEnabled(true);
    HighlightLayerRow(*m_layers, m_seams.session.Layer());
}

void CPotentialMeasure::SetMeasuringState() {
    m_guidance->clear();
    m_start->setEnabled(false);
    m_stop->setEnabled(true);
    m_end->setEnabled(false);
}

void CPotentialMeasure::StartMeasurement() {
    if (m_seams.session.IsMeasuring())
        return;
    // Values not handed over are given up: the layers are measured again.
    CloseThicknessInput();
    if (m_seams.mayStart && !m_seams.mayStart())
        return;
    if (m_seams.session.StartMeasurement())
        SetMeasuringState();
    else
        SetIdle();
}

void CPotentialMeasure::StopMeasurement() {
    m_seams.session.StopMeasurement();
}

void CPotentialMeasure::OnPollingNotify() {
    m_seams.session.OnPollingNotify();
    if (m_seams.session.IsEnded()) {
        Finish(QDialog::Accepted);
        return;
    }
    if (m_seams.session.IsMeasuring())
        return;
    if (m_seams.session.IsAwaitingValues())
        OpenThicknessInput();
    SetIdle();
}

void CPotentialMeasure::OpenThicknessInput() {
    CloseThicknessInput();
    m_input = new CThicknessDrop(m_seams.condition, m_seams.session.Layer(),
                                 m_seams.session.AwaitedValueCount(), m_seams.op, this);
    m_input->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_input, &CThicknessDrop::valuesEntered, this, &CPotentialMeasure::TakeValues);
    connect(m_input, &CThicknessDrop::cancelled, this, [this] { TakeValues({}); });
    m_input->show();
    // Beside the graph's readouts, so they stay in view for dragging.
    const QRect frame = geometry();
    m_input->move(frame.right() - m_input->width(), frame.top() + frame.height() / 3);
}

void CPotentialMeasure::CloseThicknessInput() {
    if (!m_input)
        return;
    // Closing is no answer: neither values nor a cancellation.
    m_input->disconnect(this);
    m_input->close();
    delete m_input;
}

void CPotentialMeasure::TakeValues(const std::vector<float>& values) {
    // Called from the input's own signal: the input closes itself once that has returned (and
    // goes on close), so it is only let go here; deleted now, it would close freed memory.
    if (m_input) {
        m_input->disconnect(this);
        m_input = nullptr;
    }
    m_seams.session.StoreAwaitedValues(values);
    if (m_seams.session.IsEnded()) {
        Finish(QDialog::Accepted);
        return;
    }
    SetIdle();
}

void CPotentialMeasure::EndMeasurement() {
    if (!m_seams.session.IsMeasuring())
        Finish(QDialog::Accepted);
}

void CPotentialMeasure::Finish(int result) {
    if (m_closing)
        return;
    m_closing = true;
    CloseThicknessInput();
    m_seams.instrument.StopMeasurement(false);
    m_seams.session.SetObservation(nullptr);
    m_seams.graph.trace.EndLayer();
    GiveBackRun();
    QDialog::done(result);
}

void CPotentialMeasure::done(int result) {
    Finish(result);
}

void CPotentialMeasure::reject() {
    // The close box ends the observation like "Measurement end", but not mid-layer.
    EndMeasurement();
}

}  // namespace klv
