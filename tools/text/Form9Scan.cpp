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

QString joined(const QStringList& items, const QString& separator, EventYield& events) {
    QString out;
    for (qsizetype k = 0; k < items.size(); ++k) {
        if (k > 0)
            out += separator;
        out += items[k];
        events.yieldToEvents();
    }
    return out;
}
