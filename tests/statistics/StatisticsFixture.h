#pragma once

#include "lexicon/Module1.h"
#include "lexicon/WordList.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/testing/FakeServices.h"
#include "tests/lexicon/LexiconFixtures.h"
#include "tests/support/TempFolder.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <string>

// A program folder, a document, a word list and the service doubles for the statistics windows.
class StatisticsTest : public ::testing::Test {
protected:
    StatisticsTest() {
        QStandardPaths::setTestModeEnabled(true);
        Module1::stopAnnotateFlag = true;
        Module1::stopInsertFlag = true;
    }
    ~StatisticsTest() override {
        Module1::stopAnnotateFlag = true;
        Module1::stopInsertFlag = true;
    }

    void useWords(const QStringList& lines) {
        words.clear();
        words.add(lines);
    }

    TempFolder folder;
    FakeServices fakes;
    RichTextBox document;
    WordList words;
};

// A readable test name from a case's name.
template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}
