#include "platform/services/CommonDialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct FilterCase {
    const char* name;
    const char* filter;
    std::vector<const char*> expected;
};

class FileFilters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FileFilters, ShowEachPatternOnce) {
    QStringList expected;
    for (const char* e : GetParam().expected)
        expected.append(QString::fromUtf8(e));
    EXPECT_EQ(qtNameFilters(QString::fromUtf8(GetParam().filter)), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileFilters,
    ::testing::Values(FilterCase{"NamesWithoutPatterns", "Text|*.txt|All|*.*", {"Text (*.txt)", "All (*.*)"}},
                      FilterCase{"NamesShowingTheirPatterns",
                                 "All Files (*.*)|*.*|Wave Files (*.wav)|*.wav",
                                 {"All Files (*.*)", "Wave Files (*.wav)"}},
                      FilterCase{"SeveralPatterns",
                                 "Text, XML Files (*.txt;*.xml)|*.txt;*.xml",
                                 {"Text, XML Files (*.txt *.xml)"}},
                      FilterCase{"ChineseName", "文本文件 Files (*.txt)|*.txt", {"文本文件 Files (*.txt)"}},
                      FilterCase{"OtherPatternsInTheName", "Old (*.doc)|*.rtf", {"Old (*.doc) (*.rtf)"}}),
    [](const ::testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

} // namespace
