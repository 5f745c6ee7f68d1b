#include "lexicon/LineBreaks.h"
#include "lexicon/Module1.h"

#include "platform/core/Ansi.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/services/MessageBox.h"
#include "platform/services/MessageTitles.h"
#include "platform/services/ProgramExit.h"

#include <QFile>

namespace {

// Lines end at CR LF or CR; a lone LF stays inside its line, as the word list's meanings may hold
// one. A file without any CR was written with LF line ends and is split at LF.
QStringList splitLines(const QString& text) {
    const QChar end = text.contains(u'\r') ? QChar(u'\r') : QChar(u'\n');
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype stop = text.indexOf(end, start);
        if (stop < 0)
            stop = n;
        lines.append(text.sliced(start, stop - start));
        start = stop + 1;
        if (end == u'\r' && start < n && text[start] == u'\n')
            ++start;
    }
    return lines;
}

} // namespace

namespace Module1 {

std::int32_t foundWordIndex = 0;

bool LoadDictionary(WordList& list, MessageBox& messageBox, ProgramExit& exit) {
    // A word list read only in part would pass for a whole one; it is refused as a missing one is.
    const std::optional<QByteArray> bytes =
        TextFile::readBytes(ProgramFolder::file(QStringLiteral("dictionary.txt")));
    if (!bytes) {
        messageBox.show(QStringLiteral("软件的字典文件dictionary.txt没有找到！\r\n"
                                       "查找音标的高速算法无法生效！\r\n"
                                       "请重新安装。程序将退出！"),
                        MsgBox::Critical | MsgBox::OkOnly, MessageTitle::notice());
        exit.exit(0);
        return false;
    }
    list.add(splitLines(Ansi::decode(*bytes)));
    return true;
}

namespace {
// Words of a text are mostly lower case already; they are looked up without a copy.
template <typename Lookup> auto withLowered(const QString& word, Lookup lookup) {
    for (const QChar c : word) {
        if ((c >= u'A' && c <= u'Z') || c.unicode() > 0x7F)
            return lookup(QStringView(word.toLower()));
    }
    return lookup(QStringView(word));
}
} // namespace

QString LookupPhoneticFast(const WordList& list, const QString& word) {
    // An exact probe of the keys. A binary search probing one place past the last entry as an empty
    // key would miss entries there.
    qsizetype i = -1;
    QString result = withLowered(word, [&](QStringView key) { return list.firstPhonetic(key, i); });
    foundWordIndex = i < 0 ? 0 : static_cast<std::int32_t>(i);
    return result;
}

QString LookupMeaningFast(const WordList& list, const QString& word) {
    const qsizetype i = withLowered(word, [&](QStringView key) { return list.firstIndexOf(key); });
    return i < 0 ? QString() : withoutLineBreaks(list.meaning(i));
}

} // namespace Module1
