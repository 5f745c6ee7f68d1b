#pragma once

#include "platform/services/Services.h"

#include <QString>
#include <QUrl>

#include <chrono>

// The online version check: compares the installed version in update.txt with the server's copy,
// downloaded to update1.txt, and starts update.exe when the server's is higher. Without update.txt
// it records this program's version there instead.
class VersionCheck {
public:
    static constexpr const char16_t* kProgramVersion = u"10.0.0";
    static QUrl defaultServerFile();

    VersionCheck(Services services, QUrl serverFile,
                 std::chrono::milliseconds timeout = std::chrono::seconds(15));

    void run();

    // The value of the last "version" line of a version file, empty when it has none.
    static QString versionOf(const QStringList& lines);

private:
    void notify(const QString& prompt);

    Services services;
    QUrl serverFile;
    std::chrono::milliseconds timeout;
};
