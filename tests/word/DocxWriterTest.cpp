#include "platform/word/DocxWriter.h"
#include "platform/word/WordSelection.h"
#include "tests/support/TempFolder.h"

#include <zip.h>

#include <QRandomGenerator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray readPart(const QString& path, const char* name) {
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive)
        return {};
    QByteArray data;
    zip_stat_t st;
    if (zip_stat(archive, name, 0, &st) == 0) {
        zip_file_t* file = zip_fopen(archive, name, 0);
        data.resize(qsizetype(st.size));
        if (!file || zip_fread(file, data.data(), st.size) != zip_int64_t(st.size))
            data.clear();
        if (file)
            zip_fclose(file);
    }
    zip_close(archive);
    return data;
}

// Elements in document order as "name" or "name=text" for text elements, attributes of fldChar.
QStringList outline(const QByteArray& xml, QString* error) {
    QXmlStreamReader reader(xml);
    QStringList out;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const QString name = reader.name().toString();
        if (name == u"t" || name == u"instrText")
            out << name + u'=' + reader.readElementText();
        else if (name == u"fldChar")
            out << reader.attributes().value(QStringLiteral("w:fldCharType")).toString();
        else if (name == u"p" || name == u"ruby" || name == u"rt" || name == u"rubyBase" || name == u"tab")
            out << name;
    }
    if (reader.hasError())
        *error = reader.errorString();
    return out;
}

TEST(DocxWriter, WritesFieldsWithTheirCodeAndAStackedResult) {
    WordDocument doc;
    WordSelection sel(doc);
    sel.typeText(u"a<b>&\r\n\tc"_s);
    sel.addEmptyField();
    sel.typeText(u"eq \\A([kat],cat)"_s);
    sel.moveLeft(9);
    sel.moveRight(3, true);
    sel.setFontColor(16711680);
    sel.setFontName(u"Fonvella"_s);
    sel.moveRight(10);
    sel.updateFields();
    sel.typeText(u"."_s);

    QString error;
    const QStringList got = outline(documentXml(doc), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    const QStringList expected = {u"p"_s,
                                  u"t=a<b>&"_s,
                                  u"p"_s,
                                  u"tab"_s,
                                  u"t=c"_s,
                                  u"begin"_s,
                                  u"instrText=eq \\A(["_s,
                                  u"instrText=kat"_s,
                                  u"instrText=],cat)"_s,
                                  u"separate"_s,
                                  u"ruby"_s,
                                  u"rt"_s,
                                  u"t=[kat]"_s,
                                  u"rubyBase"_s,
                                  u"t=cat"_s,
                                  u"end"_s,
                                  u"t=."_s};
    EXPECT_EQ(got, expected);
    const QByteArray xml = documentXml(doc);
    EXPECT_TRUE(xml.contains("<w:rFonts w:ascii=\"Fonvella\""));
    EXPECT_TRUE(xml.contains("<w:color w:val=\"0000FF\"/>")) << "a blue colour value is blue in the file";
}

// The same text as field code, ruby text, base text and document text, in one format and in none.
TEST(DocxWriter, RecurringTextKeepsItsElementAndFormat) {
    WordDocument doc;
    WordSelection sel(doc);
    sel.typeText(u"cat\r\n"_s);
    sel.addEmptyField();
    sel.typeText(u"eq \\A(cat,cat)"_s);
    sel.moveLeft(8);
    sel.moveRight(3, true);
    sel.setFontName(u"Fonvella"_s);
    sel.setFontColor(16711680);
    sel.moveRight(7);
    sel.updateFields();
    sel.typeText(u"cat"_s);
    sel.moveLeft(3, true);
    sel.setFontName(u"Fonvella"_s);
    sel.setFontColor(16711680);

    const QByteArray xml = documentXml(doc);
    QString error;
    EXPECT_EQ(outline(xml, &error),
              (QStringList{u"p"_s, u"t=cat"_s, u"p"_s, u"begin"_s, u"instrText=eq \\A("_s, u"instrText=cat"_s,
                           u"instrText=,cat)"_s, u"separate"_s, u"ruby"_s, u"rt"_s, u"t=cat"_s, u"rubyBase"_s,
                           u"t=cat"_s, u"end"_s, u"t=cat"_s}));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    const QByteArray style = "<w:r><w:rPr><w:rStyle w:val=\"F2\"/></w:rPr>";
    EXPECT_TRUE(xml.contains(style + "<w:instrText>cat</w:instrText></w:r>"));
    EXPECT_TRUE(xml.contains("<w:rt><w:r><w:rPr><w:rFonts w:ascii=\"Fonvella\""));
    EXPECT_TRUE(xml.contains("<w:rubyBase><w:r><w:t>cat</w:t></w:r></w:rubyBase>"));
    EXPECT_TRUE(xml.contains("fldCharType=\"end\"/></w:r>" + style + "<w:t>cat</w:t></w:r>"));
}

TEST(DocxWriter, CharactersXmlCannotHoldAreLeftOut) {
    WordDocument doc;
    WordSelection sel(doc);
    const QChar bad[] = {QChar(0x01),   QChar(0xD800), QChar(u'x'),
                         QChar(0xFFFF), QChar(0xD83D), QChar(0xDE00)};
    sel.typeText(QString(bad, 6));
    QString error;
    const QStringList got = outline(documentXml(doc), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(got, (QStringList{u"p"_s, u"t=x"_s + QString::fromUcs4(U"\U0001F600", 1)}));
}

TEST(DocxWriter, PackageHoldsContentTypesRelationshipsStylesAndTheDocument) {
    TempFolder folder;
    WordDocument doc;
    WordSelection sel(doc);
    sel.typeText(u"如果 hello"_s);
    sel.moveLeft(5, true);
    sel.setFontName(u"Times New Roman"_s);
    const QString path = folder.file(u"out.docx"_s);
    ASSERT_TRUE(writeDocx(doc, path));
    const QByteArray types = readPart(path, "[Content_Types].xml");
    EXPECT_TRUE(types.contains("wordprocessingml.document.main+xml"));
    EXPECT_TRUE(types.contains("wordprocessingml.styles+xml"));
    EXPECT_TRUE(readPart(path, "_rels/.rels").contains("Target=\"word/document.xml\""));
    EXPECT_TRUE(readPart(path, "word/_rels/document.xml.rels").contains("Target=\"styles.xml\""));
    const QByteArray document = readPart(path, "word/document.xml");
    EXPECT_TRUE(document.contains("<w:t xml:space=\"preserve\">如果 </w:t>"));
    EXPECT_TRUE(document.contains("<w:rStyle w:val=\"F1\"/></w:rPr><w:t>hello"));
    EXPECT_TRUE(
        readPart(path, "word/styles.xml")
            .contains("w:styleId=\"F1\"><w:name w:val=\"F1\"/><w:rPr><w:rFonts w:ascii=\"Times New Roman\""));
}

// Many fields in changing formats, and letters that deflate packs poorly.
WordDocument largeDocument(int fields) {
    WordDocument doc;
    WordSelection sel(doc);
    QRandomGenerator random(7);
    for (int i = 0; i < fields; ++i) {
        QString word;
        for (int k = 0; k < 8; ++k)
            word += QChar(u'a' + random.bounded(26));
        sel.addEmptyField();
        sel.typeText(u"eq \\A(["_s + word + u"],"_s + word + u')');
        sel.moveLeft(int(word.size()) * 2 + 3);
        sel.moveRight(int(word.size()), true);
        sel.setFontColor(i % 3 == 0 ? 16711680 : 255);
        sel.setFontSize(10 + i % 7);
        sel.moveRight(int(word.size()) + 5);
        sel.updateFields();
        sel.typeText(i % 10 == 9 ? u"\r\n"_s : u" "_s);
    }
    return doc;
}

TEST(DocxWriter, StreamedDocumentIsTheWholeMarkup) {
    TempFolder folder;
    const WordDocument doc = largeDocument(20'000);
    const QString path = folder.file(u"large.docx"_s);
    QString error;
    ASSERT_TRUE(writeDocx(doc, path, &error)) << error.toStdString();
    const QByteArray stored = readPart(path, "word/document.xml");
    EXPECT_GT(stored.size(), 1'000'000);
    EXPECT_EQ(stored, documentXml(doc));
    EXPECT_EQ(outline(stored, &error).count(u"ruby"_s), 20'000);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}

TEST(DocxWriter, UnwritablePathIsReported) {
    TempFolder folder;
    QString error;
    EXPECT_FALSE(writeDocx(WordDocument(), folder.file(u"missing/out.docx"_s), &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
