// The gloss and the statistics windows on a 1 MB English text with the program folder's lexicon,
// beside the inline annotation of the same text.
#include "annotation/InlineLayout.h"
#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "bench/support/EditorStart.h"
#include "bench/support/GeneratedText.h"
#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/ProgramFolder.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/testing/FakeServices.h"
#include "tests/support/NoProgress.h"
#include "tools/text/Form6.h"
#include "tools/text/Form8.h"
#include "tools/text/Form9.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double msOf(const std::function<void()>& run) {
    QElapsedTimer clock;
    clock.start();
    run();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    startAsTheEditor(argv);
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (!QFile::exists(ProgramFolder::file(QStringLiteral("dictionary.txt"))) ||
        !QFile::exists(ProgramFolder::file(QStringLiteral("data.dat")))) {
        std::printf("lexicon: not built in the program folder, nothing measured\n");
        return 0;
    }
    FakeServices fakes;
    WordList list;
    if (!Module1::LoadDictionary(list, fakes.messageBox, fakes.programExit))
        return 1;
    useBenchmarkSettings();

    QRandomGenerator random(20261210);
    RichTextBox document;
    document.setText(generatedText(list, random));
    const QString text = document.text();
    const qsizetype words = std::count_if(text.begin(), text.end(), [](QChar c) { return c == u' '; });
    std::printf("text: %lld characters, about %lld words; word list %lld entries\n",
                static_cast<long long>(text.size()), static_cast<long long>(words),
                static_cast<long long>(list.count()));

    QStringList queue;
    QList<int> ends;
    const double inlineMs = msOf([&] {
        RichTextBox editor;
        editor.setText(text);
        NoProgress sink;
        ProgressReporter progress(sink);
        EventYield events;
        Recognition::run(Recognition::scannedText(text), ScanVariants::Inline(), list, queue, ends, progress,
                         events);
        InlineLayout::insert(editor, queue, ends, InlineStyle::fromSettings(0xFF3300), progress);
    });
    std::printf("inline_annotation: %.1f ms (%lld transcriptions; for comparison)\n", inlineMs,
                static_cast<long long>(queue.size()));

    NoProgress progressWindow;
    Form6 gloss(fakes.messageBox, fakes.dialogs,
                GlossHost{document, list, queue, ends, [&]() -> ProgressSink& { return progressWindow; },
                          [] {}, [] { return false; }, [] {}});
    gloss.Check1->setChecked(false);
    gloss.show();
    const double glossMs = msOf([&] { gloss.cmdtranslate2_Click(); });
    std::printf("gloss: %.1f ms (%lld glosses; target <= 1500 ms)\n", glossMs,
                static_cast<long long>(queue.size()));
    std::printf("gloss_over_inline: %.2f x\n", glossMs / inlineMs);
    // A shown result box goes on laying itself out at every yield of the runs measured next.
    gloss.hide();

    Form8 vocabulary(fakes.messageBox, fakes.dialogs, document);
    vocabulary.show();
    const double vocabularyMs = msOf([&] { vocabulary.Command1_Click(); });
    std::printf("vocabulary: %.1f ms (%lld verified tokens; target <= 2000 ms)\n", vocabularyMs,
                static_cast<long long>(vocabulary.List1.size()));
    vocabulary.hide();

    Form9 phonetic(fakes.messageBox, fakes.dialogs, document, list);
    phonetic.show();
    const std::pair<const char*, void (Form9::*)()> finders[] = {
        {"finder_stress", &Form9::Command1_Click},
        {"finder_long_vowel", &Form9::Command2_Click},
        {"finder_secondary_stress", &Form9::Command5_Click},
        {"finder_syllabic", &Form9::Command6_Click}};
    for (const auto& [name, run] : finders) {
        const double ms = msOf([&] { (phonetic.*run)(); });
        std::printf("%s: %.1f ms (%lld hits; target <= 1000 ms)\n", name, ms,
                    static_cast<long long>(phonetic.lists[1].size()));
    }
    const double classificationMs = msOf([&] { phonetic.Command3_Click(); });
    std::printf("classification: %.1f ms (%lld unknown; target <= 3000 ms)\n", classificationMs,
                static_cast<long long>(phonetic.lists[0].size()));
    return 0;
}
