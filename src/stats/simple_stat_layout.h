#pragma once

namespace klv {

inline constexpr int kSimpleStatDefaultCol0 = 46;
inline constexpr int kSimpleStatDefaultCol1 = 269;
inline constexpr int kSimpleStatMinColumn = 16;
inline constexpr int kSimpleStatMaxColumn = 4000;
inline constexpr int kSimpleStatRowSpacing = 2;

// The horizontal geometry of the panel, in content pixels (before the scroll position).
struct SimpleStatColumns {
    int col0 = kSimpleStatDefaultCol0;  // the number column
    int col1 = kSimpleStatDefaultCol1;  // the value area

    // Widths from the settings file, kept to what the dividers can be dragged to.
    static SimpleStatColumns FromSettings(int col0, int col1);
    int FirstDivider() const { return col0; }
    int SecondDivider() const { return col0 + col1; }
    // Layer k's value cell: 6 characters wide, 8 apart, cut at the end of the value area.
    int CellLeft(int k, int charWidth) const { return col0 + 4 + 8 * charWidth * k; }
    static int CellWidth(int charWidth) { return 6 * charWidth; }
    int ClipRight() const { return col0 + col1 + 2; }
};

// The horizontal scroll bar over a list `listWidth` pixels wide: the range 0 to
// col0 + col1 - 1 seen through a page of the list width less 4.
struct SimpleStatScroll {
    int maximum;  // the last position that still fills the page
    int page;
    int lineStep;  // the arrows: a quarter page
    int pageStep;  // the page areas: seven eighths of a page
};
SimpleStatScroll GetSimpleStatScroll(const SimpleStatColumns& c, int listWidth);

enum class SimpleStatDivider { None, First, Second };

// The divider a header point grabs: within 2 pixels left or 3 right of the first, 0 to 5
// right of the second. `x` is in content pixels.
SimpleStatDivider HitSimpleStatDivider(const SimpleStatColumns& c, int x);

// The grabbed width while dragging: the width at the grab plus the pointer's movement (scroll
// position included), never below 16 pixels.
int DragSimpleStatWidth(int startWidth, int movement);

}  // namespace klv
