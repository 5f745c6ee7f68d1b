// The notation converter over 150,000 transcriptions, the font replacement of a 1 MB document, and
// one number, year and telephone read-out.
#include "bench/support/EditorStart.h"
#include "lexicon/Module1.h"
#include "platform/core/ProgramFolder.h"
#include "platform/testing/FakeServices.h"
#include "tools/text/Frmconvert.h"
#include "tools/text/Frmnumber.h"
#include "tools/text/Frmpiliangzhuanhuan.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

void report(const char* name, double value, const char* unit, const char* target) {
    std::printf("%s: %.3f %s (target %s)\n", name, value, unit, target);
}

double millisecondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double averageMs(int runs, const std::function<void()>& work) {
    return millisecondsOf([&] {
               for (int i = 0; i < runs; ++i)
                   work();
           }) /
           runs;
}

} // namespace

int main(int argc, char** argv) {
    startAsTheEditor(argv);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder::setOverride(dir.path());
    Module1::bracketMode = QStringLiteral("/");
    Module1::DeriveBrackets();
    FakeServices fakes;

    RichTextBox document;
    document.resize(800, 600);
    document.show();
    QString text;
    // Lines of twelve transcriptions, over 1 MB in all.
    for (int i = 0; i < 150000; ++i) {
        text += i % 2 ? QStringLiteral("/bit/  ") : QStringLiteral("/gud/ a");
        if (i % 12 == 11)
            text += QStringLiteral("\r\n");
    }
    document.setText(text);
    Frmconvert converter(fakes.messageBox, document);
    const double convertMs = millisecondsOf([&] { converter.Command1_Click(); });
    if (converter.List1.size() != 150000)
        return 1;
    report("converter_150k_transcriptions", convertMs / 1000, "s", "<= 1.5 s");

    // Over 1 MB of text (in the ANSI code page) in two fonts.
    RichTextBox big;
    big.resize(800, 600);
    big.show();
    big.beginEditBlock();
    for (int i = 0; i < 32000; ++i) {
        big.setSelFontName(i % 2 ? QStringLiteral("宋体") : QStringLiteral("Fonvella"));
        big.setSelText(i % 2 ? QStringLiteral("学习英语音标的好方法，")
                             : QStringLiteral("The quick brown fox jumps over the lazy dog. "));
        if (i % 10 == 9)
            big.setSelText(QStringLiteral("\r\n"));
    }
    big.endEditBlock();
    Frmpiliangzhuanhuan fonts(fakes.messageBox, fakes.dialogs, big);
    fakes.dialogs.fontAnswers.push_back(FontChoice{QStringLiteral("宋体")});
    fonts.Label3_Click();
    fakes.dialogs.fontAnswers.push_back(FontChoice{QStringLiteral("黑体")});
    fonts.Label4_Click();
    fakes.messageBox.shown.clear();
    const double fontMs = millisecondsOf([&] { fonts.Command1_Click(); });
    if (!fakes.messageBox.shown.empty())
        return 1;
    report("font_replacement_1mb", fontMs / 1000, "s", "<= 1 s");

    Frmnumber number(fakes.messageBox, fakes.dialogs);
    number.Text1->setText(QStringLiteral("123456789012.5"));
    report("number_readout", averageMs(200, [&] { number.Command1_Click(); }), "ms", "<= 1 ms");
    number.Text2->setText(QStringLiteral("2005"));
    report("year_readout", averageMs(200, [&] { number.Command3_Click(); }), "ms", "<= 1 ms");
    number.Text3->setText(QStringLiteral("01062758899"));
    report("telephone_readout", averageMs(200, [&] { number.Command2_Click(); }), "ms", "<= 1 ms");
    return 0;
}
