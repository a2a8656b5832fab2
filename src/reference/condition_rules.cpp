#include "reference/condition_rules.h"

namespace klv {

bool IsComplete(const MeasFileData& d) {
    const int layers = GetCoatCount(d);
    if (d.bBaseCode == 0 || d.bUnit == 0 || d.bGasket == 0 || layers == 0)
        return false;
    for (int k = 0; k < layers; ++k) {
        const LayerCondition& c = d.coat[k];
        if (c.bSolution == 0 || c.bRange == 0 || c.bSensitivity == 0)
            return false;
    }
    return true;
}

}  // namespace klv
