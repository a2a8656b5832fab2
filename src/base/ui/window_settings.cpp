#include "base/ui/window_settings.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>
#include <vector>

#include "base/ui/text_codec.h"
#include "base/window_keys.h"

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

QRect CentredOnParent(const QWidget& window) {
    QRect r = window.geometry();
    const QWidget* parent = window.parentWidget();
    QRect around = parent ? parent->window()->geometry() : ToQRect(ScreenAreas().front());
    r.moveCenter(around.center());
    return r;
}

// The available area of the screen the window is on, or of the primary screen.
QRect AreaOf(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen != nullptr ? screen->availableGeometry() : ToQRect(ScreenAreas().front());
}

// The window's frame size, guessed from the style until it has a frame.
QSize FramedSize(const QWidget& window) {
    const FrameMargins f = WindowFrame(window);
    return window.size() + QSize(f.left + f.right, f.top + f.bottom);
}

// Moves the window's frame to `at`, kept inside `area` as far as it fits.
void MoveFrameInto(QWidget& window, QPoint at, const QRect& area) {
    const QSize framed = FramedSize(window);
    at.setX(
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - framed.width())));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - framed.height())));
    const FrameMargins f = WindowFrame(window);
    window.setGeometry(QRect(at + QPoint(f.left, f.top), window.size()));
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

// Frames are guessed from the style until the window has one, so no title bar is restored
// above the screen.
FrameMargins WindowFrame(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (frame != client)
        return {client.left() - frame.left(), client.top() - frame.top(),
                frame.right() - client.right(), frame.bottom() - client.bottom()};
    const int border = window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return {border, title + border, border, border};
}

bool HasStoredPlacement(const ProfileFile& ini, const std::string& section) {
    return ini.HasProfileKey(section, ini::kWinLeft);
}

void PlaceBeside(QWidget& window, const QRect& neighbour, int air) {
    const QRect area = AreaOf(window);
    const int width = FramedSize(window).width();
    int x = area.right() + 1 - width;
    if (neighbour.right() + 1 + air + width <= area.right() + 1)
        x = neighbour.right() + 1 + air;
    else if (neighbour.left() - air - width >= area.left())
        x = neighbour.left() - air - width;
    MoveFrameInto(window, {x, neighbour.top()}, area);
}

void PlaceBelow(QWidget& window, const QRect& neighbour, int air) {
    MoveFrameInto(window, {neighbour.left(), neighbour.bottom() + 1 + air}, AreaOf(window));
}

void RestoreWindowPlacement(QWidget& window, const ProfileFile& ini, const std::string& section,
                            bool withSize, bool fullPlacement, std::optional<WindowSize> minimum) {
    // A window not yet shown has no size of its own: it takes its layout's, before the clamp
    // measures it, or a default size would push it off where it was left.
    if (!withSize && !window.isVisible() && !window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const std::vector<WindowRect> areas = ScreenAreas();
    WindowPlacement p =
        ReadWindowPlacement(ini, section, ToWindowRect(CentredOnParent(window)), areas,
                            WindowFrame(window), withSize, fullPlacement, minimum);
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
