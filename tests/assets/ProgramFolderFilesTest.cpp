#include "platform/core/ProgramFolder.h"

#include <QDialog>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

TEST(ProgramFolderPictures, LoadWithTheirSizes) {
    const struct {
        const char* name;
        const char* format;
        QSize size;
    } pictures[] = {
        {"chayi.gif", "gif", {680, 550}},      {"houzhui.gif", "gif", {615, 610}},
        {"backgrass.gif", "gif", {800, 540}},  {"backpink.gif", "gif", {800, 540}},
        {"backblue.gif", "gif", {800, 540}},   {"backyin.gif", "gif", {800, 540}},
        {"phonexa.png", "png", {256, 256}},    {"annotate-word.png", "png", {32, 32}},
        {"annotate-all.png", "png", {32, 32}},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name);
        QImageReader reader(ProgramFolder::file(QString::fromLatin1(picture.name)));
        EXPECT_EQ(reader.format(), QByteArray(picture.format));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), picture.size);
    }
}

QStringList styleSheetWarnings;

void collectWarnings(QtMsgType, const QMessageLogContext&, const QString& message) {
    styleSheetWarnings << message;
}

TEST(GreenSkin, ParsesAndPaintsButtonsGreen) {
    QFile skin(ProgramFolder::file(QStringLiteral("green.skn")));
    ASSERT_TRUE(skin.open(QIODevice::ReadOnly));
    QDialog window;
    auto* button = new QPushButton(QStringLiteral("确定"), &window);
    (new QVBoxLayout(&window))->addWidget(button);

    styleSheetWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
    window.setStyleSheet(QString::fromUtf8(skin.readAll()));
    window.ensurePolished();
    const QImage face = button->grab().toImage();
    qInstallMessageHandler(previous);

    EXPECT_TRUE(styleSheetWarnings.filter(QStringLiteral("stylesheet"), Qt::CaseInsensitive).isEmpty())
        << styleSheetWarnings.join(u'\n').toStdString();
    const QColor edge = face.pixelColor(4, face.height() / 2);
    EXPECT_GT(edge.green(), edge.red() + 40);
    EXPECT_GT(edge.green(), edge.blue() + 40);
}

TEST(FontStandIns, ResolveTheWindowsFontNames) {
    const struct {
        const char* requested;
        const char* installed;
    } fonts[] = {
        {"宋体", "WenQuanYi Micro Hei"},         {"隶书", "WenQuanYi Micro Hei"},
        {"Times New Roman", "Liberation Serif"}, {"Arial", "Liberation Sans"},
        {"Courier", "Liberation Mono"},          {"Lucida Sans Unicode", "DejaVu Sans"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), ProgramFolder::file(QStringLiteral("fonts.conf")));
    for (const auto& font : fonts) {
        SCOPED_TRACE(font.requested);
        QProcess match;
        match.setProcessEnvironment(environment);
        match.start(QStringLiteral("fc-match"),
                    {QStringLiteral("--format=%{family[0]}"), QString::fromUtf8(font.requested)});
        ASSERT_TRUE(match.waitForFinished()) << "fc-match did not run";
        EXPECT_EQ(QString::fromUtf8(match.readAllStandardOutput()), QString::fromUtf8(font.installed));
    }
}

// The text of an RTF file written with \\uN escapes, control words and groups left out.
QString rtfText(const QByteArray& rtf) {
    QString text;
    static const QRegularExpression token(
        QStringLiteral(R"(\\u(-?\d+)\?|\\[a-z]+-?\d* ?|\\'[0-9a-f]{2}|[{}\r\n])"));
    qsizetype done = 0;
    const QString source = QString::fromLatin1(rtf);
    for (const QRegularExpressionMatch& match : token.globalMatch(source)) {
        text += source.mid(done, match.capturedStart() - done);
        if (match.hasCaptured(1))
            text += QChar(char16_t(match.captured(1).toInt()));
        done = match.capturedEnd();
    }
    return text + source.mid(done);
}

TEST(HelpDocument, IsAsciiRtfNamingEveryMenu) {
    QFile file(ProgramFolder::file(QStringLiteral("help.doc")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray rtf = file.readAll();
    ASSERT_TRUE(rtf.startsWith("{\\rtf1"));
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        ASSERT_LT(uchar(rtf[i]), 0x80) << "byte " << i << " is not ASCII";
        if (rtf[i] == '\\') {
            ++i;
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}') {
            ASSERT_GE(--depth, 0) << "unbalanced group at byte " << i;
        }
    }
    EXPECT_EQ(depth, 0);

    const QString text = rtfText(rtf);
    for (const char* menu : {"文件", "编辑", "视图", "音标标注", "工具", "英译汉", "统计", "格式", "帮助",
                             "附录", "全文批量标注", "第 13 版", "第 15 版", "K.K.", "F3"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(menu))) << menu;
}

} // namespace
