#pragma once

#include <QDialog>

namespace korvanel {

// The modal "Autor" box. A new one is built each time it is shown; it holds no state.
class AboutBox final : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool placed_ = false;
};

} // namespace korvanel
