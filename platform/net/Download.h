#pragma once

#include <QString>
#include <QUrl>

#include <chrono>

// A small synchronous download: the caller waits until the body has arrived, failed or timed out.
namespace Download {

struct Result {
    bool ok = false;
    QString error; // why it failed, for the user; empty on success
};

inline constexpr qint64 kDefaultMaxBytes = 1024 * 1024;

// Fetches `url` into `path`. The file is replaced only when the whole body arrived with a success
// status, was not empty and not longer than `maxBytes` (a longer one is stopped as it arrives), so a
// failed download leaves an older copy as it was. User input is held back while waiting, so the
// window cannot start a second command meanwhile.
[[nodiscard]] Result toFile(const QUrl& url, const QString& path,
                            std::chrono::milliseconds timeout = std::chrono::seconds(15),
                            qint64 maxBytes = kDefaultMaxBytes);

} // namespace Download
