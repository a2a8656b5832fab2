#include "base/ui/window_settings.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <vector>

#include "base/ui/text_codec.h"

namespace klv {
namespace {

WindowRect ToWindowRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

QRect ToQRect(const WindowRect& r) {
    return {r.x, r.y, r.width, r.height};
}

// Every screen's available area, the primary screen's first.
std::vector<WindowRect> ScreenAreas() {
    std::vector<WindowRect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas.push_back(ToWindowRect(primary->availableGeometry()));
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            areas.push_back(ToWindowRect(screen->availableGeometry()));
    }
    if (areas.empty())
        areas.push_back({0, 0, 1024, 768});
    return areas;
}

// The frame around the client area: the window's own once it has one, else what the style
// gives a title bar and a border, so no title bar is restored above the screen.
FrameMargins FrameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (frame != client)
        return {client.left() - frame.left(), client.top() - frame.top(),
                frame.right() - client.right(), frame.bottom() - client.bottom()};
    const int border = window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return {border, title + border, border, border};
}

QRect CentredOnParent(const QWidget& window) {
    QRect r = window.geometry();
    const QWidget* parent = window.parentWidget();
    QRect around = parent ? parent->window()->geometry() : ToQRect(ScreenAreas().front());
    r.moveCenter(around.center());
    return r;
}

Qt::Alignment ToQtAlignment(ColumnAlign align) {
    switch (align) {
        case ColumnAlign::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case ColumnAlign::Center:
            return Qt::AlignCenter;
        case ColumnAlign::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

void RestoreWindowPlacement(QWidget& window, const ProfileFile& ini, const std::string& section,
                            bool withSize, bool fullPlacement, std::optional<WindowSize> minimum) {
    // A window not yet shown has no size of its own: it takes its layout's, before the clamp
    // measures it, or a default size would push it off where it was left.
    if (!withSize && !window.isVisible() && !window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const std::vector<WindowRect> areas = ScreenAreas();
    WindowPlacement p =
        ReadWindowPlacement(ini, section, ToWindowRect(CentredOnParent(window)), areas,
                            FrameOf(window), withSize, fullPlacement, minimum);
    // The stored origin is the client area's, as SaveWindowPlacement takes it; move() would
    // place the frame there and the window would creep by the frame on every start.
    if (withSize) {
        window.setGeometry(ToQRect(p.normal));
    } else {
        window.setGeometry(QRect(QPoint(p.normal.x, p.normal.y), window.size()));
    }
    if (fullPlacement && p.showCmd == kShowMaximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

bool SaveWindowPlacement(const QWidget& window, ProfileFile& ini, const std::string& section,
                         bool withSize, bool fullPlacement) {
    WindowPlacement p;
    bool maximised = window.isMaximized() || window.isMinimized();
    p.normal = ToWindowRect(maximised ? window.normalGeometry() : window.geometry());
    p.showCmd = window.isMaximized() ? kShowMaximized : kShowNormal;
    return WriteWindowPlacement(ini, section, p, withSize, fullPlacement);
}

void RestoreListColumns(QTreeView& list, const ProfileFile& ini, const std::string& section,
                        std::span<const ListColumn> columns) {
    if (auto* tree = qobject_cast<QTreeWidget*>(&list)) {
        tree->setColumnCount(static_cast<int>(columns.size()));
        auto* header = new QTreeWidgetItem;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            int c = static_cast<int>(i);
            header->setText(c, ToQString(columns[i].title));
            header->setTextAlignment(c, ToQtAlignment(columns[i].align));
        }
        tree->setHeaderItem(header);
    }
    // The header's own minimum is wider than the narrowest width a list may keep.
    list.header()->setMinimumSectionSize(kMinColumnWidth);
    std::vector<int> widths = ReadListColumnWidths(ini, section, columns);
    for (std::size_t i = 0; i < widths.size(); ++i)
        list.setColumnWidth(static_cast<int>(i), widths[i]);
}

bool SaveListColumns(const QTreeView& list, ProfileFile& ini, const std::string& section,
                     std::span<const ListColumn> columns) {
    std::vector<int> widths;
    for (std::size_t i = 0; i < columns.size(); ++i)
        widths.push_back(list.columnWidth(static_cast<int>(i)));
    return WriteListColumnWidths(ini, section, widths);
}

}  // namespace klv
