#include "app/SettingsStore.h"

#include <QSettings>
#include <algorithm>

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>("Quenlar Labs", "QuenlarRemote41")) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

// A slash would nest groups, and the name is shown in the title bar.
QString SettingsStore::profileProblem(const QString& name) {
    const bool fits = !name.trimmed().isEmpty() && name.size() <= maximumProfileLength;
    const bool plain = std::none_of(name.begin(), name.end(),
                                    [](QChar c) { return c == '/' || c == '\\' || !c.isPrint(); });
    if (fits && plain)
        return {};
    return QStringLiteral("a profile name is 1 to %1 characters, not all spaces, without / or \\ "
                          "or control characters")
        .arg(maximumProfileLength);
}

QString SettingsStore::key(const QString& name) const {
    if (profile_.isEmpty())
        return "QuenlarRemote 41/Settings/" + name;
    return "QuenlarRemote 41/Profiles/" + profile_ + "/Settings/" + name;
}

std::uint32_t SettingsStore::number(const QString& name, std::uint32_t fallback) const {
    // Earlier versions may have stored a negative 32-bit number (0xFFFF8280 for an address).
    const auto stored = storedNumber(name);
    return stored ? static_cast<std::uint32_t>(*stored) : fallback;
}

std::optional<std::int64_t> SettingsStore::storedNumber(const QString& name) const {
    bool ok = false;
    const qlonglong stored = settings_->value(key(name)).toLongLong(&ok);
    return ok ? std::optional<std::int64_t>(stored) : std::nullopt;
}

bool SettingsStore::holds(const QString& name) const {
    return settings_->contains(key(name));
}

bool SettingsStore::readable() const {
    return settings_->status() == QSettings::NoError;
}

void SettingsStore::setNumber(const QString& name, std::uint32_t value) {
    // An int, so that the registry holds a DWORD as before.
    settings_->setValue(key(name), static_cast<int>(value));
}

QString SettingsStore::text(const QString& name, const QString& fallback) const {
    return settings_->value(key(name), fallback).toString();
}

void SettingsStore::setText(const QString& name, const QString& value) {
    settings_->setValue(key(name), value);
}

QStringList SettingsStore::texts(const QString& name) const {
    return settings_->value(key(name)).toStringList();
}

void SettingsStore::setTexts(const QString& name, const QStringList& values) {
    settings_->setValue(key(name), values);
}
