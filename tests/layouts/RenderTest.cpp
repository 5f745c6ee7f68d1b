#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "annotation/WordExport.h"
#include "lexicon/Module1.h"
#include "lexicon/WordList.h"
#include "platform/core/EventYield.h"
#include "platform/testing/FakeServices.h"
#include "platform/word/DocxWriter.h"
#include "platform/word/WordApplication.h"
#include "tests/support/NoProgress.h"
#include "tests/support/TempFolder.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

bool run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(120'000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The export as a word processor lays it out: each transcription on the line above (or below) its word.
TEST(Render, WordProcessorStacksTranscriptionAndWord) {
    const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (soffice.isEmpty() || pdftotext.isEmpty())
        GTEST_SKIP() << "soffice or pdftotext is not installed";
    TempFolder folder;
    WordList list;
    list.add({u"hello=|你好|h@'l@U"_s, u"world=|世界|w3:ld"_s});
    Module1::phoneticSystem = u"as-stored"_s;
    Module1::bracketMode = u"["_s;
    Module1::phoneticFontName = u"DejaVu Sans"_s;
    Module1::phoneticFontSize = 15;
    Module1::stopAnnotateFlag = true;
    for (const bool above : {true, false}) {
        FakeShell shell;
        WordApplication word(shell);
        NoProgress sink;
        ProgressReporter progress(sink);
        EventYield events;
        WordExport::run(word, Recognition::scannedText(u"Hello, world."_s), above, list, progress, events);
        const QString name = above ? u"above"_s : u"below"_s;
        ASSERT_TRUE(writeDocx(*word.activeDocument(), folder.file(name + u".docx"_s)));
        ASSERT_TRUE(run(soffice, {u"-env:UserInstallation=file://"_s + folder.file(u"profile"_s),
                                  u"--headless"_s, u"--convert-to"_s, u"pdf"_s, u"--outdir"_s, folder.path(),
                                  folder.file(name + u".docx"_s)}));
        ASSERT_TRUE(
            run(pdftotext, {u"-layout"_s, folder.file(name + u".pdf"_s), folder.file(name + u".txt"_s)}));
        const QStringList lines = QString::fromUtf8(folder.read(name + u".txt"_s)).split(u'\n');
        qsizetype phonLine = -1, wordLine = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].contains(u"[h@'l@U]") && lines[i].contains(u"[w3:ld]"))
                phonLine = i;
            if (lines[i].contains(u"Hello") && lines[i].contains(u"world") && !lines[i].contains(u"ALT"))
                wordLine = i;
        }
        ASSERT_GE(phonLine, 0) << name.toStdString();
        ASSERT_GE(wordLine, 0) << name.toStdString();
        if (above) {
            EXPECT_LT(phonLine, wordLine);
        } else {
            EXPECT_GT(phonLine, wordLine);
        }
    }
}

} // namespace
