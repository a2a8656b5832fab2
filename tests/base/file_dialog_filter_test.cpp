#include "base/file_dialog_filter.h"

#include <gtest/gtest.h>

namespace klv {
namespace {

TEST(FileDialogFilter, PairsBecomeTheToolkitsFilter) {
    EXPECT_EQ(ConvertDialogFilter("Text file (*.txt)|*.txt|All of the file (*.*)|*.*||"),
              "Text file (*.txt);;All of the file (*.*)");
    EXPECT_EQ(ConvertDialogFilter("Sound file (*.wav)|*.wav|All of the file(*.*)|*.*||"),
              "Sound file (*.wav);;All of the file(*.*)");
    EXPECT_EQ(ConvertDialogFilter("Graphs|*.gra;*.GRA||"), "Graphs (*.gra *.GRA)");
    EXPECT_EQ(ConvertDialogFilter(""), "");
    EXPECT_EQ(DefaultSuffix("*.txt"), "txt");
    EXPECT_EQ(DefaultSuffix(""), "");
}

}  // namespace
}  // namespace klv
