// Appended and interlinear layouts and the Word-field export on a 1 MB English text.
#include "annotation/AppendedLayout.h"
#include "annotation/InlineLayout.h"
#include "annotation/InterlinearLayout.h"
#include "annotation/Lookup.h"
#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "annotation/WordExport.h"
#include "lexicon/Module1.h"
#include "lexicon/WordList.h"
#include "platform/core/EventYield.h"
#include "platform/core/ProgramFolder.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/testing/FakeServices.h"
#include "platform/word/DocxWriter.h"
#include "platform/word/WordApplication.h"
#include "tests/support/NoProgress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const char* const kWords[] = {"the",  "cat",   "sat",      "on",     "mat",   "and",     "looked",
                              "at",   "a",     "bird",     "which",  "was",   "singing", "in",
                              "tree", "while", "children", "played", "don't", "Garden"};

QString englishText(qsizetype bytes, qsizetype& words) {
    QString text;
    words = 0;
    quint32 seed = 12345;
    qsizetype lineStart = 0;
    while (text.size() < bytes) {
        seed = seed * 1103515245u + 12345u;
        text += QString::fromLatin1(kWords[(seed >> 16) % std::size(kWords)]);
        ++words;
        if (text.size() - lineStart > 80) {
            text += QStringLiteral(".\r\n");
            lineStart = text.size();
        } else {
            text += (seed >> 8) % 7 == 0 ? QStringLiteral(", ") : QStringLiteral(" ");
        }
    }
    return text;
}

void report(const char* name, double value, const char* unit, const char* target) {
    std::printf("%s: %.3f %s (target %s)\n", name, value, unit, target);
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    ProgramFolder::setOverride(folder.path());
    WordList list;
    QStringList lines;
    for (const char* w : kWords)
        lines << QString::fromLatin1(w).toLower() + QStringLiteral("=|x|") + QString::fromLatin1(w).toUpper();
    list.add(lines);
    Module1::phoneticSystem = QStringLiteral("as-stored");
    Module1::bracketMode = QStringLiteral("[");
    Module1::leftBracket = QStringLiteral("[");
    Module1::rightBracket = QStringLiteral("]");
    Module1::wordSeparator = QStringLiteral("kongge");
    Module1::phoneticFontName = QStringLiteral("Fonvella");
    Module1::phoneticFontSize = 15;
    Module1::stopAnnotateFlag = true;
    Module1::stopInsertFlag = true;

    qsizetype words = 0;
    const QString text = englishText(argc > 1 ? QString::fromLatin1(argv[1]).toLongLong() : 1'000'000, words);
    std::printf("text: %lld characters, %lld words\n", static_cast<long long>(text.size()),
                static_cast<long long>(words));
    NoProgress sink;
    ProgressReporter progress(sink);
    EventYield events;
    QElapsedTimer t;

    {
        RichTextBox editor;
        editor.setText(text);
        t.start();
        QStringList queue;
        QList<int> ends;
        const QString scanned = Recognition::scannedText(editor.text());
        Recognition::run(scanned, ScanVariants::Appended(), list, queue, ends, progress, events);
        AppendedLayout::append(editor, queue, InlineStyle::fromSettings(0xFF0000), progress, events);
        report("appended layout", double(t.elapsed()) / 1000, "s", "none");
    }
    {
        RichTextBox editor;
        t.start();
        bool tooMany = false;
        const QStringList textLines =
            InterlinearLayout::textLines(text.split(QStringLiteral("\r\n")), tooMany);
        CachedLookup lookup(ScanVariants::TranscriptionLine(), list);
        QStringList phonetic;
        for (const QString& line : textLines)
            phonetic << InterlinearLayout::transcriptionLine(line, lookup, progress, events);
        report("interlinear transcription lines", double(t.elapsed()) / 1000, "s", "none");
        t.start();
        InterlinearLayout::rebuild(editor, textLines, phonetic, false, 0xFF0000);
        report("interlinear rebuild", double(t.elapsed()) / 1000, "s", "<= 2");
    }
    {
        FakeShell shell;
        WordApplication word(shell);
        t.start();
        const int fields =
            WordExport::run(word, Recognition::scannedText(text), true, list, progress, events);
        report("word export document built", double(t.elapsed()) / 1000, "s", "none");
        std::printf("word export fields: %d\n", fields);
        t.start();
        const qsizetype xmlBytes = documentXml(*word.activeDocument()).size();
        report("word export markup built", double(t.elapsed()) / 1000, "s", "none");
        std::printf("word export markup: %lld bytes\n", static_cast<long long>(xmlBytes));
        t.start();
        if (!writeDocx(*word.activeDocument(), folder.filePath(QStringLiteral("bench.docx"))))
            return 1;
        report("word export document written", double(t.elapsed()) / 1000, "s", "<= 3 for 180000 words");
    }
    return 0;
}
