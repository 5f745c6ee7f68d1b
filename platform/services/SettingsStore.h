#pragma once

#include <QString>

// Per-user settings by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString get(const QString& app, const QString& section, const QString& key,
                        const QString& defaultValue = {}) const = 0;
    virtual void save(const QString& app, const QString& section, const QString& key,
                      const QString& value) = 0;
    virtual void remove(const QString& app, const QString& section, const QString& key) = 0;
};

// One INI file per application in the user's configuration folder.
class IniSettingsStore final : public SettingsStore {
public:
    QString get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue) const override;
    void save(const QString& app, const QString& section, const QString& key, const QString& value) override;
    void remove(const QString& app, const QString& section, const QString& key) override;
};
