#pragma once

#include "platform/ProgramExit.h"

namespace korvanel {

class QtSettingsStore;

class QtProgramExit final : public ProgramExit {
  public:
    explicit QtProgramExit(QtSettingsStore& settings) : settings_(settings) {}

  protected:
    [[noreturn]] void end() override;

  private:
    QtSettingsStore& settings_;
};

} // namespace korvanel
