#include "annotation/HtmlPage.h"

#include "platform/core/Ansi.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/services/Shell.h"

namespace HtmlPage {

QString header(int n1, int n2) {
    return QStringLiteral("<html><head><meta http-equiv=Content-Type content=text/html; charset=gbk /><meta "
                          "http-equiv=content-language content=gbk /><style type=text/css><!--") +
           QStringLiteral("\r\n") +
           QStringLiteral(".pronounce1{font-family: Lucida Sans Unicode, Microsoft Sans "
                          "Serif;font-size: ") +
           QString::number(n1) + QStringLiteral("px;color: #0033FF;}") + QStringLiteral("\r\n") +
           QStringLiteral(".pronounce{font-family:Fonvella;font-size: ") + QString::number(n2) +
           QStringLiteral("px;color: #0033FF;}") + QStringLiteral("\r\n") +
           QStringLiteral("--></style><body bgcolor=#ffffff>");
}

QString escape(QStringView text) {
    QString out = text.toString().toHtmlEscaped();
    out.replace(u'\'', QStringLiteral("&#39;"));
    return out;
}

QString path() {
    return ProgramFolder::file(QStringLiteral("tmpHTML.htm"));
}

bool writeAndOpen(const QString& header, const QString& body, const QString& tail, Shell& shell) {
    if (!TextFile::writeBytes(path(), Ansi::encode(header + body + tail + QStringLiteral("\r\n"))))
        return false;
    // The page is written; whether a browser could show it is not reported.
    (void)shell.open(path());
    return true;
}

} // namespace HtmlPage
