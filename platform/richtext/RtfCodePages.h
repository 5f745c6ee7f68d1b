#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>

class QStringDecoder;

// Decoders for the Windows code pages RTF names through \ansicpg, \cpg and \fcharset.
class RtfCodePages {
public:
    RtfCodePages();
    ~RtfCodePages();

    // The code page of a font character set; 0 for the document's own code page.
    static int forCharset(int charset);

    // Bytes in a code page; an unknown code page reads as Windows-1252.
    QString decode(int codePage, const QByteArray& bytes);

private:
    QStringDecoder& decoder(int codePage);

    std::map<int, std::unique_ptr<QStringDecoder>> decoders;
};
