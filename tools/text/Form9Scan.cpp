#include "tools/text/Form9Scan.h"

namespace ContinuingScan {

QString scannedText(const QString& documentText) {
    QString t = documentText + QStringLiteral("  ");
    t.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    t.replace(u'\r', u' ');
    t.replace(u'\n', u' ');
    return t;
}

} // namespace ContinuingScan
