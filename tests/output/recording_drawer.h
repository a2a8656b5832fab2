#pragma once

#include <string>
#include <vector>

#include "output/roll_paper_output.h"

namespace klv::test {

// Draws each character as a short black bar in its own cell, one row lower per character,
// so every line gives a bitmap of its own; remembers the texts.
class RecordingDrawer final : public RollPaperTextDrawer {
public:
    static constexpr int kCellWidth = 10;
    static constexpr int kCellHeight = 24;

    Cell CharacterCell() override { return {kCellWidth, kCellHeight}; }
    MonoBitmap DrawLine(const std::string& text, int width, int height) override {
        texts.push_back(text);
        MonoBitmap b = MakeWhiteBitmap(width, height);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == ' ')
                continue;
            const int y = static_cast<int>(i) % height;
            for (int x = static_cast<int>(i) * kCellWidth;
                 x < (static_cast<int>(i) + 1) * kCellWidth - 2 && x < width; ++x)
                b.bits[static_cast<std::size_t>(y * b.BytesPerRow() + x / 8)] &=
                    static_cast<std::uint8_t>(~(0x80 >> (x % 8)));
        }
        bitmaps.push_back(b);
        return b;
    }

    std::vector<std::string> texts;
    std::vector<MonoBitmap> bitmaps;
};

// The rows of every GS v 0 record of a byte stream, with the set bits black again; false in
// `ok` when the stream holds anything else.
struct DecodedRows {
    bool ok = true;
    std::vector<std::vector<std::uint8_t>> rows;
};
inline DecodedRows DecodeRasterRecords(const std::string& bytes) {
    DecodedRows out;
    std::size_t i = 0;
    auto byte = [&bytes](std::size_t k) { return static_cast<std::uint8_t>(bytes[k]); };
    while (i < bytes.size()) {
        if (i + 8 > bytes.size() || byte(i) != 0x1D || byte(i + 1) != 0x76 || byte(i + 2) != 0x30 ||
            byte(i + 3) != 0x30 || byte(i + 6) != 1 || byte(i + 7) != 0) {
            out.ok = false;
            return out;
        }
        const std::size_t width = byte(i + 4) | (std::size_t{byte(i + 5)} << 8);
        if (i + 8 + width > bytes.size()) {
            out.ok = false;
            return out;
        }
        std::vector<std::uint8_t> row(width);
        for (std::size_t k = 0; k < width; ++k)
            row[k] = static_cast<std::uint8_t>(~byte(i + 8 + k));
        out.rows.push_back(std::move(row));
        i += 8 + width;
    }
    return out;
}

// The rows of a bitmap as the decoder gives them.
inline std::vector<std::vector<std::uint8_t>> BitmapRows(const MonoBitmap& b) {
    std::vector<std::vector<std::uint8_t>> rows;
    for (int r = 0; r < b.height; ++r)
        rows.emplace_back(b.Row(r).begin(), b.Row(r).end());
    return rows;
}

}  // namespace klv::test
