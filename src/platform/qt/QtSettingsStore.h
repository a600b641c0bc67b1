#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>
#include <QString>

namespace korvanel {

// The store belongs to one application, fixed here; the application argument of get and save
// is therefore not used.
class QtSettingsStore final : public SettingsStore {
  public:
    // The user's own settings of Korvanel, where the platform keeps them.
    QtSettingsStore();
    // An ini file at the given path and nothing else.
    explicit QtSettingsStore(const QString& iniPath);
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& fallback) const override;
    bool save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& text) override;
    void sync();

  private:
    QSettings settings_;
};

} // namespace korvanel
