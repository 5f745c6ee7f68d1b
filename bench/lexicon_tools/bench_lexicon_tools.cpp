// Speed of the lexicon tools on the program folder's real data.dat and dictionary.txt (copied into a
// temporary folder, so the import leaves the built files alone).

#include "bench/support/EditorStart.h"
#include "lexicon/Module1.h"
#include "platform/core/Ansi.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/database/Database.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/testing/FakeServices.h"
#include "tools/lexicon/Form2.h"
#include "tools/lexicon/Form4.h"
#include "tools/lexicon/Form5.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

namespace {

template <typename F> double seconds(F f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int lines(const RichTextBox& box) {
    return static_cast<int>(box.text().count(QStringLiteral("\r\n")));
}

} // namespace

int main(int argc, char** argv) {
    startAsTheEditor(argv);
    QApplication app(argc, argv);
    const QString source = ProgramFolder::path();
    QTemporaryDir folder;
    for (const QString& name : {QStringLiteral("data.dat"), QStringLiteral("dictionary.txt")}) {
        if (!QFile::copy(source + u'/' + name, folder.filePath(name))) {
            std::fprintf(stderr, "no %s beside the benchmark\n", qPrintable(name));
            return 1;
        }
    }
    ProgramFolder::setOverride(folder.path());
    qint64 rows = 0;
    if (auto db = Database::open(folder.filePath(QStringLiteral("data.dat")), Database::Mode::ReadOnly))
        rows = db->rows(QStringLiteral("select count(*) from word"))
                   .value_or(std::vector<QVariantList>{{0}})[0][0]
                   .toLongLong();
    std::printf("rows in data.dat: %lld rows (no target)\n", static_cast<long long>(rows));

    RichTextBox editor;
    Form4 search(editor);
    search.Slider1->setValue(1400);
    search.selectMode(search.Option2);
    const QString soundKey = QStringLiteral("Vn");
    const double sound = seconds([&] {
        search.Text2->setText(soundKey);
        search.Command10_Click();
    });
    std::printf("sound search \"%s\" over the whole table (%d hits): %.3f s (target <= 0.5 s)\n",
                qPrintable(soundKey), lines(editor), sound);

    editor.setText({});
    search.selectMode(search.Option1);
    const double spelling = seconds([&] {
        search.Text1->setText(QStringLiteral("tion"));
        search.Command10_Click();
    });
    std::printf("fuzzy spelling search \"tion\", %d hits typed: %.3f s (target <= 0.2 s)\n", lines(editor),
                spelling);

    QString entries;
    for (int i = 0; i < 10000; ++i)
        entries += QStringLiteral("zzq%1,z%2Ek,%3\r\n").arg(i).arg(i % 7).arg(i % 3 ? u"old"_qs : u"new"_qs);
    if (!TextFile::writeBytes(folder.filePath(QStringLiteral("selfmake.dat")), Ansi::encode(entries)))
        return 1;
    FakeServices fakes;
    MessageBox& messageBox = fakes.messageBox;
    QStringList list1;
    QStringList list2;
    Form2 entriesWindow(messageBox, list1, list2);
    entriesWindow.selectMode(entriesWindow.Option2);
    entriesWindow.Check2->setChecked(false);
    const qsizetype loaded = entriesWindow.List2.size();
    const double import = seconds([&] { entriesWindow.Command9_Click(); });
    std::printf("import of %lld entries: %.3f s (target <= 1 s)\n", static_cast<long long>(loaded), import);

    WordList words;
    if (!Module1::LoadDictionary(words, messageBox, fakes.programExit))
        return 1;
    Form5 meaning(messageBox, fakes.dialogs, editor, words);
    const QString sample[] = {QStringLiteral("nation"), QStringLiteral("cat"), QStringLiteral("beautiful"),
                              QStringLiteral("zzqnoword"), QStringLiteral("the")};
    const double lookups = seconds([&] {
        for (int i = 0; i < 1000; ++i) {
            meaning.Text1->setText(sample[i % 5]);
            meaning.Command1_Click();
        }
    });
    std::printf("1000 meaning lookups: %.1f ms (target <= 50 ms)\n", lookups * 1000);
    return 0;
}
