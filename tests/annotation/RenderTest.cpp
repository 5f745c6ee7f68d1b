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
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

namespace {

bool run(const QString& program, const QStringList& args, QByteArray* output = nullptr) {
    QProcess p;
    p.start(program, args);
    const bool done =
        p.waitForFinished(180'000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (output)
        *output = p.readAllStandardOutput();
    return done;
}

// A piece of text on the rendered page in one font.
struct Placed {
    QString text;
    double top = 0;
    double centre = 0;
    QString family;
    QString color;
};

// The first page's text pieces as pdftohtml reports them.
std::vector<Placed> pageText(const QByteArray& xml) {
    std::map<QString, std::pair<QString, QString>> fonts; // id -> family, colour
    std::vector<Placed> out;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = reader.attributes();
        if (reader.name() == u"fontspec") {
            fonts[a.value(u"id"_s).toString()] = {a.value(u"family"_s).toString(),
                                                  a.value(u"color"_s).toString()};
        } else if (reader.name() == u"text") {
            const auto& [family, color] = fonts[a.value(u"font"_s).toString()];
            const double left = a.value(u"left"_s).toDouble();
            const double width = a.value(u"width"_s).toDouble();
            out.push_back({reader.readElementText(QXmlStreamReader::IncludeChildElements),
                           a.value(u"top"_s).toDouble(), left + width / 2, family, color});
        }
    }
    return out;
}

const Placed* find(const std::vector<Placed>& pieces, const QString& text) {
    for (const Placed& p : pieces) {
        if (p.text.trimmed() == text)
            return &p;
    }
    return nullptr;
}

// The export as a word processor lays it out: each transcription, in the phonetic font and colour, on
// the line above (or below) its word and centred on it; one- and two-letter transcriptions too.
TEST(Render, WordProcessorStacksTranscriptionAndWord) {
    const QString soffice = QStandardPaths::findExecutable(u"soffice"_s);
    const QString pdftohtml = QStandardPaths::findExecutable(u"pdftohtml"_s);
    ASSERT_FALSE(soffice.isEmpty()) << "scripts/setup-deps installs LibreOffice Writer";
    ASSERT_FALSE(pdftohtml.isEmpty()) << "scripts/setup-deps installs poppler-utils";
    TempFolder folder;
    WordList list;
    list.add({u"hello=|你好|h@'l@U"_s, u"world=|世界|w3:ld"_s, u"a=|一|@"_s, u"on=|在|Qn"_s});
    Module1::phoneticSystem = u"as-stored"_s;
    Module1::bracketMode = u"["_s;
    Module1::phoneticFontName = u"DejaVu Sans Mono"_s;
    Module1::phoneticFontSize = 15;
    Module1::stopAnnotateFlag = true;
    const std::pair<QString, QString> words[] = {
        {u"Hello"_s, u"h@'l@U"_s}, {u"a"_s, u"@"_s}, {u"world"_s, u"w3:ld"_s}, {u"on"_s, u"Qn"_s}};
    for (const bool above : {true, false}) {
        const QString name = above ? u"above"_s : u"below"_s;
        SCOPED_TRACE(name.toStdString());
        FakeShell shell;
        WordApplication word(shell);
        NoProgress sink;
        ProgressReporter progress(sink);
        EventYield events;
        WordExport::run(word, Recognition::scannedText(u"Hello, a world on."_s), above, list, progress,
                        events);
        ASSERT_TRUE(writeDocx(*word.activeDocument(), folder.file(name + u".docx"_s)));
        ASSERT_TRUE(run(soffice, {u"-env:UserInstallation=file://"_s + folder.file(u"profile"_s),
                                  u"--headless"_s, u"--convert-to"_s, u"pdf"_s, u"--outdir"_s, folder.path(),
                                  folder.file(name + u".docx"_s)}));
        QByteArray xml;
        ASSERT_TRUE(run(pdftohtml,
                        {u"-xml"_s, u"-i"_s, u"-stdout"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s,
                         folder.file(name + u".pdf"_s)},
                        &xml));
        const std::vector<Placed> pieces = pageText(xml);
        for (const auto& [spelling, phon] : words) {
            SCOPED_TRACE(spelling.toStdString());
            const Placed* w = find(pieces, spelling);
            const Placed* p = find(pieces, u'[' + phon + u']');
            ASSERT_NE(w, nullptr) << xml.toStdString();
            ASSERT_NE(p, nullptr) << xml.toStdString();
            EXPECT_TRUE(p->family.endsWith(u"DejaVuSansMono"_s)) << p->family.toStdString();
            EXPECT_EQ(p->color, u"#0000ff"_s);
            EXPECT_TRUE(w->family.endsWith(u"LiberationSerif"_s)) << w->family.toStdString();
            if (above)
                EXPECT_LT(p->top, w->top);
            else
                EXPECT_GT(p->top, w->top);
            EXPECT_NEAR(p->centre, w->centre, 12) << "centred on its word";
        }
    }
}

} // namespace
