// Reads arbitrary bytes as RTF; what was read must survive a write and a second read unchanged.
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"

#include <cstdlib>

namespace {

const QString kBase = QStringLiteral("Arial");

// Runs in the base font, merged again where naming it makes two runs the same.
FormattedText withBaseFont(const FormattedText& runs) {
    FormattedText out;
    for (TextRun run : runs) {
        if (run.format.fontName.isEmpty())
            run.format.fontName = kBase;
        appendRun(out, run.text, run.format);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<FormattedText> first = RtfReader::read(bytes);
    if (!first)
        return 0;
    const std::optional<FormattedText> second = RtfReader::read(RtfWriter::write(*first, kBase, 12));
    if (!second || withBaseFont(*second) != withBaseFont(*first))
        std::abort();
    return 0;
}
