#include "output/roll_paper_model.h"

#include <algorithm>

namespace klv {

namespace {

constexpr RollPaperModel kModels[] = {
    {1, "Citizen CT-S300", {"CT-S300 Partial Cut", "CT-S300 Full Cut", "CT-S300 No Cut"}},
};

}  // namespace

std::span<const RollPaperModel> RollPaperModels() {
    return kModels;
}

const RollPaperModel* FindRollPaperModel(int id) {
    const auto it = std::find_if(std::begin(kModels), std::end(kModels),
                                 [id](const RollPaperModel& m) { return m.id == id; });
    return it == std::end(kModels) ? nullptr : &*it;
}

int RollPaperFontHeight(int sizeTenths) {
    return -(sizeTenths * 4 / 30);
}

std::string PlatformQueueName(std::string_view name) {
    std::string out(name);
    std::replace(out.begin(), out.end(), ' ', '_');
    return out;
}

bool OpenRollPaperQueue(RawPrinterQueue& queue, int modelId) {
    const RollPaperModel* model = FindRollPaperModel(modelId);
    if (model == nullptr)
        return false;
    return std::any_of(model->queueNames.begin(), model->queueNames.end(),
                       [&queue](const char* name) { return queue.Open(PlatformQueueName(name)); });
}

}  // namespace klv
