#pragma once

#include <string>

namespace korvanel {

// Per-user text values addressed by application, section and key.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual std::string get(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& fallback) const = 0;
    virtual bool save(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& text) = 0;
};

} // namespace korvanel
