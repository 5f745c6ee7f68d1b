#pragma once

#include <QByteArray>
#include <QString>

// The text of a file named to the voice, decoded as every text file of the programs is.
namespace TextCodec {

QString decode(const QByteArray& bytes);
// False for bytes with NUL characters that no UTF-16 byte-order mark explains.
bool looksLikeText(const QByteArray& bytes);

} // namespace TextCodec
