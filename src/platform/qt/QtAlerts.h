#pragma once

#include "platform/Alerts.h"

#include <QString>

class QWidget;

namespace korvanel {

// A message as a Qt message box shows it: the messages separate their lines with a carriage
// return alone, which the box would not break on.
QString alertText(const std::string& text);

class QtAlerts final : public Alerts {
  public:
    QtAlerts() = default;

    void setParentWindow(QWidget* parent) { parent_ = parent; }

    void showMessage(const std::string& text) override;
    void beep() override;

  private:
    QWidget* parent_ = nullptr;
};

} // namespace korvanel
