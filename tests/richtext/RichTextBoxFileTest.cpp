#include "platform/core/Ansi.h"
#include "platform/richtext/RichTextBox.h"

#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

struct Piece {
    QString text;
    QString font;
    double size;
    int color;
    bool bold, italic, underline, strike;
};

void type(RichTextBox& box, const Piece& p) {
    box.setSelStart(box.text().size());
    box.setSelFontName(p.font);
    box.setSelFontSize(p.size);
    box.setSelColor(p.color);
    box.setSelBold(p.bold);
    box.setSelItalic(p.italic);
    box.setSelUnderline(p.underline);
    box.setSelStrikeThru(p.strike);
    box.setSelText(p.text);
}

void expectPiece(RichTextBox& box, int start, const Piece& p) {
    SCOPED_TRACE(p.text.toStdString());
    box.setSelStart(start);
    box.setSelLength(int(QString(p.text).replace(u'\n', QStringLiteral("\r\n")).size()));
    EXPECT_EQ(box.selText(), QString(p.text).replace(u'\n', QStringLiteral("\r\n")));
    EXPECT_EQ(box.selFontName(), p.font);
    EXPECT_EQ(box.selFontSize(), p.size);
    EXPECT_EQ(box.selColor(), p.color);
    EXPECT_EQ(box.selBold(), p.bold);
    EXPECT_EQ(box.selItalic(), p.italic);
    EXPECT_EQ(box.selUnderline(), p.underline);
    EXPECT_EQ(box.selStrikeThru(), p.strike);
}

const Piece kPieces[] = {
    {QStringLiteral("中文 text"), QStringLiteral("宋体"), 12, 0, false, false, false, false},
    {QStringLiteral("bold\n"), QStringLiteral("Arial"), 10.5, 0x0000FF, true, false, false, false},
    {QStringLiteral("a\\b {x}"), QStringLiteral("黑体"), 20, 0xFF0000, false, true, false, false},
    {QStringLiteral("\nunder"), QStringLiteral("Times New Roman"), 9, 0x00FF00, false, false, true, false},
    {QStringLiteral("gone\n\n"), QStringLiteral("Fonvella"), 15, 0x123456, false, false, false, true},
};

TEST(RichTextBoxFiles, RtfRoundTripKeepsTextAndRuns) {
    TempFolder folder;
    RichTextBox box;
    for (const Piece& p : kPieces)
        type(box, p);
    const QString text = box.text();
    EXPECT_EQ(text, QStringLiteral("中文 textbold\r\na\\b {x}\r\nundergone\r\n\r\n"));
    ASSERT_TRUE(box.saveFile(folder.file(QStringLiteral("doc.rtf"))));

    RichTextBox loaded;
    ASSERT_TRUE(loaded.loadFile(folder.file(QStringLiteral("doc.rtf"))));
    EXPECT_EQ(loaded.text(), text);
    int start = 0;
    for (const Piece& p : kPieces) {
        expectPiece(loaded, start, p);
        start += int(QString(p.text).replace(u'\n', QStringLiteral("\r\n")).size());
    }
    EXPECT_EQ(loaded.textRtf(), box.textRtf());
}

TEST(RichTextBoxFiles, TextRtfSetsTheDocument) {
    RichTextBox box;
    ASSERT_TRUE(
        box.setTextRtf(QStringLiteral("{\\rtf1{\\fonttbl{\\f0\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\\f0\\b "
                                      "\\'d6\\'d0\\par x}")));
    EXPECT_EQ(box.text(), QStringLiteral("中\r\nx"));
    box.setSelStart(0);
    box.setSelLength(1);
    EXPECT_EQ(box.selFontName(), QStringLiteral("宋体"));
    EXPECT_EQ(box.selBold(), true);
    EXPECT_FALSE(box.setTextRtf(QStringLiteral("not rtf")));
    EXPECT_EQ(box.text(), QStringLiteral("中\r\nx"));
}

TEST(RichTextBoxFiles, PlainTextLoadsUtf8OrAnsiAndSavesAnsiWithCrLf) {
    TempFolder folder;
    folder.write(QStringLiteral("utf8.txt"), QStringLiteral("中文\nline").toUtf8());
    folder.write(QStringLiteral("bom.txt"), "\xEF\xBB\xBF" + QStringLiteral("中文").toUtf8());
    folder.write(QStringLiteral("gbk.txt"), Ansi::encode(QStringLiteral("中文\r\nline")));
    RichTextBox box;
    struct Case {
        const char* file;
        QString text;
    };
    for (const Case& c :
         {Case{"utf8.txt", QStringLiteral("中文\r\nline")}, Case{"bom.txt", QStringLiteral("中文")},
          Case{"gbk.txt", QStringLiteral("中文\r\nline")}}) {
        for (const auto format : {RichTextBox::FileFormat::Text, RichTextBox::FileFormat::Rtf}) {
            ASSERT_TRUE(box.loadFile(folder.file(QString::fromLatin1(c.file)), format));
            EXPECT_EQ(box.text(), c.text) << c.file;
        }
    }
    ASSERT_TRUE(box.saveFile(folder.file(QStringLiteral("out.txt")), RichTextBox::FileFormat::Text));
    EXPECT_EQ(folder.read(QStringLiteral("out.txt")), Ansi::encode(QStringLiteral("中文\r\nline")));
}

TEST(RichTextBoxFiles, FailedLoadLeavesTheDocumentAndFailedSaveTheTarget) {
    TempFolder folder;
    RichTextBox box;
    box.setText(QStringLiteral("keep"));
    EXPECT_FALSE(box.loadFile(folder.file(QStringLiteral("missing.rtf"))));
    EXPECT_FALSE(box.loadFile(folder.path()));
    EXPECT_EQ(box.text(), QStringLiteral("keep"));

    EXPECT_FALSE(box.saveFile(folder.file(QStringLiteral("no/such/folder/doc.rtf"))));
    folder.write(QStringLiteral("old.rtf"), "old");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool saved = box.saveFile(folder.file(QStringLiteral("old.rtf")));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!saved) {
        EXPECT_EQ(folder.read(QStringLiteral("old.rtf")), QByteArray("old"));
    }
}

TEST(RichTextBoxEditing, FormatSetWithNothingSelectedIsTheNextInsertion) {
    RichTextBox box;
    box.setText(QStringLiteral("ab\r\ncd"));
    box.setSelStart(2);
    box.setSelFontName(QStringLiteral("Fonvella"));
    box.setSelColor(0x0000FF);
    box.setSelFontSize(15);
    box.setSelText(QStringLiteral("[x]"));
    EXPECT_EQ(box.text(), QStringLiteral("ab[x]\r\ncd"));
    box.setSelStart(2);
    box.setSelLength(3);
    EXPECT_EQ(box.selFontName(), QStringLiteral("Fonvella"));
    EXPECT_EQ(box.selColor(), 0x0000FF);
    EXPECT_EQ(box.selFontSize(), 15);
    box.setSelStart(0);
    box.setSelLength(2);
    EXPECT_NE(box.selFontName(), QStringLiteral("Fonvella"));
    EXPECT_EQ(box.selColor(), 0);
}

TEST(RichTextBoxEditing, TypingAfterAFormatChangeUsesIt) {
    RichTextBox box;
    box.show();
    box.setText(QStringLiteral("ab"));
    box.setSelStart(2);
    box.setSelFontName(QStringLiteral("Fonvella"));
    box.setSelBold(true);
    EXPECT_EQ(box.selFontName(), QStringLiteral("Fonvella"));
    EXPECT_EQ(box.selBold(), true);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"));
    QCoreApplication::sendEvent(box.editor(), &key);
    EXPECT_EQ(box.text(), QStringLiteral("abz"));
    box.setSelStart(2);
    box.setSelLength(1);
    EXPECT_EQ(box.selFontName(), QStringLiteral("Fonvella"));
    EXPECT_EQ(box.selBold(), true);
    box.setSelStart(0);
    box.setSelLength(3);
    EXPECT_EQ(box.selBold(), std::nullopt);
}

TEST(RichTextBoxEditing, OffsetsAcrossLineBreaksAtAndPastTheEnd) {
    RichTextBox box;
    box.setText(QStringLiteral("one\r\n\r\ntwo\r\n"));
    const QString text = box.text();
    ASSERT_EQ(text, QStringLiteral("one\r\n\r\ntwo\r\n"));
    for (int start = 0; start <= text.size(); ++start) {
        for (int length = 0; start + length <= text.size(); ++length) {
            box.setSelStart(start);
            box.setSelLength(length);
            const bool insideBreak = [&](int pos) {
                return pos > 0 && pos < text.size() && text[pos - 1] == u'\r' && text[pos] == u'\n';
            }(start) || [&](int pos) {
                return pos > 0 && pos < text.size() && text[pos - 1] == u'\r' && text[pos] == u'\n';
            }(start + length);
            if (insideBreak)
                continue;
            ASSERT_EQ(box.selStart(), start);
            ASSERT_EQ(box.selLength(), length);
            ASSERT_EQ(box.selText(), text.mid(start, length)) << start << " " << length;
        }
    }
    box.setSelStart(1000);
    EXPECT_EQ(box.selStart(), text.size());
    box.setSelLength(5);
    EXPECT_EQ(box.selLength(), 0);
    box.setSelText(QStringLiteral("end"));
    EXPECT_EQ(box.text(), text + QStringLiteral("end"));
}

TEST(RichTextBoxEditing, BackwardInsertionsInOneEditBlockLandWhereCounted) {
    RichTextBox box;
    QString expected;
    for (int i = 0; i < 200; ++i)
        expected +=
            QStringLiteral("word%1%2").arg(i).arg(i % 7 == 0 ? QStringLiteral("\r\n") : QStringLiteral(" "));
    box.setText(expected);
    box.beginEditBlock();
    for (qsizetype pos = expected.size(); pos > 0; pos -= 9) {
        if (expected[pos - 1] == u'\r')
            continue;
        box.setSelStart(int(pos));
        box.setSelText(QStringLiteral("|"));
        expected.insert(pos, u'|');
    }
    box.endEditBlock();
    EXPECT_EQ(box.text(), expected);
}

TEST(RichTextBoxEditing, ViewFollowsTheSelectionAndUserMovesComeBack) {
    RichTextBox box;
    box.setText(QStringLiteral("hello\r\nworld"));
    box.setSelStart(7);
    box.setSelLength(5);
    EXPECT_EQ(box.editor()->textCursor().selectedText(), QStringLiteral("world"));
    QTextCursor user = box.editor()->textCursor();
    user.setPosition(1);
    box.editor()->setTextCursor(user);
    EXPECT_EQ(box.selStart(), 1);
    EXPECT_EQ(box.selLength(), 0);
}

TEST(RichTextBoxEditing, ShiftEnterAndPasteMakeParagraphBreaks) {
    RichTextBox box;
    box.show();
    box.setText(QStringLiteral("ab"));
    box.setSelStart(1);
    QKeyEvent shiftEnter(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(box.editor(), &shiftEnter);
    EXPECT_EQ(box.text(), QStringLiteral("a\r\nb"));

    struct Case {
        const char* name;
        QString format;
        QByteArray data;
        QString text;
    };
    const Case cases[] = {
        {"plain with line separator", QStringLiteral("text/plain"), QStringLiteral("x\u2028y").toUtf8(),
         QStringLiteral("x\r\ny")},
        {"html with br and table", QStringLiteral("text/html"),
         "<p><b>x</b><br>y</p><table><tr><td>c1</td><td>c2</td></tr></table>",
         QStringLiteral("x\r\ny\r\nc1\r\nc2\r\n")},
        {"rtf", QStringLiteral("text/rtf"), "{\\rtf1 x\\line y\\par z}", QStringLiteral("x\r\ny\r\nz")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        box.setText(QString());
        auto* mime = new QMimeData;
        mime->setData(c.format, c.data);
        QApplication::clipboard()->setMimeData(mime);
        box.editor()->paste();
        EXPECT_EQ(box.text(), c.text);
        EXPECT_FALSE(box.document()->toRawText().contains(QChar::LineSeparator));
        box.setSelStart(box.text().size());
        EXPECT_EQ(box.selStart(), box.text().size());
    }
}

} // namespace

TEST(RichTextBoxEditing, InsertEachMatchesInsertingOneByOneFromTheEnd) {
    RichTextBox oneByOne;
    RichTextBox together;
    for (const Piece& p : kPieces) {
        type(oneByOne, p);
        type(together, p);
    }
    const int length = int(oneByOne.text().size());
    QList<int> positions;
    QStringList texts;
    for (int pos = 0; pos <= length; ++pos) {
        positions.append(pos);
        texts.append(QStringLiteral("[%1]").arg(pos));
    }
    positions.insert(3, positions[3]);
    texts.insert(3, QStringLiteral("(twice)"));

    oneByOne.beginEditBlock();
    for (qsizetype k = positions.size() - 1; k >= 0; --k) {
        oneByOne.setSelStart(positions[k]);
        oneByOne.setSelFontName(QStringLiteral("Fonvella"));
        oneByOne.setSelColor(0x0000FF);
        oneByOne.setSelFontSize(11);
        oneByOne.setSelText(texts[k]);
    }
    oneByOne.endEditBlock();

    together.beginEditBlock();
    together.insertEach(positions, QList<QStringView>(texts.cbegin(), texts.cend()),
                        QStringLiteral("Fonvella"), 11, 0x0000FF, [](qsizetype) { return true; });
    together.endEditBlock();

    EXPECT_EQ(together.text(), oneByOne.text());
    EXPECT_EQ(together.textRtf(), oneByOne.textRtf());
    EXPECT_EQ(together.selStart(), oneByOne.selStart());
}

TEST(RichTextBoxEditing, InsertEachStopsWhenToldAndKeepsWhatItInserted) {
    RichTextBox box;
    box.setText(QStringLiteral("a b c d"));
    QList<qsizetype> asked;
    box.insertEach({1, 3, 5, 7}, {u"1", u"2", u"3", u"4"}, QStringLiteral("Arial"), 10, 0, [&](qsizetype k) {
        asked.append(k);
        return k >= 2;
    });
    EXPECT_EQ(box.text(), QStringLiteral("a b c3 d4"));
    EXPECT_EQ(asked, (QList<qsizetype>{3, 2, 1}));
}
