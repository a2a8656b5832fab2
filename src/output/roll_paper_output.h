#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "output/mono_bitmap.h"
#include "output/raster_rows.h"
#include "reference/condition_store.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv {

// Draws text in the roll-paper font; glyph escapes become their pictures.
class RollPaperTextDrawer {
public:
    struct Cell {
        int width;
        int height;
    };
    virtual ~RollPaperTextDrawer() = default;
    // The extent of "X".
    virtual Cell CharacterCell() = 0;
    // A white bitmap of `width` (a multiple of 32) × `height` dots with the text at its top left.
    virtual MonoBitmap DrawLine(const std::string& text, int width, int height) = 0;
};

// The open channel as the five-data line reads it; a null condition: no channel is open.
struct OpenChannelRef {
    const MeasFileData* condition = nullptr;
    int index = -1;
};

// The per-measurement output of the roll-paper printer: its lines, the pending five-data
// line and the feed that separates them from a report.
class CRollPaperOutput {
public:
    CRollPaperOutput(CRollPaperPrinter& printer, RollPaperTextDrawer& drawer, ConditionStore& store)
        : m_printer(printer), m_drawer(drawer), m_store(store) {}

    CRollPaperPrinter& Printer() { return m_printer; }
    // The roll-paper printer is the chosen one (else nothing is printed here).
    void SetSelected(bool selected) { m_selected = selected; }
    bool IsSelected() const { return m_selected; }
    void SetMode(int bits) { m_mode = bits; }
    int Mode() const { return m_mode; }

    bool PrintRollPaperLine(const std::string& text);
    // One blank line after lines were printed; false when no printer is there or the line
    // was not taken.
    bool FeedRollPaper();
    bool IsFeedPending() const { return m_feedPending; }

    // The lines of a measurement whose layers up to `currentLayer` are stored in `records`.
    bool PrintMeasurementLines(const OpenChannelRef& channel, std::span<const MsrLogRecord> records,
                               int currentLayer);
    // Prints the pending measurements of the five-data mode, read back from the data log.
    bool FlushFiveDataLine(const OpenChannelRef& channel);
    int PendingCount() const { return m_pendingCount; }
    std::uint32_t FirstPending() const { return m_firstPending; }

private:
    CRollPaperPrinter& m_printer;
    RollPaperTextDrawer& m_drawer;
    ConditionStore& m_store;
    bool m_selected = false;
    int m_mode = 1;
    bool m_feedPending = false;
    int m_pendingCount = 0;
    std::uint32_t m_firstPending = 0;
};

}  // namespace klv
