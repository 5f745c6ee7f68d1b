#pragma once

#include "platform/services/Services.h"

#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Scriptable doubles of the services: answers are queued before the call, calls are recorded.

class FakeMessageBox final : public MessageBox {
public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
    };
    int show(const QString& prompt, int style, const QString& title) override;

    void queueAnswer(int result) { answers.push_back(result); }
    std::vector<Shown> shown;
    // With no queued answer the first button is chosen (OK, Yes).
    std::deque<int> answers;
};

class FakeCommonDialog final : public CommonDialog {
public:
    // An empty optional means the user cancels.
    struct FileAnswer {
        std::optional<QString> fileName;
        int filterIndex = 1;
    };
    bool showOpen(FileDialogRequest& request) override;
    bool showSave(FileDialogRequest& request) override;
    bool showFont(const QString& title, FontChoice& font) override;
    bool showColor(const QString& title, int& color) override;

    std::deque<FileAnswer> openAnswers;
    std::deque<FileAnswer> saveAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::deque<std::optional<int>> colorAnswers;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<FontChoice> fontRequests;
    std::vector<int> colorRequests;
};

class FakeShell final : public Shell {
public:
    bool open(const QString& target) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;

    QStringList opened;
    QStringList started;
    bool succeed = true;
};

class FakeSettingsStore final : public SettingsStore {
public:
    QString get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue) const override;
    void save(const QString& app, const QString& section, const QString& key, const QString& value) override;
    void remove(const QString& app, const QString& section, const QString& key) override;

    QMap<QString, QString> values; // "app/section/key" -> value
};

class FakeProgramExit final : public ProgramExit {
public:
    void exit(int code) override { exits.push_back(code); }
    std::vector<int> exits;
};

class FakeClock final : public Clock {
public:
    QDateTime now() const override { return current; }
    QDateTime current = QDateTime(QDate(2026, 1, 1), QTime(12, 0));
};

struct FakeServices {
    FakeMessageBox messageBox;
    FakeCommonDialog dialogs;
    FakeShell shell;
    FakeSettingsStore settings;
    FakeProgramExit programExit;
    FakeClock clock;

    Services services() { return {messageBox, dialogs, shell, settings, programExit, clock}; }
};
