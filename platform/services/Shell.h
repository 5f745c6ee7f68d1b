#pragma once

#include <QString>
#include <QStringList>

// Opening documents and web pages with the desktop's programs, and starting programs.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file path or URL with its default program; false when nothing could open it.
    [[nodiscard]] virtual bool open(const QString& target) = 0;
    // Starts a program detached; false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments = {}) = 0;
};

class DesktopShell final : public Shell {
public:
    bool open(const QString& target) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
};
