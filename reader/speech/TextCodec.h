#pragma once

#include <QByteArray>
#include <QString>

// Text files are UTF-8 when their bytes are valid UTF-8, else GB18030.
namespace TextCodec {

QString decode(const QByteArray& bytes);

} // namespace TextCodec
