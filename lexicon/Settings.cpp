#include "lexicon/Module1.h"

#include "platform/core/ProgramFolder.h"
#include "platform/core/TextFile.h"
#include "platform/core/Vb.h"

#include <QLocale>

namespace {

QString settingsPath() {
    return ProgramFolder::file(QStringLiteral("canshushezhi.txt"));
}

QString boolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// A value that does not convert leaves the variable as it was.
void readBool(const QString& text, bool& variable) {
    if (const auto value = Vb::toBool(text))
        variable = *value;
}

void readInt16(const QString& text, int& variable) {
    bool ok = false;
    const double number = QLocale::c().toDouble(Vb::trim(text), &ok);
    if (!ok)
        return;
    if (const auto value = Vb::toInt16(number))
        variable = *value;
}

void applyLine(const QString& line) {
    using namespace Module1;
    // The eighth character, normally "=", is skipped unread.
    const QString key = line.first(std::min<qsizetype>(7, line.size()));
    const QString value = line.mid(8);
    if (key == u"canshu1")
        phoneticSystem = value;
    else if (key == u"canshu2")
        bracketMode = value;
    else if (key == u"canshu3")
        wordSeparator = value;
    else if (key == u"canshu4")
        outputPlacement = value;
    else if (key == u"canshu5")
        notationCheck = value;
    else if (key == u"canshu6")
        readBool(value, useLucidaFont);
    else if (key == u"canshu7")
        readBool(value, canshu7Flag);
    else if (key == u"canshu8")
        phoneticFontName = value;
    else if (key == u"canshu9")
        readInt16(value, phoneticFontSize);
}

void setIfEmpty(QString& variable, const QString& value) {
    if (variable.isEmpty())
        variable = value;
}

} // namespace

namespace Module1 {

bool stopAnnotateFlag = false;
bool stopInsertFlag = false;
QString phoneticSystem;
QString bracketMode;
QString wordSeparator;
QString outputPlacement;
QString notationCheck;
bool useLucidaFont = false;
bool canshu7Flag = false;
QString phoneticFontName;
int phoneticFontSize = 0;
QString leftBracket;
QString rightBracket;

void DeriveBrackets() {
    if (bracketMode == u"/") {
        leftBracket = QStringLiteral("/");
        rightBracket = QStringLiteral("/");
    } else if (bracketMode == u"[") {
        leftBracket = QStringLiteral("[");
        rightBracket = QStringLiteral("]");
    } else {
        leftBracket = QStringLiteral(" ");
        rightBracket = QStringLiteral(" ");
    }
}

void ReadSettings() {
    if (const auto lines = TextFile::readAnsiLines(settingsPath())) {
        for (const QString& line : *lines)
            applyLine(Vb::trim(line));
    }
    setIfEmpty(phoneticSystem, QStringLiteral("new"));
    DeriveBrackets();
    setIfEmpty(wordSeparator, QStringLiteral("kongge"));
    setIfEmpty(outputPlacement, QStringLiteral("up"));
    setIfEmpty(notationCheck, QStringLiteral("yes"));
    canshu7Flag = true;
    setIfEmpty(phoneticFontName, QStringLiteral("Lucida Sans Unicode"));
    // A size no font dialog offers (a hand-edited or damaged file) falls back to the default.
    if (phoneticFontSize < 2 || phoneticFontSize > 72)
        phoneticFontSize = 15;
}

bool WriteSettings() {
    return TextFile::writeAnsiLines(settingsPath(),
                                    {
                                        QStringLiteral("canshu1=") + phoneticSystem,
                                        QStringLiteral("canshu2=") + bracketMode,
                                        QStringLiteral("canshu3=") + wordSeparator,
                                        QStringLiteral("canshu4=") + outputPlacement,
                                        QStringLiteral("canshu5=") + notationCheck,
                                        QStringLiteral("canshu6=") + boolText(useLucidaFont),
                                        QStringLiteral("canshu7=") + boolText(canshu7Flag),
                                        QStringLiteral("canshu8=") + phoneticFontName,
                                        QStringLiteral("canshu9=") + QString::number(phoneticFontSize),
                                        QStringLiteral("[end]"),
                                    });
}

} // namespace Module1
