#include "platform/richtext/RtfCodePages.h"

#include <QStringDecoder>

namespace {

constexpr int kSymbolCodePage = -1;

QByteArray codecName(int codePage) {
    switch (codePage) {
    case 936:
        return "GB18030";
    case 65001:
        return "UTF-8";
    case 10000:
        return "macintosh";
    case 437:
    case 850:
        return "IBM" + QByteArray::number(codePage);
    case 1361:
        return "johab";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

} // namespace

RtfCodePages::RtfCodePages() = default;
RtfCodePages::~RtfCodePages() = default;

int RtfCodePages::forCharset(int charset) {
    switch (charset) {
    case 2:
        return kSymbolCodePage;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

QStringDecoder& RtfCodePages::decoder(int codePage) {
    auto found = decoders.find(codePage);
    if (found != decoders.end())
        return *found->second;
    auto made =
        std::make_unique<QStringDecoder>(codecName(codePage).constData(), QStringDecoder::Flag::Stateless);
    if (!made->isValid())
        made = std::make_unique<QStringDecoder>("windows-1252", QStringDecoder::Flag::Stateless);
    return *decoders.emplace(codePage, std::move(made)).first->second;
}

QString RtfCodePages::decode(int codePage, const QByteArray& bytes) {
    // Symbol fonts draw their own glyph at each byte: keep the byte as the character code.
    if (codePage == kSymbolCodePage)
        return QString::fromLatin1(bytes);
    return decoder(codePage).decode(bytes);
}
