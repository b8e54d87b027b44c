#include "app/SettingsStore.h"

#include <QSettings>

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>("Quenlar Labs", "QuenlarRemote41")) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::key(const QString& name) {
    return "QuenlarRemote 41/Settings/" + name;
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
