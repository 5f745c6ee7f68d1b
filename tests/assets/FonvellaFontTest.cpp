#include "platform/core/ProgramFolder.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int kPixelSize = 64;

QFont exactFont(const QString& family) {
    QFont font(family);
    font.setPixelSize(kPixelSize);
    // No fallback to another font: a glyph missing from this one must show as missing.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QImage render(const QFont& font, const QString& text) {
    QImage image(3 * kPixelSize, 2 * kPixelSize, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(kPixelSize / 2.0, 1.4 * kPixelSize), text);
    return image;
}

int inkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 48;
    return count;
}

class FonvellaFont : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        fontId = QFontDatabase::addApplicationFont(ProgramFolder::file(QStringLiteral("Fonvella.ttf")));
    }

    void SetUp() override {
        ASSERT_GE(fontId, 0) << "Fonvella.ttf missing from the program folder or unreadable";
        ASSERT_EQ(QFontInfo(dejaVu).family(), QStringLiteral("DejaVu Sans"))
            << "DejaVu Sans is not installed";
    }

    // Expects `code` in Fonvella to draw the same picture as `reference` in DejaVu Sans.
    void expectSameDrawing(const QString& code, const QString& reference) const {
        const QImage drawn = render(fonvella, code);
        const QImage expected = render(dejaVu, reference);
        const int ink = inkPixels(expected);
        ASSERT_GT(ink, 0) << "DejaVu Sans draws nothing for " << reference.toStdString();
        EXPECT_LE(differingPixels(drawn, expected), ink / 50)
            << "code \"" << code.toStdString() << "\" does not draw " << reference.toStdString();
    }

    static inline int fontId = -1;
    QFont fonvella = exactFont(QStringLiteral("Fonvella"));
    QFont dejaVu = exactFont(QStringLiteral("DejaVu Sans"));
};

TEST_F(FonvellaFont, RegistersUnderItsFamilyName) {
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(fontId), QStringList{QStringLiteral("Fonvella")});
    EXPECT_EQ(QFontInfo(fonvella).family(), QStringLiteral("Fonvella"));
}

TEST_F(FonvellaFont, CodeCharactersDrawTheirIpaSymbols) {
    const struct {
        char16_t code;
        char16_t ipa;
    } table[] = {
        {u'5', u'ˈ'}, {u'7', u'ˌ'}, {u'2', u'ɒ'}, {u'3', u'ɜ'}, {u'A', u'æ'}, {u'T', u'ð'},
        {u'N', u'ŋ'}, {u'B', u'ɑ'}, {u'C', u'ɔ'}, {u'E', u'ə'}, {u'Z', u'ɛ'}, {u'I', u'ɪ'},
        {u'F', u'ʃ'}, {u'J', u'ʊ'}, {u'Q', u'ʌ'}, {u'V', u'ʒ'}, {u'W', u'θ'}, {u':', u'ː'},
        {u'g', u'ɡ'}, {u'R', u'ɔ'}, {u'U', u'ʊ'}, {u'G', u'ɚ'}, {u'8', u'ɝ'}, {u'M', u'ʍ'},
        {u'H', u'ʰ'}, {u'K', u'ʔ'}, {u'L', u'ɫ'}, {u'O', u'ʧ'}, {u'P', u'ʤ'}, {u'X', u'ɾ'},
    };
    for (const auto& row : table)
        expectSameDrawing(QString(QChar(row.code)), QString(QChar(row.ipa)));
}

TEST_F(FonvellaFont, WholeTranscriptionDrawsAsIpa) {
    expectSameDrawing(QStringLiteral("5dVAm"), QStringLiteral("ˈdʒæm"));
    expectSameDrawing(QStringLiteral("gEJ"), QStringLiteral("ɡəʊ"));
}

TEST_F(FonvellaFont, OtherCharactersKeepDejaVuGlyphs) {
    for (const QString& text :
         {QStringLiteral("D"), QStringLiteral("S"), QStringLiteral("Y"), QStringLiteral("a"),
          QStringLiteral("r"), QStringLiteral("0"), QStringLiteral("9"), QStringLiteral("[]"),
          QStringLiteral("/"), QStringLiteral("ə"), QStringLiteral("É")})
        expectSameDrawing(text, text);
}

TEST_F(FonvellaFont, HasNoLigaturesOrKerning) {
    const QFontMetricsF metrics(fonvella);
    for (const QString& text : {QStringLiteral("fi"), QStringLiteral("ffl"), QStringLiteral("st")}) {
        QTextLayout layout(text, fonvella);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        qsizetype glyphs = 0;
        for (const QGlyphRun& run : layout.glyphRuns())
            glyphs += run.glyphIndexes().size();
        EXPECT_EQ(glyphs, text.size()) << text.toStdString() << " drew a ligature";
    }
    for (const QString& pair : {QStringLiteral("ke"), QStringLiteral("rm"), QStringLiteral("y.")}) {
        const qreal apart = metrics.horizontalAdvance(pair.left(1)) + metrics.horizontalAdvance(pair.mid(1));
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(pair), apart) << pair.toStdString() << " is kerned";
    }
}

} // namespace
