#pragma once

#include <QPushButton>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "base/profile.h"
#include "reference/calibration_store.h"
#include "reference/condition_copy.h"
#include "reference/condition_store_test_support.h"
#include "reference/solution_defaults.h"
#include "reference/ui/meas_file_sheet.h"
#include "support/recording_sound_player.h"
#include "support/ui/widget_find.h"

namespace klv::test {

template <typename T>
T* FindLayer(QWidget& w, const char* stem, int k) {
    return Find<T>(w, QString::fromLatin1(stem) + QString::number(k));
}

// A data directory with a store and settings, and the sheet's dialogs answered from scripts.
struct SheetFixture : StoreFixture {
    CalibrationStore cal = DefaultCalibrationStore();
    ProfileFile ini{dir.File("KLV570.ini")};
    RecordingSoundPlayer player;
    ConditionEditContext ctx{store, cal, ini, op, player, false, {}, nullptr};

    struct CoatCall {
        int layer;
        bool offerDelete;
    };
    std::deque<std::optional<CoatBaseChoice>> coatAnswers;
    std::vector<CoatCall> coatCalls;
    std::deque<int> solutionAnswers;
    std::vector<std::pair<int, int>> solutionCalls;
    int specialCalls = 0;
    bool specialAccepts = true;
    std::optional<MeasFileData> copySource;
    unsigned copyItems = kCopyAll;
    int copyCalls = 0;

    void AnswerCoat(int code, const char* name) {
        coatAnswers.push_back(CoatBaseChoice{code, name, false});
    }

    MeasFileSheetSeams Seams() {
        MeasFileSheetSeams seams;
        seams.chooseCoatBase = [this](int layer, bool offerDelete, const MeasFileData&,
                                      QWidget*) -> std::optional<CoatBaseChoice> {
            coatCalls.push_back({layer, offerDelete});
            if (coatAnswers.empty())
                return std::nullopt;
            std::optional<CoatBaseChoice> answer = coatAnswers.front();
            coatAnswers.pop_front();
            return answer;
        };
        seams.selectSolution = [this](int coating, int base, QWidget*) {
            solutionCalls.emplace_back(coating, base);
            if (solutionAnswers.empty())
                return 0;
            const int answer = solutionAnswers.front();
            solutionAnswers.pop_front();
            return answer;
        };
        seams.chooseSpecialSolution = [this](MeasFileData& d, QWidget*) {
            ++specialCalls;
            if (specialAccepts)
                for (int k = 0; k < kMaxLayers; ++k)
                    ApplySpecialSolutionPair(d, k, 0);
            return specialAccepts;
        };
        seams.copyFromOtherChannel = [this](MeasFileData& target, QWidget*) {
            ++copyCalls;
            if (!copySource)
                return 0u;
            CopyConditionItems(*copySource, copyItems, target);
            return copyItems;
        };
        return seams;
    }

    // Layer 1 and the base through the selection, gasket and range through their combos.
    void SetUpBasic(CMeasFileSheet& sheet, int coating, const char* coatName, int gasketIndex) {
        AnswerCoat(coating, coatName);
        Find<QPushButton>(sheet, "coatBox0")->click();
        AnswerCoat(1, "Fe");
        Find<QPushButton>(sheet, "baseBox")->click();
        Choose(Find<QComboBox>(sheet, "rangeCombo0"), 1);
        Choose(Find<QComboBox>(sheet, "gasketCombo"), gasketIndex);
    }

    bool Written(int index, MeasFileData& read) {
        return store.ReadConditionFile(index, read, false);
    }
};

}  // namespace klv::test
