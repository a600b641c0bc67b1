#include "app/qt/MainWindow.h"

#include "app/ToolBar.h"
#include "app/UserTexts.h"
#include "app/qt/AboutBox.h"
#include "app/qt/UiSupport.h"
#include "catalogue/Catalogue.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QSvgRenderer>
#include <QToolButton>

#include <algorithm>

// The resources live in a static library, whose unreferenced initialiser the linker drops.
static void initResources() {
    Q_INIT_RESOURCE(korvanel);
}

namespace korvanel {

namespace {

const QColor listBackground(255, 224, 192);

constexpr int clientWidth = fromTwips(8280);
constexpr int clientHeight = fromTwips(4605);
constexpr int toolBarHeight = fromTwips(660);
constexpr QSize toolButtonSize(fromTwips(585), fromTwips(570));
constexpr QSize toolIconSize(32, 32);
constexpr int separatorWidth = 8;

// Pixel sizes keep the type in step with the pixel layout whatever the screen's dots per
// inch: 8.25, 9.75, 10 and 12 points at 96 dots per inch.
constexpr int smallPixels = 11;
constexpr int failurePixels = 13;
constexpr int statusPixels = 16;
constexpr int headingPixels = 48;

// Icon number n of the tool bar's icon list is iconFiles[n - 1].
constexpr std::array<const char*, 11> iconFiles{
    "load", "save",       "clear",        "program",    "verify",      "blank",
    "read", "family_iic", "family_mware", "family_spi", "family_other"};

// A button whose pressed look belongs to the logic: a click reports itself but leaves the
// look as it was.
class LogicPressedButton final : public QToolButton {
  public:
    using QToolButton::QToolButton;

  protected:
    void nextCheckState() override {}
};

// Draws its picture as vectors at its natural size, so it stays sharp at any pixel ratio.
class SvgPicture final : public QWidget {
  public:
    SvgPicture(const QString& file, QWidget* parent) : QWidget(parent), renderer_(file) {}

    QSize naturalSize() const { return renderer_.defaultSize(); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        renderer_.render(&painter, QRectF(QPointF(0, 0), QSizeF(naturalSize())));
    }

  private:
    QSvgRenderer renderer_;
};

QFont sansFont(int pixels, bool bold) {
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A label that grows with its text keeps its designed left edge and never gets smaller
// than designed.
QLabel* addLabel(QWidget* parent, std::string_view text, const QRect& designed, bool bold = false) {
    auto* label = new QLabel(qtText(text), parent);
    label->setFont(sansFont(smallPixels, bold));
    const QSize hint = label->sizeHint();
    label->setGeometry(designed.x(), designed.y(), std::max(designed.width(), hint.width()),
                       std::max(designed.height(), hint.height()));
    return label;
}

// The largest heading size up to the designed one at which the text fits the width.
QFont fittedHeading(QFont font, const QString& text, int width) {
    for (int pixels = headingPixels; pixels > smallPixels; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) {
            break;
        }
    }
    return font;
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint) {
    initResources();
    setWindowTitle(qtText(texts::designedCaption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));

    buildMenus();

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(clientWidth, clientHeight);
    client->setFont(sansFont(smallPixels, false));
    setCentralWidget(client);
    // The menu bar's height depends on its font; the window takes whatever it needs above
    // the fixed client area and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    buildSelection(client);
    buildBufferAndStatus(client);
    buildToolBar(client);
    updateEnabled();
}

void MainWindow::setCommands(FormCommands& commands) {
    commands_ = &commands;
}

void MainWindow::buildMenus() {
    QMenu* buffer = menuBar()->addMenu(qtText(texts::menuBuffer));
    buffer->setObjectName("mnuBaf");
    busyActions_.push_back(addCommand(buffer, "mnuLoad", texts::menuLoad, QKeySequence(Qt::Key_F3),
                                      &FormCommands::mnuLoad_Click));
    save_ = addCommand(buffer, "mnuSave", texts::menuSave, QKeySequence(Qt::Key_F2),
                       &FormCommands::mnuSave_Click);
    buffer->addSeparator()->setObjectName("mb1");
    busyActions_.push_back(addCommand(buffer, "mnuClear", texts::menuClear,
                                      QKeySequence(Qt::Key_F4), &FormCommands::mnuClear_Click));
    buffer->addSeparator()->setObjectName("mb4");
    addCommand(buffer, "mnuExit", texts::menuExit, QKeySequence(Qt::CTRL | Qt::Key_Q),
               &FormCommands::mnuExit_Click);

    QMenu* program = menuBar()->addMenu(qtText(texts::menuProgram));
    program->setObjectName("mnuProg");
    busyActions_.push_back(addCommand(program, "mnuProgram", texts::menuProgramming,
                                      QKeySequence(Qt::Key_F5), &FormCommands::mnuProgram_Click));
    busyActions_.push_back(addCommand(program, "mnuVerify", texts::menuVerify,
                                      QKeySequence(Qt::Key_F6), &FormCommands::mnuVerify_Click));
    busyActions_.push_back(addCommand(program, "mnuBlank", texts::menuBlank,
                                      QKeySequence(Qt::Key_F7), &FormCommands::mnuBlank_Click));
    busyActions_.push_back(addCommand(program, "mnuRead", texts::menuRead, QKeySequence(Qt::Key_F8),
                                      &FormCommands::mnuRead_Click));

    QMenu* options = menuBar()->addMenu(qtText(texts::menuOptions));
    options->setObjectName("mnuOpt");
    QMenu* port = options->addMenu(qtText(texts::menuPort));
    port->setObjectName("mnuPort");
    for (int n = 1; n <= 4; ++n) {
        QAction* item = port->addAction(QStringLiteral("COM%1").arg(n));
        item->setObjectName(QStringLiteral("selcom%1").arg(n));
        item->setCheckable(true);
        item->setChecked(n == 1);
        // The mark shows the port that opened, which only the logic knows: undo Qt's own
        // toggle before reporting the click.
        connect(item, &QAction::triggered, this, [this, item, n](bool checked) {
            item->setChecked(!checked);
            if (commands_ != nullptr) {
                commands_->selcom_Click(n);
            }
        });
        ports_[n] = item;
        busyActions_.push_back(item);
    }

    QMenu* other = menuBar()->addMenu(qtText(texts::menuOther));
    other->setObjectName("mnuHelp");
    busyActions_.push_back(addCommand(other, "mnuAutor", texts::menuAbout, QKeySequence(),
                                      &FormCommands::mnuAutor_Click));
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, std::string_view caption,
                                const QKeySequence& shortcut, Handler handler) {
    QAction* action = menu->addAction(qtText(caption));
    action->setObjectName(name);
    action->setShortcut(shortcut);
    // Also on the window itself, so the shortcut works before the menu has ever opened.
    addAction(action);
    connect(action, &QAction::triggered, this, [this, handler] {
        if (commands_ != nullptr) {
            (commands_->*handler)();
        }
    });
    return action;
}

void MainWindow::buildToolBar(QWidget* client) {
    auto* bar = new QWidget(client);
    bar->setObjectName("Toolbar1");
    bar->setGeometry(0, 0, clientWidth, toolBarHeight);
    // The family frame below reaches up into the bar's height; the bar hides that part.
    bar->setAutoFillBackground(true);

    families_ = new QButtonGroup(this);
    families_->setExclusive(true);

    const int top = (toolBarHeight - toolButtonSize.height()) / 2;
    int left = 0;
    for (const ToolButton& entry : toolBar) {
        if (entry.style == ButtonStyle::Separator) {
            left += separatorWidth;
            continue;
        }
        const bool logicPressed = entry.index >= button::program && entry.index <= button::read;
        QToolButton* tool = logicPressed ? new LogicPressedButton(bar) : new QToolButton(bar);
        tool->setObjectName(qtText(entry.key));
        tool->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(iconFiles.at(entry.icon - 1))));
        tool->setIconSize(toolIconSize);
        tool->setGeometry(QRect(QPoint(left, top), toolButtonSize));
        tool->setToolTip(qtText(entry.toolTip));
        tool->setAccessibleName(qtText(entry.toolTip));
        tool->setAccessibleDescription(qtText(entry.description));
        tool->setFocusPolicy(Qt::NoFocus);
        tool->setCheckable(logicPressed || entry.style == ButtonStyle::Group);
        if (entry.style == ButtonStyle::Group) {
            families_->addButton(tool, entry.index);
        }
        connect(tool, &QToolButton::clicked, this, [this, index = entry.index, key = entry.key] {
            if (commands_ != nullptr) {
                commands_->Toolbar1_ButtonClick(index, key);
            }
        });
        buttons_[entry.index] = tool;
        left += toolButtonSize.width();
    }
    bar->raise();
}

void MainWindow::buildSelection(QWidget* client) {
    auto* familyFrame = new QGroupBox(qtText(texts::familyFrame), client);
    familyFrame->setObjectName("Frame4");
    familyFrame->setGeometry(twipsRect(5180, 360, 2360, 615));
    addLabel(familyFrame, texts::familyLabel, twipsRect(480, 360, 1380, 195))
        ->setObjectName("Label4");

    auto* model = addLabel(client, texts::modelLabel, twipsRect(5160, 1080, 720, 195), true);
    model->setObjectName("Label3");
    model->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    for (int family = 1; family <= familyCount; ++family) {
        auto* list = new QComboBox(client);
        list->setObjectName(QStringLiteral("DEVICE%1").arg(family));
        list->setEditable(false);
        list->setToolTip(qtText(texts::tipList));
        setBackground(list, listBackground);
        for (const DeviceEntry& part : familyParts(family)) {
            list->addItem(qtText(part.name), part.size);
        }
        list->setCurrentIndex(-1);
        list->setVisible(family == 1);
        connect(list, &QComboBox::activated, this, [this, family](int position) {
            if (commands_ != nullptr) {
                commands_->DEVICE_Click(family, position);
            }
        });
        lists_[family] = list;
    }
    // The lists share one place, so they share the width that the longest name needs; the
    // suffix frame below keeps their width.
    QRect listPlace = twipsRect(5160, 1320, 1335, 315);
    for (int family = 1; family <= familyCount; ++family) {
        listPlace.setWidth(std::max(listPlace.width(), lists_[family]->sizeHint().width()));
    }
    for (int family = 1; family <= familyCount; ++family) {
        lists_[family]->setGeometry(listPlace);
    }

    suffixFrame_ = new QGroupBox(qtText(texts::suffixFrame), client);
    suffixFrame_->setObjectName("sufiks");
    const QRect suffixPlace = twipsRect(5160, 1920, 1335, 615);
    suffixFrame_->setGeometry(suffixPlace.x(), suffixPlace.y(), listPlace.width(),
                              suffixPlace.height());
    setTextColour(suffixFrame_, Qt::red);
    suffixBox_ = new QCheckBox(qtText(texts::suffixBox), suffixFrame_);
    suffixBox_->setObjectName("s93x");
    // Only the frame's caption is red.
    setTextColour(suffixBox_, QApplication::palette().color(QPalette::WindowText));
    suffixBox_->setFont(sansFont(smallPixels, true));
    suffixBox_->setToolTip(qtText(texts::tipSuffixBox));
    const QRect box = twipsRect(120, 240, 1095, 255);
    suffixBox_->setGeometry(box.x(), box.y(), std::max(box.width(), suffixBox_->sizeHint().width()),
                            box.height());
    suffixFrame_->setVisible(false);
    connect(suffixBox_, &QCheckBox::clicked, this, [this](bool checked) {
        if (commands_ != nullptr) {
            commands_->s93x_Click(checked);
        }
    });

    auto* selectedFrame = new QGroupBox(qtText(texts::selectedFrame), client);
    selectedFrame->setObjectName("Frame2");
    selectedFrame->setGeometry(twipsRect(120, 1200, 4575, 1575));
    selectedName_ = new QLabel(selectedFrame);
    selectedName_->setObjectName("Selchip");
    selectedName_->setAlignment(Qt::AlignCenter);
    QFont heading(QStringLiteral("Times New Roman"));
    heading.setStyleHint(QFont::Serif);
    heading.setBold(true);
    heading.setPixelSize(headingPixels);
    selectedName_->setFont(heading);
    // Centred across the frame rather than at the designed left edge, so that a name wider
    // than designed still sits in the middle.
    const int inset = fromTwips(90);
    const QRect designed = twipsRect(1200, 360, 2235, 825);
    selectedName_->setGeometry(inset, designed.y(), selectedFrame->width() - 2 * inset,
                               selectedFrame->height() - designed.y() - inset);

    const QRect picture = twipsRect(6960, 1200, 1095, 1770);
    auto addPicture = [&](const char* name) {
        auto* svg = new SvgPicture(QStringLiteral(":/pictures/%1.svg").arg(name), client);
        svg->setObjectName(name);
        svg->setToolTip(qtText(texts::tipPackage));
        svg->setGeometry(QRect(picture.topLeft(), picture.size().expandedTo(svg->naturalSize())));
        return svg;
    };
    dip8_ = addPicture("dip8");
    dip14_ = addPicture("dip14");
    dip14_->setVisible(false);
}

void MainWindow::buildBufferAndStatus(QWidget* client) {
    addLabel(client, texts::bufferLabel, twipsRect(120, 3000, 2055, 255))->setObjectName("Label1");

    bufferSource_ = new QLineEdit(client);
    bufferSource_->setObjectName("bafer");
    bufferSource_->setGeometry(twipsRect(120, 3240, 7935, 315));
    bufferSource_->setReadOnly(true);
    bufferSource_->setToolTip(qtText(texts::tipBuffer));
    setBackground(bufferSource_, listBackground);

    status_ = new QLabel(client);
    status_->setObjectName("status");
    status_->setAlignment(Qt::AlignCenter);

    addLabel(client, texts::statusLabel, twipsRect(120, 3840, 615, 255))->setObjectName("Label2");

    percent_ = new QLabel(client);
    percent_->setObjectName("prc");
    percent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    progress_ = new QProgressBar(client);
    progress_->setObjectName("pb1");
    progress_->setGeometry(twipsRect(120, 4080, 7935, 225));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);

    setStatusStyle(StatusStyle::Normal);
    fitPercent();
}

// The status grows with its text to both sides, keeping its designed centre.
void MainWindow::fitStatus() {
    const QRect designed = twipsRect(3532, 3720, 1110, 300);
    const QSize hint = status_->sizeHint();
    const int width = std::min(clientWidth, std::max(designed.width(), hint.width()));
    const int left = std::clamp(designed.center().x() - width / 2, 0, clientWidth - width);
    status_->setGeometry(left, designed.y(), width, std::max(designed.height(), hint.height()));
}

// The percentage is right-aligned, so it grows to the left.
void MainWindow::fitPercent() {
    const QRect designed = twipsRect(7560, 3840, 480, 195);
    const QSize hint = percent_->sizeHint();
    const int width = std::max(designed.width(), hint.width());
    percent_->setGeometry(designed.right() + 1 - width, designed.y(), width,
                          std::max(designed.height(), hint.height()));
}

void MainWindow::updateEnabled() {
    const bool idle = !busy_;
    for (QAction* action : busyActions_) {
        action->setEnabled(idle);
    }
    save_->setEnabled(idle && saveEnabled_);
    for (QToolButton* tool : buttons_) {
        if (tool != nullptr) {
            tool->setEnabled(idle);
        }
    }
    buttons_[button::save]->setEnabled(idle && saveEnabled_);
    for (QComboBox* list : lists_) {
        if (list != nullptr) {
            list->setEnabled(idle);
        }
    }
    suffixBox_->setEnabled(idle);
}

void MainWindow::setCaption(const std::string& text) {
    setWindowTitle(qtText(text));
}

void MainWindow::setBufferSource(const std::string& text) {
    bufferSource_->setText(qtText(text));
    bufferSource_->setCursorPosition(0);
}

void MainWindow::setStatus(const std::string& text) {
    status_->setText(qtText(text));
    fitStatus();
}

void MainWindow::setStatusStyle(StatusStyle style) {
    const bool normal = style == StatusStyle::Normal;
    status_->setFont(sansFont(normal ? statusPixels : failurePixels, normal));
    setTextColour(status_, normal ? QColor(Qt::black) : QColor(Qt::red));
    fitStatus();
}

void MainWindow::setPercentText(const std::string& text) {
    percent_->setText(qtText(text));
    fitPercent();
}

void MainWindow::setProgress(int percent) {
    progress_->setValue(std::clamp(percent, 0, 100));
}

void MainWindow::setButtonPressed(int index, bool pressed) {
    if (index < 1 || index >= static_cast<int>(buttons_.size())) {
        return;
    }
    QToolButton* tool = buttons_[index];
    if (tool == nullptr || !tool->isCheckable()) {
        return;
    }
    // An exclusive group refuses to release its pressed button.
    if (tool->group() == families_ && !pressed) {
        families_->setExclusive(false);
        tool->setChecked(false);
        families_->setExclusive(true);
        return;
    }
    tool->setChecked(pressed);
}

void MainWindow::setSaveEnabled(bool enabled) {
    saveEnabled_ = enabled;
    updateEnabled();
}

void MainWindow::setPortChecked(int port, bool checked) {
    if (port >= 1 && port <= 4) {
        ports_[port]->setChecked(checked);
    }
}

void MainWindow::setListPosition(int family, int position) {
    if (family >= 1 && family <= familyCount) {
        lists_[family]->setCurrentIndex(position);
    }
}

void MainWindow::showList(int family) {
    for (int n = 1; n <= familyCount; ++n) {
        lists_[n]->setVisible(n == family);
    }
}

void MainWindow::setSelectedName(const std::string& name) {
    const QString text = qtText(name);
    selectedName_->setFont(fittedHeading(selectedName_->font(), text, selectedName_->width()));
    selectedName_->setText(text);
}

void MainWindow::showPackage(Package package) {
    dip8_->setVisible(package == Package::Dip8);
    dip14_->setVisible(package == Package::Dip14);
}

void MainWindow::setSuffixVisible(bool visible) {
    suffixFrame_->setVisible(visible);
}

void MainWindow::setSuffixChecked(bool checked) {
    suffixBox_->setChecked(checked);
}

void MainWindow::setBusy(bool busy) {
    busy_ = busy;
    updateEnabled();
}

void MainWindow::focusBufferSource() {
    bufferSource_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showAbout() {
    AboutBox box(this);
    box.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Leaving runs the logic's shutdown, which ends the program itself.
    event->ignore();
    if (commands_ != nullptr) {
        commands_->mnuExit_Click();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        centreOnScreen(*this);
    }
    QMainWindow::showEvent(event);
}

} // namespace korvanel
