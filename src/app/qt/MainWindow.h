#pragma once

#include "app/FormCommands.h"
#include "app/View.h"

#include <QMainWindow>

#include <array>
#include <string_view>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeySequence;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QToolButton;

namespace korvanel {

// The program's one window. It shows what Form1 tells it through View and forwards every
// user event to FormCommands; it decides nothing itself.
class MainWindow final : public QMainWindow, public View {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);

    void setCommands(FormCommands& commands);

    void setCaption(const std::string& text) override;
    void setBufferSource(const std::string& text) override;
    void setStatus(const std::string& text) override;
    void setStatusStyle(StatusStyle style) override;
    void setPercentText(const std::string& text) override;
    void setProgress(int percent) override;
    void setButtonPressed(int index, bool pressed) override;
    void setSaveEnabled(bool enabled) override;
    void setPortChecked(int port, bool checked) override;
    void setListPosition(int family, int position) override;
    void showList(int family) override;
    void setSelectedName(const std::string& name) override;
    void showPackage(Package package) override;
    void setSuffixVisible(bool visible) override;
    void setSuffixChecked(bool checked) override;
    void setBusy(bool busy) override;
    void focusBufferSource() override;
    void showAbout() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    using Handler = void (FormCommands::*)();

    void buildMenus();
    QAction* addCommand(QMenu* menu, const char* name, std::string_view caption,
                        const QKeySequence& shortcut, Handler handler);
    void buildToolBar(QWidget* client);
    void buildSelection(QWidget* client);
    void buildBufferAndStatus(QWidget* client);
    void fitStatus();
    void fitPercent();
    void updateEnabled();

    FormCommands* commands_ = nullptr;
    bool busy_ = false;
    bool saveEnabled_ = false;
    bool placed_ = false;

    QAction* save_ = nullptr;
    // Every command that a busy window refuses, apart from the two save commands.
    std::vector<QAction*> busyActions_;
    std::array<QAction*, 5> ports_{};        // index 1 to 4
    std::array<QToolButton*, 21> buttons_{}; // index 1 to 20; none for separators
    QButtonGroup* families_ = nullptr;
    std::array<QComboBox*, 5> lists_{}; // index 1 to 4
    QGroupBox* suffixFrame_ = nullptr;
    QCheckBox* suffixBox_ = nullptr;
    QLabel* selectedName_ = nullptr;
    QWidget* dip8_ = nullptr;
    QWidget* dip14_ = nullptr;
    QLineEdit* bufferSource_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* percent_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

} // namespace korvanel
