#pragma once

#include <QByteArray>
#include <QString>

// The system ANSI code page of the program's text files: GB18030, a lossless superset of GBK.
namespace Ansi {

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

} // namespace Ansi
