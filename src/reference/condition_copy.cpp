#include "reference/condition_copy.h"

#include <cstring>

namespace klv {
namespace {

template <std::size_t N>
void CopyText(const char (&from)[N], char (&to)[N]) {
    std::memcpy(to, from, N);
}

// Bytes [first, last) of the record image.
void CopyBytes(const MeasFileData& source, MeasFileData& target, std::size_t first,
               std::size_t last) {
    std::memcpy(reinterpret_cast<unsigned char*>(&target) + first,
                reinterpret_cast<const unsigned char*>(&source) + first, last - first);
}

}  // namespace

void CopyConditionItems(const MeasFileData& source, unsigned items, MeasFileData& target) {
    if (items & kCopyFileName)
        CopyText(source.szFileName, target.szFileName);
    if (items & kCopyCustomer)
        CopyText(source.szCustomer, target.szCustomer);
    if (items & kCopyGoods)
        CopyText(source.szGoods, target.szGoods);
    if (items & kCopyLotNo)
        CopyText(source.szLotNo, target.szLotNo);
    if (items & kCopyTester)
        CopyText(source.szTester, target.szTester);
    if (items & kCopyCondition)
        CopyBytes(source, target, offsetof(MeasFileData, coat), offsetof(MeasFileData, bStatFlags));
    if (items & kCopyStatistics)
        CopyBytes(source, target, offsetof(MeasFileData, bStatFlags),
                  offsetof(MeasFileData, nItemCt));
}

}  // namespace klv
