#include "reference/solution_combination_table.h"

namespace klv {

// coating, under-substance, current factor row, test solution, listed, pump off
const std::array<SolutionCombinationRow, kSolutionCombinationCount> SolutionCombinationTable = {{
    {1, 1, 1, 1, true, false},     {1, 34, 1, 1, true, false},    {1, 2, 1, 1, true, false},
    {2, 1, 2, 2, true, false},     {2, 34, 2, 2, true, false},    {2, 2, 2, 2, true, false},
    {2, 3, 2, 2, true, false},     {2, 4, 2, 2, true, false},     {2, 5, 2, 2, true, false},
    {2, 12, 2, 2, true, true},     {3, 1, 3, 7, true, true},      {3, 34, 3, 7, true, true},
    {3, 2, 3, 7, true, true},      {3, 5, 3, 7, true, true},      {3, 8, 3, 7, true, true},
    {3, 13, 3, 7, true, true},     {3, 3, 3, 4, true, false},     {3, 4, 3, 4, true, false},
    {3, 6, 3, 4, true, false},     {3, 7, 3, 4, true, false},     {3, 9, 3, 4, true, false},
    {3, 17, 3, 4, true, false},    {3, 19, 3, 4, true, false},    {3, 28, 3, 14, true, false},
    {3, 15, 3, 14, false, false},  {4, 1, 13, 7, true, true},     {4, 34, 13, 7, true, true},
    {4, 2, 13, 7, true, true},     {4, 5, 13, 7, true, true},     {4, 8, 13, 7, true, true},
    {4, 13, 13, 7, true, true},    {4, 3, 13, 4, true, false},    {4, 4, 13, 4, true, false},
    {4, 6, 13, 4, true, false},    {4, 7, 13, 4, true, false},    {4, 9, 13, 4, true, false},
    {4, 17, 13, 4, true, false},   {4, 19, 13, 4, true, false},   {4, 28, 13, 14, true, false},
    {4, 15, 13, 14, false, false}, {5, 1, 4, 1, true, false},     {5, 34, 4, 1, true, false},
    {5, 2, 4, 1, true, false},     {5, 5, 4, 1, true, false},     {5, 9, 4, 1, true, false},
    {5, 10, 4, 1, true, false},    {5, 11, 4, 1, true, false},    {5, 12, 4, 1, true, false},
    {5, 13, 4, 1, true, false},    {5, 14, 4, 1, true, false},    {5, 16, 4, 1, true, false},
    {5, 3, 5, 8, true, false},     {5, 6, 5, 8, true, false},     {5, 7, 5, 8, true, false},
    {5, 8, 5, 8, true, false},     {5, 28, 5, 8, true, false},    {5, 17, 5, 8, true, false},
    {5, 18, 5, 8, true, false},    {5, 22, 5, 8, true, false},    {5, 15, 5, 8, false, false},
    {6, 1, 6, 11, true, false},    {6, 34, 6, 11, true, false},   {6, 2, 6, 11, true, false},
    {6, 3, 6, 11, true, false},    {6, 4, 6, 11, true, false},    {6, 6, 6, 11, true, false},
    {6, 7, 6, 11, true, false},    {6, 10, 6, 11, true, false},   {6, 23, 6, 11, true, false},
    {7, 1, 7, 1, true, false},     {7, 34, 7, 1, true, false},    {7, 2, 7, 1, true, false},
    {7, 3, 7, 1, true, false},     {7, 4, 7, 1, true, false},     {8, 1, 7, 4, true, false},
    {8, 34, 7, 4, true, false},    {8, 2, 7, 4, true, false},     {8, 3, 7, 4, true, false},
    {8, 4, 7, 4, true, false},     {9, 1, 8, 3, true, false},     {9, 34, 8, 3, true, false},
    {9, 2, 8, 3, true, false},     {9, 3, 8, 3, true, false},     {9, 4, 8, 3, true, false},
    {9, 5, 8, 3, true, false},     {10, 1, 9, 1, true, false},    {10, 34, 9, 1, true, false},
    {10, 2, 9, 1, true, false},    {10, 3, 9, 5, true, false},    {10, 4, 9, 5, true, false},
    {10, 7, 9, 5, true, false},    {10, 5, 9, 18, true, false},   {10, 6, 9, 18, true, false},
    {11, 1, 7, 4, true, false},    {11, 34, 7, 4, true, false},   {11, 2, 7, 7, true, false},
    {11, 3, 7, 4, true, false},    {11, 4, 7, 19, false, false},  {11, 5, 7, 4, true, false},
    {11, 6, 7, 4, true, false},    {11, 18, 7, 4, true, false},   {12, 3, 7, 6, true, false},
    {12, 4, 7, 6, true, false},    {13, 1, 10, 10, true, false},  {13, 34, 10, 10, true, false},
    {13, 2, 10, 10, true, false},  {13, 3, 10, 10, true, false},  {13, 4, 10, 10, true, false},
    {14, 1, 10, 10, true, false},  {14, 34, 10, 10, true, false}, {14, 3, 10, 10, true, false},
    {14, 4, 10, 10, true, false},  {15, 2, 4, 10, true, false},   {15, 3, 4, 10, true, false},
    {15, 4, 4, 7, true, false},    {16, 1, 10, 10, true, false},  {16, 34, 10, 10, true, false},
    {16, 2, 10, 10, true, false},  {16, 3, 10, 10, true, false},  {16, 4, 10, 10, true, false},
    {16, 5, 10, 17, true, false},  {16, 8, 10, 10, true, false},  {16, 9, 10, 10, true, false},
    {16, 10, 10, 9, true, false},  {16, 11, 10, 10, true, false}, {16, 12, 10, 10, true, false},
    {16, 13, 10, 10, true, false}, {16, 16, 10, 10, true, false}, {16, 20, 10, 10, true, false},
    {17, 1, 10, 13, true, false},  {17, 34, 10, 13, true, false}, {17, 2, 10, 13, true, false},
    {17, 10, 10, 13, true, false}, {18, 3, 11, 12, true, false},  {18, 4, 11, 12, true, false},
    {18, 5, 11, 12, true, false},  {18, 9, 11, 12, true, false},  {18, 21, 11, 12, true, false},
    {18, 23, 11, 12, true, false}, {19, 1, 12, 16, true, false},  {19, 34, 12, 16, true, false},
    {19, 3, 12, 16, true, false},  {19, 4, 12, 16, true, false},  {19, 5, 12, 16, true, false},
}};

const SolutionCombinationRow* FindCombination(int coating, int underSubstance,
                                              bool anyUnderSubstance) {
    for (const SolutionCombinationRow& row : SolutionCombinationTable) {
        if (row.coating != coating)
            continue;
        if (anyUnderSubstance || row.underSubstance == underSubstance)
            return &row;
    }
    return nullptr;
}

}  // namespace klv
