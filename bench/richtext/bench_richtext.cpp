// Load and save of a 1 MB RTF document, bulk insertion through the selection, and Text of 1 MB.
#include "platform/richtext/RichTextBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// About 1 MB of RTF: short lines of English and Chinese in changing fonts, colours and styles.
void fillDocument(RichTextBox& box) {
    const QString fonts[] = {QStringLiteral("宋体"), QStringLiteral("Arial"), QStringLiteral("Fonvella")};
    box.beginEditBlock();
    for (int i = 0; i < 14000; ++i) {
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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    timer.start();
    for (int i = 0; i < 100000; ++i)
        box.setSelStart(int(random.bounded(finalLength)));
    report("selstart_random_position", double(timer.nsecsElapsed()) / 1e5 / 1e3, "us", "O(log n), <= 10 us");
    QApplication::processEvents();
    return text.isEmpty() ? 1 : 0;
}
