// Load and save of a 1 MB RTF document and of one with 60,000 fonts, bulk insertion through the
// selection, and Text of 1 MB.
#include "bench/support/EditorStart.h"
#include "platform/richtext/RichTextBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// About 1 MB of RTF: short lines of English and Chinese in changing fonts, colours and styles.
void fillDocument(RichTextBox& box) {
    const QString fonts[] = {QStringLiteral("宋体"), QStringLiteral("Arial"), QStringLiteral("Fonvella")};
    box.beginEditBlock();
    for (int i = 0; i < 10000; ++i) {
        box.setSelFontName(fonts[i % 3]);
        box.setSelFontSize(10 + i % 5);
        box.setSelColor(i % 4 == 0 ? 0x0000FF : 0);
        box.setSelBold(i % 7 == 0);
        box.setSelText(i % 2 ? QStringLiteral("The quick brown fox jumps over ")
                             : QStringLiteral("学习英语音标 "));
        if (i % 5 == 4)
            box.setSelText(QStringLiteral("\r\n"));
    }
    box.endEditBlock();
}

void report(const char* name, double value, const char* unit, const char* target) {
    std::printf("%s: %.1f %s (target %s)\n", name, value, unit, target);
}

// An RTF document whose every word is in a font of its own.
QByteArray manyFontsRtf(int count) {
    QByteArray table = "{\\rtf1\\ansi\\deff0{\\fonttbl";
    QByteArray body;
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        table += "{\\f" + n + "\\fnil Font" + n + ";}";
        body += "\\f" + n + " w" + n + (i % 10 == 9 ? "\\par\r\n" : " ");
    }
    return table + "}\r\n" + body + "}";
}

// Opens and saves the many-fonts document, in ms each; false when either step failed.
bool manyFonts(const QString& folder, int count, double& openMs, double& saveMs) {
    const QString path = folder + QStringLiteral("/fonts.rtf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(manyFontsRtf(count)) < 0 || !file.flush())
        return false;
    file.close();
    RichTextBox box;
    box.resize(800, 600);
    box.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    if (!box.loadFile(path))
        return false;
    openMs = double(timer.nsecsElapsed()) / 1e6;
    timer.start();
    if (!box.saveFile(folder + QStringLiteral("/fonts-saved.rtf")))
        return false;
    saveMs = double(timer.nsecsElapsed()) / 1e6;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    startAsTheEditor(argv);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.rtf"));

    RichTextBox source;
    source.show();
    fillDocument(source);
    QElapsedTimer timer;
    timer.start();
    if (!source.saveFile(path))
        return 1;
    const double saveMs = double(timer.nsecsElapsed()) / 1e6;

    RichTextBox loaded;
    loaded.resize(800, 600);
    loaded.show();
    QApplication::processEvents();
    timer.start();
    if (!loaded.loadFile(path))
        return 1;
    const double loadMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("rtf_size: %.2f MB\n", double(QFileInfo(path).size()) / (1024.0 * 1024.0));
    report("rtf_save_1mb", saveMs, "ms", "<= 300 ms");
    report("rtf_load_1mb", loadMs, "ms", "<= 300 ms");

    timer.start();
    const QString text = loaded.text();
    report("text_read_1mb", double(timer.nsecsElapsed()) / 1e6, "ms", "fast, <= 20 ms");

    // The annotation pattern: from the last position backwards, each insertion in its own format.
    RichTextBox box;
    box.resize(800, 600);
    box.show();
    QString words;
    for (int i = 0; i < 100000; ++i)
        words += i % 12 == 11 ? QStringLiteral("word\r\n") : QStringLiteral("word ");
    box.setText(words);
    QApplication::processEvents();
    const int length = int(box.text().size());
    timer.start();
    box.beginEditBlock();
    for (int i = 0; i < 100000; ++i) {
        box.setSelStart(length - 1 - int(qint64(i) * length / 100000));
        box.setSelFontName(QStringLiteral("Fonvella"));
        box.setSelColor(0x0000FF);
        box.setSelFontSize(15);
        box.setSelText(QStringLiteral("[w]"));
    }
    box.endEditBlock();
    const double insertMs = double(timer.nsecsElapsed()) / 1e6;
    report("insert_100k_backwards", insertMs, "ms", "<= 300 ms");

    const int finalLength = int(box.text().size());
    QRandomGenerator random(1);
    // Inside an edit block, so the caret's x position (a block layout) is not part of the figure.
    box.beginEditBlock();
    timer.start();
    for (int i = 0; i < 100000; ++i)
        box.setSelStart(int(random.bounded(finalLength)));
    report("selstart_random_position", double(timer.nsecsElapsed()) / 1e5 / 1e3, "us", "O(log n), <= 10 us");
    box.endEditBlock();
    QApplication::processEvents();

    double fontsOpenMs = 0;
    double fontsSaveMs = 0;
    if (!manyFonts(dir.path(), 60000, fontsOpenMs, fontsSaveMs))
        return 1;
    report("rtf_open_60000_fonts", fontsOpenMs, "ms", "<= 1000 ms");
    report("rtf_save_60000_fonts", fontsSaveMs, "ms", "<= 1000 ms");
    return text.isEmpty() ? 1 : 0;
}
