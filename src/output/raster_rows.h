#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/operator.h"
#include "output/mono_bitmap.h"
#include "output/raw_printer_queue.h"

namespace klv {

inline constexpr char kMsgRollPaperUnusable[] = "Roll-paper type printer can't be used.";
// The document name of every print job.
inline constexpr char kPrintDocumentName[] = "KLV-570";

// One row as the printer's raster command: GS v 0 at normal density, the byte width and a
// height of one row (both 16-bit little-endian), then the row with a set bit printing black.
std::vector<std::uint8_t> MakeRasterRecord(std::span<const std::uint8_t> row);

// Where the roll-paper images go under print simulation.
class RollPaperImageSink {
public:
    virtual ~RollPaperImageSink() = default;
    virtual void AppendRows(const MonoBitmap& bitmap, int rows) = 0;
};

// The roll-paper printer of the chosen model, or the image sink that stands in for it.
class CRollPaperPrinter {
public:
    CRollPaperPrinter(RawPrinterQueue& queue, Operator& op) : m_queue(queue), m_op(op) {}

    void SetModel(int id) { m_modelId = id; }
    int Model() const { return m_modelId; }
    // Non-null: print simulation is on and every image goes there.
    void SetSimulation(RollPaperImageSink* sink) { m_simulation = sink; }
    bool IsSimulation() const { return m_simulation != nullptr; }

    // Sends rows 0 to min(height, rows) - 1 as one document; a missing queue is told.
    bool PrintRasterRows(const MonoBitmap& bitmap, int rows);
    // Opens the model's first available queue; `close` closes it again, `message` tells a
    // missing one.
    bool ProbeRollPaperPrinter(bool close, bool message);
    // Whether a queue of another model could be opened (and closes it again).
    bool ProbeModel(int modelId, bool message);

private:
    bool SendRows(const MonoBitmap& bitmap, int rows);

    RawPrinterQueue& m_queue;
    Operator& m_op;
    RollPaperImageSink* m_simulation = nullptr;
    int m_modelId = 1;
};

}  // namespace klv
