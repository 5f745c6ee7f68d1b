#include "platform/core/ProgramFolder.h"

#include <QDialog>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

TEST(ProgramFolderPictures, LoadWithTheirSizes) {
    const struct {
        const char* name;
        const char* format;
        QSize size;
    } pictures[] = {
        {"chayi.gif", "gif", {680, 550}},     {"houzhui.gif", "gif", {615, 610}},
        {"backgrass.gif", "gif", {800, 540}}, {"backpink.gif", "gif", {800, 540}},
        {"backblue.gif", "gif", {800, 540}},  {"backyin.gif", "gif", {800, 540}},
        {"phonexa.png", "png", {256, 256}},
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

} // namespace
