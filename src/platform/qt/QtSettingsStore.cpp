#include "platform/qt/QtSettingsStore.h"

namespace korvanel {

namespace {

QString settingsKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + u'/' + QString::fromStdString(key);
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, "Korvanel", "Korvanel") {}

QtSettingsStore::QtSettingsStore(const QString& iniPath)
    : settings_(iniPath, QSettings::IniFormat) {}

std::string QtSettingsStore::get([[maybe_unused]] const std::string& application,
                                 const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
    const QVariant value = settings_.value(settingsKey(section, key));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

bool QtSettingsStore::save([[maybe_unused]] const std::string& application,
                           const std::string& section, const std::string& key,
                           const std::string& text) {
    settings_.setValue(settingsKey(section, key), QString::fromStdString(text));
    // QSettings reports a failure only once it has tried to write the file.
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

void QtSettingsStore::sync() {
    settings_.sync();
}

} // namespace korvanel
