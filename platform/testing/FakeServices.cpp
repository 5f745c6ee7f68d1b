#include "platform/testing/FakeServices.h"

namespace {
QString storeKey(const QString& app, const QString& section, const QString& key) {
    return app + u'/' + section + u'/' + key;
}

template <typename T> bool takeFront(std::deque<T>& queue, T& out) {
    if (queue.empty())
        return false;
    out = std::move(queue.front());
    queue.pop_front();
    return true;
}
} // namespace

int FakeMessageBox::show(const QString& prompt, int style, const QString& title) {
    shown.push_back({prompt, style, title});
    int answer = 0;
    if (takeFront(answers, answer))
        return answer;
    return (style & 0x7) == MsgBox::YesNo ? MsgBox::Yes : MsgBox::Ok;
}

bool FakeCommonDialog::showOpen(FileDialogRequest& request) {
    openRequests.push_back(request);
    FileAnswer answer;
    if (!takeFront(openAnswers, answer) || !answer.fileName)
        return false;
    request.fileName = *answer.fileName;
    request.filterIndex = answer.filterIndex;
    return true;
}

bool FakeCommonDialog::showSave(FileDialogRequest& request) {
    saveRequests.push_back(request);
    FileAnswer answer;
    if (!takeFront(saveAnswers, answer) || !answer.fileName)
        return false;
    request.fileName = *answer.fileName;
    request.filterIndex = answer.filterIndex;
    return true;
}

bool FakeCommonDialog::showFont(const QString&, FontChoice& font) {
    fontRequests.push_back(font);
    std::optional<FontChoice> answer;
    if (!takeFront(fontAnswers, answer) || !answer)
        return false;
    font = *answer;
    return true;
}

bool FakeCommonDialog::showColor(const QString&, int& color) {
    colorRequests.push_back(color);
    std::optional<int> answer;
    if (!takeFront(colorAnswers, answer) || !answer)
        return false;
    color = *answer;
    return true;
}

bool FakeShell::open(const QString& target) {
    opened.append(target);
    return succeed;
}

bool FakeShell::startProgram(const QString& program, const QStringList& arguments) {
    started.append(arguments.isEmpty() ? program : program + QLatin1Char(' ') + arguments.join(u' '));
    return succeed;
}

QString FakeSettingsStore::get(const QString& app, const QString& section, const QString& key,
                               const QString& defaultValue) const {
    return values.value(storeKey(app, section, key), defaultValue);
}

void FakeSettingsStore::save(const QString& app, const QString& section, const QString& key,
                             const QString& value) {
    values.insert(storeKey(app, section, key), value);
}

void FakeSettingsStore::remove(const QString& app, const QString& section, const QString& key) {
    values.remove(storeKey(app, section, key));
}
