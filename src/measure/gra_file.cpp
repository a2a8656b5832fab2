#include "measure/gra_file.h"

#include <cctype>
#include <cstring>
#include <new>
#include <stdexcept>

#include "base/file_messages.h"

namespace klv {

namespace {

bool MagicMatches(const char (&magic)[16]) {
    for (std::size_t i = 0; i < sizeof magic; ++i) {
        const auto a = static_cast<unsigned char>(magic[i]);
        const auto b = static_cast<unsigned char>(kGraMagic[i]);
        if (std::tolower(a) != std::tolower(b))
            return false;
    }
    return true;
}

GraReadResult TakeSamples(const GraHeader& header, const std::uint8_t* data, GraFile& out) {
    std::vector<std::int32_t> samples;
    try {
        samples.resize(static_cast<std::size_t>(header.lCount));
    } catch (const std::bad_alloc&) {
        return GraReadResult::ShortOfMemory;
    }
    if (!samples.empty())
        std::memcpy(samples.data(), data, samples.size() * sizeof(std::int32_t));
    out.header = header;
    out.samples = std::move(samples);
    return GraReadResult::Ok;
}

}  // namespace

const char* GraReadFailureText(GraReadResult r) {
    switch (r) {
        case GraReadResult::CannotOpen:
            return kMsgFileNotFound;
        case GraReadResult::ShortOfMemory:
            return kMsgShortOfMemory;
        default:
            return kMsgDataUnreadable;
    }
}

bool IsValidGraHeader(const GraHeader& header, std::uint64_t fileSize) {
    if (fileSize < kGraHeaderSize || !MagicMatches(header.szMagic) || header.lCount < 0)
        return false;
    // The trace holds its samples with room for 99 more in a 32-bit count.
    if (header.lCount > kGraMaximumCount)
        return false;
    // Every column and cursor divides by the interval.
    if (header.lInterval <= 0)
        return false;
    // 64-bit arithmetic: 4 × a 31-bit count cannot wrap.
    const std::uint64_t expected =
        kGraHeaderSize + std::uint64_t{4} * static_cast<std::uint64_t>(header.lCount);
    return fileSize == expected;
}

GraReadResult ParseGraFile(std::span<const std::uint8_t> bytes, GraFile& out) {
    if (bytes.size() < kGraHeaderSize)
        return GraReadResult::Invalid;
    GraHeader header;
    std::memcpy(&header, bytes.data(), sizeof header);
    if (!IsValidGraHeader(header, bytes.size()))
        return GraReadResult::Invalid;
    return TakeSamples(header, bytes.data() + kGraHeaderSize, out);
}

GraReadResult ReadGraFile(const std::string& path, GraFile& out) {
    const std::int64_t size = FileSize(path);
    if (size < 0)
        return GraReadResult::CannotOpen;
    GraHeader header;
    if (static_cast<std::uint64_t>(size) < kGraHeaderSize)
        return GraReadResult::Invalid;
    const FileReadResult headRead = ReadFileAt(path, 0, &header, sizeof header);
    if (headRead == FileReadResult::CannotOpen)
        return GraReadResult::CannotOpen;
    if (headRead != FileReadResult::Ok ||
        !IsValidGraHeader(header, static_cast<std::uint64_t>(size)))
        return GraReadResult::Invalid;
    // The samples go straight into the trace's buffer: a file is never held twice, and only a
    // file that is as long as its header says is read at all.
    std::vector<std::int32_t> samples;
    try {
        samples.resize(static_cast<std::size_t>(header.lCount));
    } catch (const std::bad_alloc&) {
        return GraReadResult::ShortOfMemory;
    } catch (const std::length_error&) {
        return GraReadResult::ShortOfMemory;
    }
    if (!samples.empty() && ReadFileAt(path, kGraHeaderSize, samples.data(),
                                       samples.size() * sizeof(std::int32_t)) != FileReadResult::Ok)
        return GraReadResult::Invalid;
    out.header = header;
    out.samples = std::move(samples);
    return GraReadResult::Ok;
}

GraHeader MakeGraHeader() {
    GraHeader header{};
    std::memcpy(header.szMagic, kGraMagic, sizeof header.szMagic);
    return header;
}

FileWriteResult WriteGraFile(const std::string& path, const GraHeader& header,
                             std::span<const std::int32_t> samples) {
    GraHeader head = header;
    head.lCount = static_cast<std::int32_t>(samples.size());
    std::vector<std::uint8_t> image(kGraHeaderSize + samples.size_bytes());
    std::memcpy(image.data(), &head, sizeof head);
    if (!samples.empty())
        std::memcpy(image.data() + kGraHeaderSize, samples.data(), samples.size_bytes());
    return WriteFileAtomically(path, image.data(), image.size());
}

}  // namespace klv
