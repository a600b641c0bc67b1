#pragma once

#include "platform/FileDialog.h"

#include <QStringList>

class QWidget;

namespace korvanel {

// The name filters of a Qt file dialog for a filter given as "Desc A (*.bin)|*.bin|...".
QStringList qtNameFilters(const std::string& filter);

// Qt's own dialogs rather than the desktop's, so they behave the same on every system.
class QtFileDialog final : public FileDialog {
  public:
    QtFileDialog() = default;

    void setParentWindow(QWidget* parent) { parent_ = parent; }

    std::optional<FileChoice> showOpen(const FileDialogOptions& options) override;
    std::optional<FileChoice> showSave(const FileDialogOptions& options) override;

  private:
    QWidget* parent_ = nullptr;
};

} // namespace korvanel
