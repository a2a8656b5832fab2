#include "reference/coat_base_list.h"

#include "reference/coating_table.h"
#include "reference/substance_table.h"

namespace klv {
namespace {

CoatBaseButton MakeButton(int code, std::string_view shortName, std::string_view fullName,
                          bool freeName) {
    CoatBaseButton b;
    b.code = code;
    b.freeName = freeName;
    b.shortName = std::string(shortName);
    b.caption = freeName ? std::string(kFreeNameCaption)
                         : std::string(shortName) + " " + std::string(fullName);
    return b;
}

}  // namespace

std::vector<CoatBaseButton> CoatBaseButtons(CoatBaseKind kind) {
    std::vector<CoatBaseButton> buttons;
    CoatBaseButton freeName;
    bool hasFreeName = false;
    auto add = [&](CoatBaseButton b) {
        if (b.freeName) {
            freeName = std::move(b);
            hasFreeName = true;
        } else {
            buttons.push_back(std::move(b));
        }
    };
    if (kind == CoatBaseKind::Coating) {
        for (int code : CoatingDisplayOrder) {
            const CoatingRow& row = GetCoatingRow(code);
            add(MakeButton(code, row.shortName, row.fullName, row.freeName));
        }
    } else {
        for (int code : BaseDisplayOrder) {
            const SubstanceRow& row = GetSubstanceRow(code);
            add(MakeButton(code, row.shortName, row.fullName, row.flag == kSubstanceFreeName));
        }
    }
    // The free-name button is always the last one, whatever the order lists.
    if (hasFreeName)
        buttons.push_back(std::move(freeName));
    if (buttons.size() > static_cast<std::size_t>(kMaxCoatBaseButtons))
        buttons.resize(kMaxCoatBaseButtons);
    return buttons;
}

int FreeNameCode(CoatBaseKind kind) {
    return kind == CoatBaseKind::Coating ? kFreeNameCoatingCode : kSubstFreeNameCode;
}

}  // namespace klv
