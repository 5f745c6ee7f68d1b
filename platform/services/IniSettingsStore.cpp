#include "platform/services/SettingsStore.h"

#include <QSettings>

namespace {
QString keyPath(const QString& section, const QString& key) {
    return section + u'/' + key;
}
} // namespace

QString IniSettingsStore::get(const QString& app, const QString& section, const QString& key,
                              const QString& defaultValue) const {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    return settings.value(keyPath(section, key), defaultValue).toString();
}

void IniSettingsStore::save(const QString& app, const QString& section, const QString& key,
                            const QString& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    settings.setValue(keyPath(section, key), value);
}

void IniSettingsStore::remove(const QString& app, const QString& section, const QString& key) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    settings.remove(keyPath(section, key));
}
