// Appended and interlinear layouts and the Word-field export on English texts of 1, 2 and 4 MB. Each
// case runs in a process of its own, so its peak memory is its own.
#include "annotation/AppendedLayout.h"
#include "annotation/InlineLayout.h"
#include "annotation/InterlinearLayout.h"
#include "annotation/Lookup.h"
#include "annotation/Progress.h"
#include "annotation/Recognition.h"
#include "annotation/WordExport.h"
#include "bench/support/EditorStart.h"
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
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <map>

using namespace Qt::StringLiterals;

namespace {

const char* const kWords[] = {"the",  "cat",   "sat",      "on",     "mat",   "and",     "looked",
                              "at",   "a",     "bird",     "which",  "was",   "singing", "in",
                              "tree", "while", "children", "played", "don't", "Garden"};

QString englishText(qsizetype bytes) {
    QString text;
    quint32 seed = 12345;
    qsizetype lineStart = 0;
    while (text.size() < bytes) {
        seed = seed * 1103515245u + 12345u;
        text += QString::fromLatin1(kWords[(seed >> 16) % std::size(kWords)]);
        if (text.size() - lineStart > 80) {
            text += QStringLiteral(".\r\n");
            lineStart = text.size();
        } else {
            text += (seed >> 8) % 7 == 0 ? QStringLiteral(", ") : QStringLiteral(" ");
        }
    }
    return text;
}

void setUp(WordList& list) {
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
}

double seconds(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e9;
}

// An editor as the main window shows it.
void show(RichTextBox& editor) {
    editor.resize(800, 600);
    editor.show();
    QApplication::processEvents();
}

// One case in this process; prints "figure seconds" lines and the peak memory in kB.
int runCase(const QString& name, qsizetype bytes) {
    QTemporaryDir folder;
    ProgramFolder::setOverride(folder.path());
    WordList list;
    setUp(list);
    const QString text = englishText(bytes);
    NoProgress sink;
    ProgressReporter progress(sink);
    EventYield events;
    QElapsedTimer t;
    t.start();
    if (name == u"appended") {
        RichTextBox editor;
        show(editor);
        editor.setText(text);
        t.start();
        QStringList queue;
        QList<int> ends;
        Recognition::run(Recognition::scannedText(editor.text()), ScanVariants::Appended(), list, queue, ends,
                         progress, events);
        AppendedLayout::append(editor, queue, InlineStyle::fromSettings(0xFF0000), progress, events);
        QApplication::processEvents();
        std::printf("total %.6f\n", seconds(t));
    } else if (name == u"interlinear") {
        RichTextBox editor;
        show(editor);
        bool tooMany = false;
        const QStringList textLines =
            InterlinearLayout::textLines(text.split(QStringLiteral("\r\n")), tooMany);
        CachedLookup lookup(ScanVariants::TranscriptionLine(), list);
        QStringList phonetic;
        for (const QString& line : textLines)
            phonetic << InterlinearLayout::transcriptionLine(line, lookup, progress, events);
        std::printf("lines %.6f\n", seconds(t));
        QElapsedTimer r;
        r.start();
        InterlinearLayout::rebuild(editor, textLines, phonetic, false, 0xFF0000);
        QApplication::processEvents();
        std::printf("rebuild %.6f\n", seconds(r));
        std::printf("total %.6f\n", seconds(t));
    } else if (name == u"word") {
        FakeShell shell;
        WordApplication word(shell);
        const WordExport::Written written =
            WordExport::run(word, Recognition::scannedText(text), true, list, progress, events);
        std::printf("built %.6f\n", seconds(t));
        QElapsedTimer w;
        w.start();
        const QString path = folder.filePath(QStringLiteral("bench.docx"));
        if (!writeDocx(*word.activeDocument(), path))
            return 1;
        std::printf("written %.6f\n", seconds(w));
        std::printf("total %.6f\n", seconds(t));
        std::printf("fields %d\n", written.fields);
        std::printf("file %lld\n", static_cast<long long>(QFileInfo(path).size()));
    } else {
        return 2;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak %ld\n", usage.ru_maxrss);
    return 0;
}

std::map<QString, double> spawn(const QString& name, qsizetype bytes) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {name, QString::number(bytes)});
    std::map<QString, double> figures;
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return figures;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2)
            figures[QString::fromLatin1(parts[0])] = parts[1].toDouble();
    }
    return figures;
}

void report(const QString& name, double value, const char* unit, const char* target) {
    std::printf("%s: %.3f %s (target %s)\n", qPrintable(name), value, unit, target);
}

} // namespace

int main(int argc, char** argv) {
    startAsTheEditor(argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    if (argc == 3)
        return runCase(QString::fromLatin1(argv[1]), QString::fromLatin1(argv[2]).toLongLong());

    const struct {
        const char* name;
        const char* caption;
    } layouts[] = {
        {"appended", "appended layout"}, {"interlinear", "interlinear layout"}, {"word", "word export"}};
    const int sizes[] = {1, 2, 4};
    bool failed = false;
    for (const auto& layout : layouts) {
        std::map<int, double> totals;
        for (const int mb : sizes) {
            const auto f = spawn(QString::fromLatin1(layout.name), qsizetype(mb) * 1'000'000);
            if (!f.count(u"total"_s)) {
                std::printf("%s %d MB: failed\n", layout.caption, mb);
                failed = true;
                continue;
            }
            const QString prefix =
                QStringLiteral("%1 %2 MB").arg(QString::fromLatin1(layout.caption)).arg(mb);
            totals[mb] = f.at(u"total"_s);
            report(prefix, totals[mb], "s", "none");
            if (f.count(u"rebuild"_s))
                report(prefix + u" rebuild"_s, f.at(u"rebuild"_s), "s", mb == 1 ? "<= 2" : "none");
            if (f.count(u"written"_s)) {
                report(prefix + u" document built"_s, f.at(u"built"_s), "s", "none");
                report(prefix + u" document written"_s, f.at(u"written"_s), "s", mb == 1 ? "<= 1.2" : "none");
                report(prefix + u" file"_s, f.at(u"file"_s) / 1e6, "MB", "none");
            }
            report(prefix + u" peak memory"_s, f.at(u"peak"_s) / 1024, "MB",
                   mb == 1 && f.count(u"written"_s) ? "<= 150" : "none");
        }
        if (totals.count(1) && totals.count(4))
            report(QString::fromLatin1(layout.caption) + u" 4 MB / 1 MB"_s, totals[4] / totals[1], "x",
                   "<= 4.5");
    }
    return failed ? 1 : 0;
}
