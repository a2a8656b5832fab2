#pragma once

#include <string>
#include <vector>

namespace klv {

enum class CoatBaseKind { Coating, Base };

// What the operator picked in the coating or base selection.
struct CoatBaseChoice {
    int code = 0;
    std::string name;
    bool deleteLayer = false;
};

// One button of the selection, in display order; the free-name row comes last.
struct CoatBaseButton {
    int code = 0;
    std::string caption;  // "short blank full", or the free-name caption
    std::string shortName;
    bool freeName = false;
};

inline constexpr const char* kFreeNameCaption = "Input a Free name ";
inline constexpr int kMaxCoatBaseButtons = 36;

std::vector<CoatBaseButton> CoatBaseButtons(CoatBaseKind kind);
// The code of the free-name row: coating 20 or substance 33.
int FreeNameCode(CoatBaseKind kind);

}  // namespace klv
