#include "tests/support/TempFolder.h"

#include "platform/core/ProgramFolder.h"

#include <QFile>

TempFolder::TempFolder() {
    ProgramFolder::setOverride(dir.path());
}

TempFolder::~TempFolder() {
    ProgramFolder::setOverride({});
}

void TempFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray TempFolder::read(const QString& name) const {
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString fixturePath(const QString& relative) {
    return qEnvironmentVariable("PHONEXA_SOURCE_DIR", QStringLiteral(PHONEXA_SOURCE_DIR)) +
           QStringLiteral("/tests/fixtures/") + relative;
}
