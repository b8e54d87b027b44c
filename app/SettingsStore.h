#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

class QSettings;

// Where the connection settings live between runs: the user's settings of "Quenlar Labs" /
// "QuenlarRemote41" (on Windows the registry, as 32-bit values), under the group
// "QuenlarRemote 41/Settings", so that the values earlier versions wrote are read again. A
// facility with several units runs one program per unit, each with a profile of its own: its
// settings are under "QuenlarRemote 41/Profiles/NAME/Settings".
class SettingsStore {
public:
    static constexpr int maximumProfileLength = 64;

    // The user's own settings.
    SettingsStore();
    // Settings kept in an INI file of their own (a throw-away location for tests).
    explicit SettingsStore(const QString& iniFile);
    // Why name cannot be a profile; empty when it can.
    static QString profileProblem(const QString& name);

    // From now on the values are those of the profile name (an empty name: none).
    void useProfile(const QString& name) { profile_ = name; }
    // Empty without a profile.
    const QString& profile() const { return profile_; }
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
    // Empty when the value is missing.
    QStringList texts(const QString& name) const;
    void setTexts(const QString& name, const QStringList& values);

private:
    QString key(const QString& name) const;

    std::unique_ptr<QSettings> settings_;
    QString profile_;
};
