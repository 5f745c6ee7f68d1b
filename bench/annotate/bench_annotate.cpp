// Inline annotation of a 1 MB English text: recognition and insertion timed apart, beside the time
// espeak-ng's phonemiser library takes to transcribe the same text.
#include "annotation/InlineLayout.h"
#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "bench/support/EditorStart.h"
#include "bench/support/GeneratedText.h"
#include "lexicon/Module1.h"
#include "platform/core/EventYield.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageBox.h"
#include "platform/testing/FakeServices.h"
#include "tests/support/NoProgress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <espeak-ng/speak_lib.h>

#include <cstdio>

namespace {

struct FailOnMessage final : MessageBox {
    int show(const QString& prompt, int, const QString&) override {
        std::fprintf(stderr, "%s\n", prompt.toLocal8Bit().constData());
        return MsgBox::Ok;
    }
};

// A word list of the real one's size when the real one is not built yet.
QStringList generatedDictionary(QRandomGenerator& random) {
    QStringList lines;
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    const QString codes = QStringLiteral("ptkbdgmnlrswfvhjeiAIEQCJ");
    for (int n = 0; n < 150000; ++n) {
        QString word;
        const int length = 3 + random.bounded(8);
        for (int i = 0; i < length; ++i)
            word += letters[random.bounded(26)];
        QString code = QStringLiteral("5");
        for (int i = 0; i < length - 1; ++i)
            code += codes[random.bounded(codes.size())];
        lines << word + QStringLiteral("=|n.义|") + code;
    }
    return lines;
}

// espeak-ng's own phonemiser on the same text, clause by clause, in IPA.
double espeakMs(const QString& text) {
    if (espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0) < 0 ||
        espeak_SetVoiceByName("en-gb-x-rp") != EE_OK)
        return -1;
    const QByteArray utf8 = text.toUtf8();
    QElapsedTimer clock;
    clock.start();
    const void* next = utf8.constData();
    while (next != nullptr)
        espeak_TextToPhonemes(&next, espeakCHARS_UTF8, espeakPHONEMES_IPA);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    espeak_Terminate();
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    startAsTheEditor(argv);
    QApplication app(argc, argv);
    QRandomGenerator random(20261210);
    QTemporaryDir temp;
    const bool real = QFile::exists(ProgramFolder::file(QStringLiteral("dictionary.txt")));
    if (!real) {
        ProgramFolder::setOverride(temp.path());
        if (!TextFile::writeAnsiLines(ProgramFolder::file(QStringLiteral("dictionary.txt")),
                                      generatedDictionary(random))) {
            std::fprintf(stderr, "cannot write the generated dictionary\n");
            return 1;
        }
    }
    WordList list;
    FailOnMessage messages;
    FakeProgramExit noExit;
    if (!Module1::LoadDictionary(list, messages, noExit))
        return 1;
    useBenchmarkSettings();

    const QString text = generatedText(list, random);
    RichTextBox editor;
    editor.setText(text);

    NoProgress sink;
    ProgressReporter progress(sink);
    EventYield events;
    QStringList transcriptions;
    QList<int> ends;
    QElapsedTimer clock;
    clock.start();
    const QString scanned = Recognition::scannedText(editor.text());
    Recognition::run(scanned, ScanVariants::Inline(), list, transcriptions, ends, progress, events);
    const double recognitionMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    clock.restart();
    InlineLayout::insert(editor, transcriptions, ends, InlineStyle::fromSettings(0xFF3300), progress);
    const double insertionMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const double totalMs = recognitionMs + insertionMs;
    const qsizetype words = std::count_if(text.begin(), text.end(), [](QChar c) { return c == u' '; });

    std::printf("lexicon: %s, %lld entries\n", real ? "dictionary.txt of the program folder" : "generated",
                static_cast<long long>(list.count()));
    std::printf("text: %lld characters, about %lld words, %lld annotated\n",
                static_cast<long long>(text.size()), static_cast<long long>(words),
                static_cast<long long>(transcriptions.size()));
    std::printf("inline_recognition: %.1f ms\n", recognitionMs);
    std::printf("inline_insertion: %.1f ms\n", insertionMs);
    std::printf("inline_total: %.1f ms (target <= 300 ms)\n", totalMs);
    const double espeak = espeakMs(text);
    if (espeak < 0) {
        std::printf("espeak_text_to_phonemes: not available\n");
    } else {
        std::printf("espeak_text_to_phonemes: %.1f ms\n", espeak);
        std::printf("espeak_over_inline: %.1f x (target >= 5 x)\n", espeak / totalMs);
    }
    return 0;
}
