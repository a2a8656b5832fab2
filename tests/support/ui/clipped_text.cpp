#include "support/ui/clipped_text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTreeView>

#include "base/ui/fitted_glyph_text.h"
#include "base/ui/glyph_label.h"

namespace klv::test {
namespace {

class Finder {
public:
    explicit Finder(QWidget& window) : m_window(window) {}

    QStringList Run();

private:
    void Check(QWidget& w);
    void CheckLabel(const QLabel& label);
    void CheckButton(const QAbstractButton& button);
    void CheckGroupBox(const QGroupBox& box);
    void CheckTabs(const QTabBar& tabs);
    void CheckHeader(const QHeaderView& header);
    void CheckCells(const QAbstractItemView& view);
    void CheckCell(const QAbstractItemView& view, const QModelIndex& index);
    void CheckRows(const QAbstractItemView& view, const QModelIndex& parent);

    // The width of `w` the window really shows: its ancestors cut what lies outside them.
    int ShownWidth(const QWidget& w, QRect rect) const;
    void Fits(const QWidget& w, const QString& text, int needs, int has);
    QString Name(const QWidget& w) const;

    QWidget& m_window;
    QStringList m_found;
};

// Filled while the window paints; a watcher is a plain function.
QList<QPair<const QWidget*, QString>>* g_cut = nullptr;

void RecordCut(const QWidget* where, const QString& text) {
    if (g_cut != nullptr)
        g_cut->append({where, text});
}

QString PlainText(const QLabel& label) {
    const bool rich = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
    return rich ? QTextDocumentFragment::fromHtml(label.text()).toPlainText() : label.text();
}

QString WithoutMnemonic(QString text) {
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

QStringList Finder::Run() {
    // What the operator sees is the window once its layouts have caught up.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QList<QPair<const QWidget*, QString>> cut;
    g_cut = &cut;
    WatchCutTexts(RecordCut);
    m_window.grab();
    WatchCutTexts(nullptr);
    g_cut = nullptr;
    for (const auto& [where, text] : cut) {
        const QString line = Name(where ? *where : m_window) + ": " + text + " (cut)";
        if (!m_found.contains(line))
            m_found << line;
    }
    Check(m_window);
    for (QWidget* w : m_window.findChildren<QWidget*>())
        if (w->isVisibleTo(&m_window) && w->window() == &m_window)
            Check(*w);
    return m_found;
}

void Finder::Check(QWidget& w) {
    if (auto* label = qobject_cast<QLabel*>(&w))
        CheckLabel(*label);
    else if (auto* glyphs = qobject_cast<CGlyphLabel*>(&w))
        Fits(w, glyphs->text(), glyphs->sizeHint().width(), ShownWidth(w, w.rect()));
    else if (auto* button = qobject_cast<QAbstractButton*>(&w))
        CheckButton(*button);
    else if (auto* box = qobject_cast<QGroupBox*>(&w))
        CheckGroupBox(*box);
    else if (auto* tabs = qobject_cast<QTabBar*>(&w))
        CheckTabs(*tabs);
    else if (auto* header = qobject_cast<QHeaderView*>(&w))
        CheckHeader(*header);
    else if (auto* view = qobject_cast<QAbstractItemView*>(&w))
        CheckCells(*view);
}

void Finder::CheckLabel(const QLabel& label) {
    const QString text = PlainText(label);
    if (text.trimmed().isEmpty() || label.pixmap().toImage().width() > 0)
        return;
    const int has = ShownWidth(label, label.contentsRect());
    if (label.wordWrap()) {
        const int needs = label.heightForWidth(label.width());
        if (needs > label.height())
            m_found << QStringLiteral("%1: %2 (needs %3 px high, has %4)")
                           .arg(Name(label), text)
                           .arg(needs)
                           .arg(label.height());
        return;
    }
    // Without a buddy an "&" is drawn as it stands.
    const int flags = label.buddy() ? Qt::TextShowMnemonic : 0;
    const QString shown = label.buddy() ? WithoutMnemonic(text) : text;
    const QSize needs = label.fontMetrics().size(flags, text);
    const int margins = 2 * label.margin() + std::max(0, label.indent());
    Fits(label, shown, needs.width() + margins, has);
    if (needs.height() > label.contentsRect().height() + 1)
        m_found << QStringLiteral("%1: %2 (needs %3 px high, has %4)")
                       .arg(Name(label), shown)
                       .arg(needs.height())
                       .arg(label.contentsRect().height());
}

void Finder::CheckButton(const QAbstractButton& button) {
    const QString text = WithoutMnemonic(button.text());
    if (text.trimmed().isEmpty())
        return;
    const int has = ShownWidth(button, button.rect());
    if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button)) {
        Fits(button, text, button.sizeHint().width(), has);
        return;
    }
    if (!qobject_cast<const QPushButton*>(&button)) {
        Fits(button, text, button.sizeHint().width(), has);
        return;
    }
    // A push button's hint has a floor of its own; only the text and its frame must fit.
    const QStyle* style = button.style();
    int needs = button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width() +
                style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    if (!button.icon().isNull())
        needs += button.iconSize().width() + 4;
    Fits(button, text, needs, has);
}

void Finder::CheckGroupBox(const QGroupBox& box) {
    const QString title = WithoutMnemonic(box.title());
    if (title.trimmed().isEmpty())
        return;
    QStyleOptionGroupBox opt;
    opt.initFrom(&box);
    opt.text = box.title();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    int width = box.fontMetrics().horizontalAdvance(title + QLatin1Char(' '));
    if (box.isCheckable()) {
        opt.subControls |= QStyle::SC_GroupBoxCheckBox;
        width += box.style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, &box) +
                 box.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &opt, &box);
    }
    const QSize needs = box.style()->sizeFromContents(
        QStyle::CT_GroupBox, &opt, QSize(width, box.fontMetrics().height()), &box);
    Fits(box, title, needs.width(), ShownWidth(box, box.rect()));
}

void Finder::CheckTabs(const QTabBar& tabs) {
    const int space = tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &tabs);
    for (int i = 0; i < tabs.count(); ++i) {
        const QString text = WithoutMnemonic(tabs.tabText(i));
        if (text.isEmpty() || !tabs.isTabVisible(i))
            continue;
        const QRect rect = tabs.tabRect(i).intersected(tabs.rect());
        const int needs =
            tabs.fontMetrics().size(Qt::TextShowMnemonic, tabs.tabText(i)).width() + space;
        Fits(tabs, text, needs, ShownWidth(tabs, rect));
    }
}

void Finder::CheckHeader(const QHeaderView& header) {
    const QAbstractItemModel* model = header.model();
    if (model == nullptr)
        return;
    const bool across = header.orientation() == Qt::Horizontal;
    for (int i = 0; i < header.count(); ++i) {
        if (header.isSectionHidden(i) || header.sectionSize(i) == 0)
            continue;
        const QString text = model->headerData(i, header.orientation()).toString();
        if (text.isEmpty())
            continue;
        const int at = header.sectionViewportPosition(i);
        const QRect section = across ? QRect(at, 0, header.sectionSize(i), header.height())
                                     : QRect(0, at, header.width(), header.sectionSize(i));
        if (!section.intersects(header.viewport()->rect()))
            continue;
        QStyleOptionHeader opt;
        opt.initFrom(&header);
        opt.section = i;
        opt.text = text;
        opt.orientation = header.orientation();
        if (header.isSortIndicatorShown() && header.sortIndicatorSection() == i)
            opt.sortIndicator = QStyleOptionHeader::SortDown;
        const QSize needs =
            header.style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, QSize(), &header);
        Fits(header, text, needs.width(),
             ShownWidth(*header.viewport(), section.intersected(header.viewport()->rect())));
    }
}

void Finder::CheckCells(const QAbstractItemView& view) {
    if (view.model() != nullptr)
        CheckRows(view, view.rootIndex());
}

void Finder::CheckRows(const QAbstractItemView& view, const QModelIndex& parent) {
    const QAbstractItemModel* model = view.model();
    const auto* list = qobject_cast<const QListView*>(&view);
    const auto* table = qobject_cast<const QTableView*>(&view);
    const auto* tree = qobject_cast<const QTreeView*>(&view);
    for (int row = 0; row < model->rowCount(parent); ++row) {
        if ((table && table->isRowHidden(row)) || (list && list->isRowHidden(row)) ||
            (tree && tree->isRowHidden(row, parent)))
            continue;
        for (int column = 0; column < model->columnCount(parent); ++column) {
            if ((list && column != list->modelColumn()) ||
                (table && table->isColumnHidden(column)) || (tree && tree->isColumnHidden(column)))
                continue;
            CheckCell(view, model->index(row, column, parent));
        }
        const QModelIndex first = model->index(row, 0, parent);
        if (tree && tree->isExpanded(first))
            CheckRows(view, first);
    }
}

void Finder::CheckCell(const QAbstractItemView& view, const QModelIndex& index) {
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect rect = view.visualRect(index);
    const QRect shown = rect.intersected(view.viewport()->rect());
    if (text.trimmed().isEmpty() || shown.isEmpty() || shown.left() > rect.left())
        return;
    QStyleOptionViewItem opt;
    opt.initFrom(&view);
    opt.font = view.font();
    opt.fontMetrics = view.fontMetrics();
    opt.rect = rect;
    opt.decorationSize = view.iconSize().isValid() ? view.iconSize() : QSize(16, 16);
    opt.features = QStyleOptionViewItem::HasDisplay;
    opt.widget = &view;
    const QAbstractItemDelegate* delegate = view.itemDelegateForIndex(index);
    Fits(*view.viewport(), text, delegate->sizeHint(opt, index).width(),
         ShownWidth(*view.viewport(), shown));
}

int Finder::ShownWidth(const QWidget& w, QRect rect) const {
    rect.translate(w.mapTo(&m_window, QPoint(0, 0)));
    for (const QWidget* up = &w; up != nullptr && up != &m_window; up = up->parentWidget()) {
        const QWidget* parent = up->parentWidget();
        if (parent == nullptr)
            break;
        rect = rect.intersected(QRect(parent->mapTo(&m_window, QPoint(0, 0)), parent->size()));
    }
    return std::max(0, rect.width());
}

void Finder::Fits(const QWidget& w, const QString& text, int needs, int has) {
    if (needs > has)
        m_found << QStringLiteral("%1: %2 (needs %3 px, has %4)")
                       .arg(Name(w), text)
                       .arg(needs)
                       .arg(has);
}

QString Finder::Name(const QWidget& w) const {
    QStringList path;
    for (const QWidget* up = &w; up != nullptr && up != &m_window; up = up->parentWidget())
        if (!up->objectName().isEmpty() && !up->objectName().startsWith(QLatin1String("qt_")))
            path.prepend(up->objectName());
    if (path.isEmpty() || path.last() != w.objectName())
        path << QString::fromLatin1(w.metaObject()->className());
    const QString window = m_window.objectName().isEmpty() ? m_window.metaObject()->className()
                                                           : m_window.objectName();
    return window + " > " + path.join(QLatin1Char('/'));
}

}  // namespace

QStringList ClippedTexts(QWidget& window) {
    return Finder(window).Run();
}

namespace {

void SaveShot(QWidget& window, const QString& what) {
    static int taken = 0;
    const QString dir = qEnvironmentVariable("KLV_SHOT_DIR");
    if (dir.isEmpty())
        return;
    QString name = what;
    name.replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
    const QString file = QString("%1/%2-%3.png").arg(dir).arg(++taken, 3, 10, QChar('0')).arg(name);
    if (!window.grab().save(file))
        qWarning() << "cannot save" << file;
}

}  // namespace

QStringList ClippedTextsOfEveryPage(QWidget& window, const QString& what) {
    QStringList cut;
    auto add = [&](const QString& page) {
        for (const QString& line : ClippedTexts(window))
            if (!cut.contains(line))
                cut << line;
        SaveShot(window, page);
    };
    add(what);
    for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
        if (!tabs->isVisible())
            continue;
        const int shown = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabEnabled(i))
                continue;
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
            if (tabs->currentIndex() != i)
                cut << QString("%1: tab %2 does not open").arg(what, tabs->tabText(i));
            add(what + " " + tabs->tabText(i));
        }
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(shown).center());
    }
    return cut;
}

}  // namespace klv::test
