#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

class QSettings;

// Where the connection settings live between runs: the user's settings of "Quenlar Labs" /
// "QuenlarRemote41" (on Windows the registry, as 32-bit values), under the group
// "QuenlarRemote 41/Settings", so that the values earlier versions wrote are read again.
class SettingsStore {
public:
    // The user's own settings.
    SettingsStore();
    // Settings kept in an INI file of their own (a throw-away location for tests).
    explicit SettingsStore(const QString& iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // fallback when the value is missing or not a number.
    std::uint32_t number(const QString& name, std::uint32_t fallback) const;
    // The stored number, none when the value is missing or not a number.
    std::optional<std::int64_t> storedNumber(const QString& name) const;
    bool holds(const QString& name) const;
    // False when the store could not be read (a damaged file, a folder in its place): every
    // value then reads as missing.
    bool readable() const;
    void setNumber(const QString& name, std::uint32_t value);
    QString text(const QString& name, const QString& fallback) const;
    void setText(const QString& name, const QString& value);

private:
    static QString key(const QString& name);

    std::unique_ptr<QSettings> settings_;
};
