#include "measure/ui/potential_graph.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDrag>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/file_messages.h"
#include "base/ui/file_dialogs.h"
#include "measure/ui/potential_color_dialog.h"
#include "measure/ui/potential_plot_painter.h"

namespace klv {

namespace {

constexpr char kGraFilter[] = "Potential graph (*.gra)|*.gra|All of the file (*.*)|*.*||";
constexpr char kPrintHeading[] = "     Potential      Coating thickness";
constexpr char kPrintDifferenceHeading[] =
    "     Potential difference    Coating thickness difference";
constexpr const char* kFullScaleTexts[] = {"AUTO", "10[V]", "5[V]", "1[V]", "500[mV]"};
constexpr const char* kTimeTexts[] = {"0.1[S]", "0.2[S]", "0.4[S]", "0.8[S]", "1.6[S]", "3.2[S]"};
constexpr int kKeyRepeatMs = 100;
constexpr int kPlotMinimumWidth = 400;
constexpr int kPlotMinimumHeight = 200;

// A sent notice: handled before the sender goes on.
class NoticeEvent final : public QEvent {
public:
    NoticeEvent(Type type, bool fresh) : QEvent(type), m_fresh(fresh) {}
    bool Fresh() const { return m_fresh; }

private:
    bool m_fresh;
};

class SizeQueryEvent final : public QEvent {
public:
    SizeQueryEvent() : QEvent(kSizeQueryEvent) {}
    QSize size;
};

class RenderRequestEvent final : public QEvent {
public:
    explicit RenderRequestEvent(QPainter* painter)
        : QEvent(kRenderRequestEvent), m_painter(painter) {}
    QPainter* Painter() const { return m_painter; }

private:
    QPainter* m_painter;
};

// A readout line whose number can be dragged into a thickness field.
class CReadoutLabel final : public QLabel {
public:
    CReadoutLabel() { setCursor(Qt::ArrowCursor); }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        const std::string number = ReadoutNumber(text().toStdString());
        if (e->button() != Qt::LeftButton || number.empty()) {
            QLabel::mousePressEvent(e);
            return;
        }
        auto* mime = new QMimeData;
        mime->setText(QString::fromStdString(number));
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        QPixmap image(fontMetrics().horizontalAdvance(mime->text()) + 6, fontMetrics().height());
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font());
        p.drawText(image.rect(), Qt::AlignCenter, mime->text());
        p.end();
        drag->setPixmap(image);
        drag->exec(Qt::CopyAction);
    }
};

// "coating/under" of the traced layer; nothing before any layer was traced.
QString TitleText(const TraceCondition& c) {
    if (c.coatingText[0] == '\0')
        return {};
    return QString::fromLatin1(c.coatingText) + QLatin1Char('/') + QString::fromLatin1(c.underText);
}

int CursorKey(int key) {
    return key >= Qt::Key_1 && key <= Qt::Key_5 ? key - Qt::Key_1 : -1;
}

}  // namespace

// The plot itself: paints through the graph and hands clicks back to it.
class CPlotArea final : public QWidget {
public:
    explicit CPlotArea(CPotentialGraph& graph) : QWidget(&graph), m_graph(graph) {
        setObjectName(QStringLiteral("plot"));
        setMinimumSize(kPlotMinimumWidth, kPlotMinimumHeight);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        m_graph.PaintPlotArea(p, rect());
    }
    void mousePressEvent(QMouseEvent* e) override {
        m_graph.setFocus();
        if (e->button() == Qt::LeftButton)
            m_graph.ClickPlot(e->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::RightButton)
            m_graph.ReleaseManualLimits();
    }

private:
    CPotentialGraph& m_graph;
};

CPotentialGraph::CPotentialGraph(const PotentialGraphSeams& seams,
                                 const PotentialGraphSettings& settings, QWidget* parent)
    : QWidget(parent), m_seams(seams), m_settings(settings) {
    setObjectName(QStringLiteral("CPotentialGraph"));
    setFocusPolicy(Qt::StrongFocus);
    m_settings.fullScale = kFullScales[FullScaleIndex(settings.fullScale)];
    m_settings.timePerPixel = kTimesPerPixel[TimePerPixelIndex(settings.timePerPixel)];

    m_fullScale = new QComboBox;
    m_fullScale->setObjectName(QStringLiteral("fullScale"));
    for (const char* t : kFullScaleTexts)
        m_fullScale->addItem(QString::fromLatin1(t));
    m_fullScale->setCurrentIndex(FullScaleIndex(m_settings.fullScale));
    m_timePerPixel = new QComboBox;
    m_timePerPixel->setObjectName(QStringLiteral("timePerPixel"));
    for (const char* t : kTimeTexts)
        m_timePerPixel->addItem(QString::fromLatin1(t));
    m_timePerPixel->setCurrentIndex(TimePerPixelIndex(m_settings.timePerPixel));
    auto tool = [this](const char* name, const char* text) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(QString::fromLatin1(text));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    m_colors = tool("colors", "Color");
    m_print = tool("print", "Print");
    m_save = tool("save", "Save");
    m_open = tool("open", "Open");
    m_copy = tool("copy", "Copy");
    m_print->setEnabled(m_seams.printer != nullptr);
    auto* bar = new QHBoxLayout;
    bar->addWidget(m_fullScale);
    bar->addWidget(m_timePerPixel);
    for (QToolButton* b : {m_colors, m_print, m_save, m_open, m_copy})
        bar->addWidget(b);
    m_title = new QLabel;
    m_title->setObjectName(QStringLiteral("title"));
    bar->addSpacing(12);
    bar->addWidget(m_title, 1);

    auto* readouts = new QGridLayout;
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (std::size_t i = 0; i < m_readouts.size(); ++i) {
        auto* line = new CReadoutLabel;
        line->setObjectName(QStringLiteral("readout%1").arg(i));
        line->setFont(fixed);
        line->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('0')) * 24);
        m_readouts[i] = line;
        // Cursors in the first column, their differences in the next two.
        if (i < kCursorCount)
            readouts->addWidget(line, int(i), 0);
        else
            readouts->addWidget(line, int(i - kCursorCount) % kCursorCount,
                                1 + int(i - kCursorCount) / kCursorCount);
    }
    m_plot = new CPlotArea(*this);
    m_scrollBar = new QScrollBar(Qt::Horizontal);
    m_scrollBar->setObjectName(QStringLiteral("scroll"));
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(2, 2, 2, 2);
    page->addLayout(bar);
    page->addLayout(readouts);
    page->addWidget(m_plot, 1);
    page->addWidget(m_scrollBar);

    connect(m_fullScale, &QComboBox::activated, this,
            [this](int i) { SetFullScale(kFullScales[std::size_t(i)]); });
    connect(m_timePerPixel, &QComboBox::activated, this,
            [this](int i) { SetTimePerPixel(kTimesPerPixel[std::size_t(i)]); });
    connect(m_colors, &QToolButton::clicked, this, &CPotentialGraph::ChooseColors);
    connect(m_print, &QToolButton::clicked, this, &CPotentialGraph::Print);
    connect(m_save, &QToolButton::clicked, this, &CPotentialGraph::Save);
    connect(m_open, &QToolButton::clicked, this, &CPotentialGraph::Open);
    connect(m_copy, &QToolButton::clicked, this, &CPotentialGraph::Copy);
    connect(m_scrollBar, &QScrollBar::sliderPressed, this, [this] { m_scrolling = true; });
    connect(m_scrollBar, &QScrollBar::sliderReleased, this, [this] {
        m_scrolling = false;
        OnNewSample();
    });
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int v) {
        m_scroll = v;
        m_follow = m_scroll >= LastScrollPosition(PlotRectangle().width(), m_pixelCount);
        m_plot->update();
    });
    m_keyTimer.setInterval(kKeyRepeatMs);
    connect(&m_keyTimer, &QTimer::timeout, this, &CPotentialGraph::MoveHeldCursors);

    const TraceCondition c = m_seams.trace.Condition();
    m_title->setText(TitleText(c));
    RecountPixels();
    Rescale();
    RefreshReadouts();
    m_previousGraph = m_seams.trace.Graph();
    m_seams.trace.SetGraph(this);
}

CPotentialGraph::~CPotentialGraph() {
    if (m_seams.trace.Graph() == this)
        m_seams.trace.SetGraph(m_previousGraph);
}

QRect CPotentialGraph::PlotRectangle() const {
    return PlotRect(m_plot->rect(), m_plot->fontMetrics());
}

void CPotentialGraph::PaintPlotArea(QPainter& p, const QRect& area) const {
    p.setFont(m_plot->font());
    m_seams.trace.ReadSamples([&](const TraceSamples& t) {
        PlotFrame f;
        f.samples = t.samples;
        f.condition = t.condition;
        f.interval = t.interval;
        f.timePerPixel = m_settings.timePerPixel;
        f.limits = m_limits;
        f.scrollPosition = m_scroll;
        f.cursors = m_cursors;
        f.graphColor = FromColorRef(m_settings.graphColor);
        f.cursorColor = FromColorRef(m_settings.cursorColor);
        PaintPlot(p, area, f);
        return 0;
    });
}

void CPotentialGraph::PostNewSample() {
    // One notice is enough however many samples arrive before it is handled.
    if (m_samplePosted)
        return;
    m_samplePosted = true;
    QCoreApplication::postEvent(this, new QEvent(kNewSampleEvent));
}

void CPotentialGraph::SendLayerStart(bool fresh) {
    NoticeEvent e(kLayerStartEvent, fresh);
    QCoreApplication::sendEvent(this, &e);
}

void CPotentialGraph::SendMeasurementEnd() {
    NoticeEvent e(kMeasurementEndEvent, false);
    QCoreApplication::sendEvent(this, &e);
}

bool CPotentialGraph::event(QEvent* e) {
    if (e->type() == kNewSampleEvent) {
        m_samplePosted = false;
        OnNewSample();
        return true;
    }
    if (e->type() == kLayerStartEvent) {
        const TraceCondition c = m_seams.trace.Condition();
        m_title->setText(TitleText(c));
        m_manual = false;
        m_cursors.fill(kCursorUnplaced);
        EnableFileButtons(false);
        RecountPixels();
        m_scroll = 0;
        UpdateScrollBar();
        Rescale();
        RefreshReadouts();
        m_plot->update();
        return true;
    }
    if (e->type() == kMeasurementEndEvent) {
        RecountPixels();
        EnableFileButtons(m_pixelCount > 0);
        return true;
    }
    if (e->type() == kSizeQueryEvent) {
        static_cast<SizeQueryEvent*>(e)->size = RenderSize();
        return true;
    }
    if (e->type() == kRenderRequestEvent) {
        Render(*static_cast<RenderRequestEvent*>(e)->Painter());
        return true;
    }
    return QWidget::event(e);
}

void CPotentialGraph::OnNewSample() {
    if (m_scrolling || !isEnabled())
        return;
    const std::int32_t before = m_pixelCount;
    RecountPixels();
    if (m_pixelCount != before) {
        const int last = std::max(m_pixelCount - 1, 0);
        m_scroll = std::min(m_scroll, LastScrollPosition(PlotRectangle().width(), m_pixelCount));
        for (int& c : m_cursors)
            c = std::min(c, last);
        if (m_follow)
            ScrollToNewest();
        UpdateScrollBar();
    }
    if (m_settings.fullScale == 0 && !m_manual)
        Rescale();
    m_plot->update();
    RefreshReadouts();
}

void CPotentialGraph::RecountPixels() {
    m_pixelCount =
        PixelCount(m_seams.trace.Interval(), m_seams.trace.Count(), m_settings.timePerPixel);
}

void CPotentialGraph::Rescale() {
    if (m_manual)
        return;
    m_limits = ComputeScale(m_settings.fullScale, m_seams.trace.Minimum(), m_seams.trace.Maximum());
}

void CPotentialGraph::ScrollToNewest() {
    m_scroll = LastScrollPosition(PlotRectangle().width(), m_pixelCount);
}

void CPotentialGraph::UpdateScrollBar() {
    const int page = std::max(PlotRectangle().width(), 1);
    const QSignalBlocker block(m_scrollBar);
    m_scrollBar->setPageStep(page * 7 / 8);
    m_scrollBar->setSingleStep(std::max(page / 4, 1));
    m_scrollBar->setRange(0, ScrollColumns(page, m_pixelCount) - page);
    m_scrollBar->setValue(m_scroll);
    m_follow = m_scroll >= LastScrollPosition(page, m_pixelCount);
}

void CPotentialGraph::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (m_follow)
        ScrollToNewest();
    UpdateScrollBar();
}

QString CPotentialGraph::ReadoutLine(int index) const {
    return m_readouts[std::size_t(index)]->text();
}

void CPotentialGraph::RefreshReadouts() {
    const CursorReadouts r = m_seams.trace.ReadSamples([&](const TraceSamples& t) {
        return MakeCursorReadouts(t.samples, m_cursors, t.condition, m_settings.timePerPixel,
                                  t.interval);
    });
    for (int k = 0; k < kCursorCount; ++k)
        m_readouts[std::size_t(k)]->setText(QString::fromLatin1(r.cursors[k].c_str()));
    for (int d = 0; d < kDifferenceCount; ++d)
        m_readouts[std::size_t(kCursorCount + d)]->setText(
            QString::fromLatin1(r.differences[d].c_str()));
}

void CPotentialGraph::EnableFileButtons(bool on) {
    m_colors->setEnabled(on);
    m_print->setEnabled(on && m_seams.printer != nullptr);
    m_save->setEnabled(on);
    m_open->setEnabled(on);
}

void CPotentialGraph::SetFullScale(std::int32_t fullScale) {
    m_settings.fullScale = fullScale;
    m_fullScale->setCurrentIndex(FullScaleIndex(fullScale));
    m_manual = false;
    Rescale();
    m_plot->update();
}

void CPotentialGraph::SetTimePerPixel(std::int32_t timePerPixel) {
    const std::int32_t from = m_settings.timePerPixel;
    m_settings.timePerPixel = timePerPixel;
    m_timePerPixel->setCurrentIndex(TimePerPixelIndex(timePerPixel));
    for (int& c : m_cursors)
        c = ConvertCursor(c, from, timePerPixel);
    RecountPixels();
    m_scroll = std::min(ConvertCursor(m_scroll, from, timePerPixel),
                        LastScrollPosition(PlotRectangle().width(), m_pixelCount));
    if (m_follow)
        ScrollToNewest();
    UpdateScrollBar();
    RefreshReadouts();
    m_plot->update();
}

void CPotentialGraph::PlaceCursor(int k, int column) {
    if (k < 0 || k >= kCursorCount || column < kCursorUnplaced || column >= m_pixelCount)
        return;
    m_cursors[std::size_t(k)] = column;
    RefreshReadouts();
    m_plot->update();
}

void CPotentialGraph::ClickPlot(QPoint at) {
    const QRect plot = PlotRectangle();
    if (!plot.contains(at))
        return;
    const int column = m_scroll + at.x() - plot.left();
    bool placed = false;
    for (int k = 0; k < kCursorCount; ++k) {
        if (m_heldKeys.contains(Qt::Key_1 + k)) {
            PlaceCursor(k, column);
            placed = true;
        }
    }
    if (placed)
        return;
    const bool up = m_heldKeys.contains(Qt::Key_Up);
    const bool down = m_heldKeys.contains(Qt::Key_Down);
    if (up == down)
        return;
    const std::int32_t mv = PotentialAtY(at.y(), m_limits, plot.top(), plot.bottom() + 1);
    PlotLimits next = m_limits;
    (up ? next.upper : next.lower) = mv;
    if (next.upper - next.lower <= 1)
        return;
    m_limits = next;
    m_manual = true;
    m_plot->update();
}

void CPotentialGraph::ReleaseManualLimits() {
    m_manual = false;
    Rescale();
    m_plot->update();
}

void CPotentialGraph::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if (CursorKey(key) >= 0 || key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left ||
        key == Qt::Key_Right) {
        if (!e->isAutoRepeat())
            m_heldKeys.insert(key);
        if ((key == Qt::Key_Left || key == Qt::Key_Right) && !m_keyTimer.isActive()) {
            MoveHeldCursors();
            m_keyTimer.start();
        }
        e->accept();
        return;
    }
    if (e->matches(QKeySequence::Copy)) {
        Copy();
        return;
    }
    // Enter and Escape must not close the window around the graph.
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

void CPotentialGraph::keyReleaseEvent(QKeyEvent* e) {
    if (!e->isAutoRepeat())
        m_heldKeys.remove(e->key());
    if (!m_heldKeys.contains(Qt::Key_Left) && !m_heldKeys.contains(Qt::Key_Right))
        m_keyTimer.stop();
    QWidget::keyReleaseEvent(e);
}

void CPotentialGraph::focusOutEvent(QFocusEvent* e) {
    m_heldKeys.clear();
    m_keyTimer.stop();
    QWidget::focusOutEvent(e);
}

void CPotentialGraph::MoveHeldCursors() {
    const int step = m_heldKeys.contains(Qt::Key_Right) - m_heldKeys.contains(Qt::Key_Left);
    if (step == 0)
        return;
    bool moved = false;
    for (int k = 0; k < kCursorCount; ++k) {
        if (!m_heldKeys.contains(Qt::Key_1 + k))
            continue;
        int& c = m_cursors[std::size_t(k)];
        const int next = std::clamp(c + step, kCursorUnplaced, std::max(m_pixelCount - 1, -1));
        moved = moved || next != c;
        c = next;
    }
    if (moved) {
        RefreshReadouts();
        m_plot->update();
    }
}

void CPotentialGraph::ChooseColors() {
    CPotentialColor dialog(FromColorRef(m_settings.graphColor),
                           FromColorRef(m_settings.cursorColor), m_seams.chooseColor, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings.graphColor = ToColorRef(dialog.GraphColor());
    m_settings.cursorColor = ToColorRef(dialog.CursorColor());
    m_plot->update();
}

bool CPotentialGraph::Save() {
    std::string path = m_seams.fileName ? m_seams.fileName() : std::string();
    if (!FileSaveDialog(path, "*.gra", kGraFilter, m_seams.fallbackDir, m_seams.op, this))
        return false;
    GraHeader h = m_seams.trace.MakeHeader();
    h.lFullScale = m_settings.fullScale;
    h.lTimePerPixel = m_settings.timePerPixel;
    h.lLower = m_limits.lower;
    h.lUpper = m_limits.upper;
    const FileWriteResult r = m_seams.trace.ReadSamples(
        [&](const TraceSamples& t) { return WriteGraFile(path, h, t.samples); });
    if (r != FileWriteResult::Ok) {
        ShowFileError(m_seams.op, WriteFailureText(r));
        return false;
    }
    if (m_seams.setFileName)
        m_seams.setFileName(path);
    return true;
}

bool CPotentialGraph::Open() {
    std::string path = m_seams.fileName ? m_seams.fileName() : std::string();
    if (!FileOpenDialog(path, "*.gra", kGraFilter, m_seams.fallbackDir, m_seams.op, this))
        return false;
    if (m_seams.setFileName)
        m_seams.setFileName(path);
    GraFile file;
    const GraReadResult r = ReadGraFile(path, file);
    if (r != GraReadResult::Ok) {
        ShowFileError(m_seams.op, GraReadFailureText(r));
        return false;
    }
    const GraHeader h = file.header;
    m_seams.trace.Replace(std::move(file));
    const TraceCondition c = m_seams.trace.Condition();
    m_title->setText(TitleText(c));
    m_settings.fullScale = kFullScales[FullScaleIndex(h.lFullScale)];
    m_fullScale->setCurrentIndex(FullScaleIndex(h.lFullScale));
    m_settings.timePerPixel = kTimesPerPixel[TimePerPixelIndex(h.lTimePerPixel)];
    m_timePerPixel->setCurrentIndex(TimePerPixelIndex(h.lTimePerPixel));
    m_limits = LimitsFromFile({h.lLower, h.lUpper}, m_settings.fullScale, m_seams.trace.Minimum(),
                              m_seams.trace.Maximum());
    m_manual = false;
    m_cursors.fill(kCursorUnplaced);
    RecountPixels();
    m_scroll = 0;
    UpdateScrollBar();
    m_follow = false;
    EnableFileButtons(m_pixelCount > 0);
    RefreshReadouts();
    m_plot->update();
    return true;
}

QSize CPotentialGraph::RenderSize() const {
    const int line = fontMetrics().height();
    return {m_plot->width(), m_plot->height() + line * (kCursorCount + 1)};
}

void CPotentialGraph::Render(QPainter& p) {
    const QSize size = RenderSize();
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    p.setPen(Qt::black);
    const int line = fontMetrics().height();
    p.setFont(font());
    p.drawText(QRect(0, 0, size.width(), line), Qt::AlignLeft | Qt::AlignVCenter, m_title->text());
    p.setFont(m_readouts[0]->font());
    const int columnWidth = size.width() / 3;
    for (std::size_t i = 0; i < m_readouts.size(); ++i) {
        const int column = i < kCursorCount ? 0 : 1 + int(i - kCursorCount) / kCursorCount;
        const int row = i < kCursorCount ? int(i) : int(i - kCursorCount) % kCursorCount;
        p.drawText(QRect(column * columnWidth, line * (row + 1), columnWidth, line),
                   Qt::AlignLeft | Qt::AlignVCenter, m_readouts[i]->text());
    }
    PaintPlotArea(p, QRect(0, line * (kCursorCount + 1), m_plot->width(), m_plot->height()));
}

bool CPotentialGraph::Copy() {
    SizeQueryEvent query;
    QCoreApplication::sendEvent(this, &query);
    QImage image(query.size, QImage::Format_RGB32);
    if (image.isNull()) {
        m_seams.op.ShowMessage(kMsgCopyFailed, MsgIcon::Stop, MsgButtons::Ok);
        return false;
    }
    {
        QPainter p(&image);
        RenderRequestEvent render(&p);
        QCoreApplication::sendEvent(this, &render);
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        m_seams.op.ShowMessage(kMsgCopyFailed, MsgIcon::Stop, MsgButtons::Ok);
        return false;
    }
    clipboard->setImage(image);
    return true;
}

bool CPotentialGraph::PrintPage(PrintPageContext& pc) {
    QPainter& p = *pc.painter;
    const int line = pc.charHeight;
    int y = pc.rect.top;
    const int width = pc.rect.right - pc.rect.left;
    p.drawText(pc.rect.left, y + line, m_title->text());
    y += line * 2;
    p.drawText(pc.rect.left, y + line, QString::fromLatin1(kPrintHeading));
    p.drawText(pc.rect.left + width / 2, y + line, QString::fromLatin1(kPrintDifferenceHeading));
    y += line;
    for (int k = 0; k < kCursorCount; ++k)
        p.drawText(pc.rect.left, y + line * (k + 1), m_readouts[std::size_t(k)]->text());
    for (int d = 0; d < kDifferenceCount; ++d)
        p.drawText(pc.rect.left + width / 2, y + line * (d + 1),
                   m_readouts[std::size_t(kCursorCount + d)]->text());
    y += line * (kDifferenceCount + 1);
    const int height = std::min(pc.rect.bottom - y, width * 2 / 3);
    if (height > line * 4) {
        // The plot keeps the window's columns: one pixel column per printer dot would be
        // too fine to read, so it is scaled.
        const QRect screen = m_plot->rect();
        p.save();
        p.translate(pc.rect.left, y);
        p.scale(double(width) / std::max(screen.width(), 1),
                double(height) / std::max(screen.height(), 1));
        p.setFont(m_plot->font());
        PaintPlotArea(p, screen);
        p.restore();
    }
    pc.rect.top = y + height;
    return false;
}

bool CPotentialGraph::Print() {
    if (m_seams.printer == nullptr)
        return false;
    return m_seams.printer->PrintReport(
        this, [this](QWidget*, PrintPageContext& pc) { return PrintPage(pc); });
}

}  // namespace klv
