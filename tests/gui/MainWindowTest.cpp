#include "app/qt/MainWindow.h"
#include "app/ToolBar.h"
#include "app/UserTexts.h"
#include "catalogue/Catalogue.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace korvanel;

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every call the window makes, in a form that reads well in a failure message.
class RecordingCommands final : public FormCommands {
  public:
    QStringList calls;

    void mnuLoad_Click() override { calls << "mnuLoad_Click"; }
    void mnuSave_Click() override { calls << "mnuSave_Click"; }
    void mnuClear_Click() override { calls << "mnuClear_Click"; }
    void mnuExit_Click() override { calls << "mnuExit_Click"; }
    void mnuProgram_Click() override { calls << "mnuProgram_Click"; }
    void mnuVerify_Click() override { calls << "mnuVerify_Click"; }
    void mnuBlank_Click() override { calls << "mnuBlank_Click"; }
    void mnuRead_Click() override { calls << "mnuRead_Click"; }
    void mnuAutor_Click() override { calls << "mnuAutor_Click"; }
    void selcom_Click(int index) override {
        calls << QStringLiteral("selcom_Click(%1)").arg(index);
    }
    void Toolbar1_ButtonClick(int index, std::string_view key) override {
        calls << QStringLiteral("Toolbar1_ButtonClick(%1,%2)").arg(index).arg(qs(key));
    }
    void DEVICE_Click(int index, int position) override {
        calls << QStringLiteral("DEVICE_Click(%1,%2)").arg(index).arg(position);
    }
    void s93x_Click(bool checked) override {
        calls << QStringLiteral("s93x_Click(%1)").arg(checked ? "true" : "false");
    }
};

QString keyOf(int index) {
    return qs(toolBar.at(index - 1).key);
}

QString call(const ToolButton& entry) {
    return QStringLiteral("Toolbar1_ButtonClick(%1,%2)").arg(entry.index).arg(qs(entry.key));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<MainWindow> window_;
    RecordingCommands commands_;

    template <typename T> T* find(const QString& name) {
        auto* found = window_->findChild<T*>(name);
        if (found == nullptr) {
            qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        }
        return found;
    }
    QAction* action(const QString& name) { return find<QAction>(name); }
    QToolButton* button(int index) { return find<QToolButton>(keyOf(index)); }
    QList<QToolButton*> keyedButtons() {
        return find<QWidget>("Toolbar1")->findChildren<QToolButton*>();
    }
    QList<QAction*> commandActions() {
        QList<QAction*> actions;
        for (QAction* candidate : window_->findChildren<QAction*>()) {
            if (candidate->objectName().startsWith("mnu") ||
                candidate->objectName().startsWith("selcom")) {
                actions << candidate;
            }
        }
        return actions;
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        commands_.calls.clear();
        window_ = std::make_unique<MainWindow>();
        window_->setCommands(commands_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup() { window_.reset(); }

    void windowKeepsItsDesignedSize() {
        auto* client = find<QWidget>("client");
        QCOMPARE(client->size(), QSize(552, 307));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));

        auto* bar = find<QWidget>("Toolbar1");
        QCOMPARE(bar->geometry(), QRect(0, 0, 552, 44));
        for (QToolButton* tool : keyedButtons()) {
            QCOMPARE(tool->size(), QSize(39, 38));
            QCOMPARE(tool->iconSize(), QSize(32, 32));
            QVERIFY2(!tool->icon().isNull(), qPrintable(tool->objectName()));
        }

        // The family buttons stand over the frame whose label names them, and the label
        // shows below the bar.
        auto* frame = find<QGroupBox>("Frame4");
        for (int index = button::firstFamily; index < button::firstFamily + familyCount; ++index) {
            const QRect place = button(index)->geometry();
            QVERIFY2(place.left() >= frame->x() - 1 &&
                         place.right() <= frame->geometry().right() + 1,
                     qPrintable(keyOf(index)));
        }
        auto* label = find<QLabel>("Label4");
        QVERIFY(label->mapTo(client, QPoint(0, 0)).y() >= bar->height());
        QVERIFY(label->mapTo(client, QPoint(0, label->height())).y() <= frame->geometry().bottom());
    }

    void menusReadAsDesigned_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        // "-" is a separator; a shortcut follows its caption after a tab.
        const QString tab = "\t";
        QTest::newRow("Bafer") << "mnuBaf"
                               << QStringList{qs(texts::menuLoad) + tab + "F3",
                                              qs(texts::menuSave) + tab + "F2",
                                              "-",
                                              qs(texts::menuClear) + tab + "F4",
                                              "-",
                                              qs(texts::menuExit) + tab + "Ctrl+Q"};
        QTest::newRow("Program") << "mnuProg"
                                 << QStringList{qs(texts::menuProgramming) + tab + "F5",
                                                qs(texts::menuVerify) + tab + "F6",
                                                qs(texts::menuBlank) + tab + "F7",
                                                qs(texts::menuRead) + tab + "F8"};
        QTest::newRow("Opcije") << "mnuOpt" << QStringList{qs(texts::menuPort)};
        QTest::newRow("COM porta") << "mnuPort" << QStringList{"COM1", "COM2", "COM3", "COM4"};
        QTest::newRow("Ostalo") << "mnuHelp" << QStringList{qs(texts::menuAbout)};
    }

    void menusReadAsDesigned() {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        QStringList shown;
        for (QAction* item : find<QMenu>(menu)->actions()) {
            if (item->isSeparator()) {
                shown << "-";
                continue;
            }
            const QString shortcut = item->shortcut().toString(QKeySequence::PortableText);
            shown << (shortcut.isEmpty() ? item->text() : item->text() + "\t" + shortcut);
        }
        QCOMPARE(shown, items);
    }

    void menuTitlesCarryTheirMnemonics() {
        QStringList titles;
        for (QAction* menu : window_->menuBar()->actions()) {
            titles << menu->text();
        }
        QCOMPARE(titles, (QStringList{qs(texts::menuBuffer), qs(texts::menuProgram),
                                      qs(texts::menuOptions), qs(texts::menuOther)}));
    }

    void everyCommandReachesItsHandler_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        const QStringList menuItems{"mnuLoad",   "mnuSave",  "mnuClear", "mnuExit", "mnuProgram",
                                    "mnuVerify", "mnuBlank", "mnuRead",  "mnuAutor"};
        for (const QString& item : menuItems) {
            QTest::newRow(qPrintable(item)) << "menu:" + item << item + "_Click";
        }
        for (int port = 1; port <= 4; ++port) {
            QTest::newRow(qPrintable(QStringLiteral("selcom%1").arg(port)))
                << QStringLiteral("menu:selcom%1").arg(port)
                << QStringLiteral("selcom_Click(%1)").arg(port);
        }
        const QList<std::pair<QString, QString>> keys{
            {"F2", "mnuSave_Click"},    {"F3", "mnuLoad_Click"},    {"F4", "mnuClear_Click"},
            {"F5", "mnuProgram_Click"}, {"F6", "mnuVerify_Click"},  {"F7", "mnuBlank_Click"},
            {"F8", "mnuRead_Click"},    {"Ctrl+Q", "mnuExit_Click"}};
        for (const auto& [key, handler] : keys) {
            QTest::newRow(qPrintable(key)) << "key:" + key << handler;
        }
        for (const ToolButton& entry : toolBar) {
            if (entry.style != ButtonStyle::Separator) {
                QTest::newRow(qPrintable("button " + qs(entry.key)))
                    << "button:" + qs(entry.key) << call(entry);
            }
        }
        for (int family = 1; family <= familyCount; ++family) {
            QTest::newRow(qPrintable(QStringLiteral("DEVICE%1").arg(family)))
                << QStringLiteral("list:%1").arg(family)
                << QStringLiteral("DEVICE_Click(%1,1)").arg(family);
        }
        QTest::newRow("s93x") << "suffix"
                              << "s93x_Click(true)";
        QTest::newRow("title-bar close") << "close"
                                         << "mnuExit_Click";
    }

    void everyCommandReachesItsHandler() {
        QFETCH(QString, source);
        QFETCH(QString, expected);
        window_->setSaveEnabled(true);
        window_->setSuffixVisible(true);
        const QString target = source.section(':', 1);

        if (source.startsWith("menu:")) {
            action(target)->trigger();
        } else if (source.startsWith("key:")) {
            QTest::keySequence(window_.get(), QKeySequence(target));
        } else if (source.startsWith("button:")) {
            QTest::mouseClick(find<QToolButton>(target), Qt::LeftButton);
        } else if (source.startsWith("list:")) {
            const int family = target.toInt();
            window_->showList(family);
            window_->setListPosition(family, 0);
            auto* list = find<QComboBox>(QStringLiteral("DEVICE%1").arg(family));
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
        } else if (source == "suffix") {
            QTest::mouseClick(find<QCheckBox>("s93x"), Qt::LeftButton);
        } else if (source == "close") {
            QVERIFY(!window_->close());
            QVERIFY(window_->isVisible());
        }
        QCOMPARE(commands_.calls, QStringList{expected});
    }

    void saveCommandsFollowTheirState() {
        const auto tryBoth = [&] {
            commands_.calls.clear();
            QTest::keyClick(window_.get(), Qt::Key_F2);
            QTest::mouseClick(button(button::save), Qt::LeftButton);
            return commands_.calls;
        };
        QVERIFY(!action("mnuSave")->isEnabled());
        QVERIFY(!button(button::save)->isEnabled());
        QCOMPARE(tryBoth(), QStringList{});

        window_->setSaveEnabled(true);
        QCOMPARE(tryBoth(), (QStringList{"mnuSave_Click", call(toolBar.at(button::save - 1))}));

        window_->setSaveEnabled(false);
        QCOMPARE(tryBoth(), QStringList{});
    }

    void toolTips_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("tip");
        const QList<std::pair<int, std::string_view>> buttons{
            {button::load, texts::tipLoad},     {button::save, texts::tipSave},
            {button::clear, texts::tipClear},   {button::program, texts::tipProgram},
            {button::verify, texts::tipVerify}, {button::blank, texts::tipBlank},
            {button::read, texts::tipRead},     {17, texts::tipFamilyIic},
            {18, texts::tipFamilyMware},        {19, texts::tipFamilySpi},
            {20, texts::tipFamilyOther}};
        for (const auto& [index, tip] : buttons) {
            QTest::newRow(qPrintable(keyOf(index))) << keyOf(index) << qs(tip);
        }
        for (int family = 1; family <= familyCount; ++family) {
            const QString list = QStringLiteral("DEVICE%1").arg(family);
            QTest::newRow(qPrintable(list)) << list << qs(texts::tipList);
        }
        QTest::newRow("dip8") << "dip8" << qs(texts::tipPackage);
        QTest::newRow("dip14") << "dip14" << qs(texts::tipPackage);
        QTest::newRow("bafer") << "bafer" << qs(texts::tipBuffer);
        QTest::newRow("s93x") << "s93x" << qs(texts::tipSuffixBox);
    }

    void toolTips() {
        QFETCH(QString, widget);
        QFETCH(QString, tip);
        QCOMPARE(find<QWidget>(widget)->toolTip(), tip);
    }

    void busyRefusesEverythingButLeaving_data() {
        QTest::addColumn<bool>("saveBefore");
        QTest::addColumn<int>("saveWhileBusy"); // -1: not told
        QTest::addColumn<bool>("saveAfter");
        QTest::newRow("save stays disabled") << false << -1 << false;
        QTest::newRow("save comes back") << true << -1 << true;
        QTest::newRow("enabled while busy") << false << 1 << true;
        QTest::newRow("disabled while busy") << true << 0 << false;
    }

    void busyRefusesEverythingButLeaving() {
        QFETCH(bool, saveBefore);
        QFETCH(int, saveWhileBusy);
        QFETCH(bool, saveAfter);
        window_->setSaveEnabled(saveBefore);
        window_->setSuffixVisible(true);
        window_->setBusy(true);
        if (saveWhileBusy >= 0) {
            window_->setSaveEnabled(saveWhileBusy == 1);
        }

        for (QAction* item : commandActions()) {
            QCOMPARE(item->isEnabled(), item->objectName() == "mnuExit");
        }
        for (QToolButton* tool : keyedButtons()) {
            QVERIFY2(!tool->isEnabled(), qPrintable(tool->objectName()));
        }
        for (int family = 1; family <= familyCount; ++family) {
            QVERIFY(!find<QComboBox>(QStringLiteral("DEVICE%1").arg(family))->isEnabled());
        }
        QVERIFY(!find<QCheckBox>("s93x")->isEnabled());

        for (const char* key : {"F2", "F3", "F4", "F5", "F6", "F7", "F8"}) {
            QTest::keySequence(window_.get(), QKeySequence(key));
        }
        QTest::mouseClick(button(button::program), Qt::LeftButton);
        QCOMPARE(commands_.calls, QStringList{});
        QTest::keySequence(window_.get(), QKeySequence("Ctrl+Q"));
        QCOMPARE(commands_.calls, QStringList{"mnuExit_Click"});

        window_->setBusy(false);
        for (QAction* item : commandActions()) {
            const bool isSave = item->objectName() == "mnuSave";
            QCOMPARE(item->isEnabled(), isSave ? saveAfter : true);
        }
        for (QToolButton* tool : keyedButtons()) {
            const bool isSave = tool == button(button::save);
            QCOMPARE(tool->isEnabled(), isSave ? saveAfter : true);
        }
        QVERIFY(find<QComboBox>("DEVICE2")->isEnabled());
        QVERIFY(find<QCheckBox>("s93x")->isEnabled());
    }

    void operationButtonsShowOnlyWhatTheLogicSays_data() {
        QTest::addColumn<int>("index");
        for (int index = button::program; index <= button::read; ++index) {
            QTest::newRow(qPrintable(keyOf(index))) << index;
        }
    }

    void operationButtonsShowOnlyWhatTheLogicSays() {
        QFETCH(int, index);
        QToolButton* tool = button(index);
        QTest::mouseClick(tool, Qt::LeftButton);
        QVERIFY(!tool->isChecked());
        window_->setButtonPressed(index, true);
        QVERIFY(tool->isChecked());
        QTest::mouseClick(tool, Qt::LeftButton);
        QVERIFY(tool->isChecked());
        window_->setButtonPressed(index, false);
        QVERIFY(!tool->isChecked());
        QCOMPARE(commands_.calls.size(), 2);
    }

    void familyButtonsAreOneGroup() {
        const auto pressed = [&] {
            QList<int> indexes;
            for (int index = button::firstFamily; index < button::firstFamily + familyCount;
                 ++index) {
                if (button(index)->isChecked()) {
                    indexes << index;
                }
            }
            return indexes;
        };
        QCOMPARE(pressed(), QList<int>{});
        window_->setButtonPressed(17, true);
        QCOMPARE(pressed(), QList<int>{17});
        window_->setButtonPressed(19, true);
        QCOMPARE(pressed(), QList<int>{19});
        QTest::mouseClick(button(18), Qt::LeftButton);
        QCOMPARE(pressed(), QList<int>{18});
        // Clicking the pressed family again still reports, and it stays pressed.
        QTest::mouseClick(button(18), Qt::LeftButton);
        QCOMPARE(pressed(), QList<int>{18});
        QCOMPARE(commands_.calls, QStringList(2, call(toolBar.at(18 - 1))));
        window_->setButtonPressed(18, false);
        QCOMPARE(pressed(), QList<int>{});
        window_->setButtonPressed(20, true);
        QCOMPARE(pressed(), QList<int>{20});
        // The operation buttons are no part of the group.
        window_->setButtonPressed(button::program, true);
        QCOMPARE(pressed(), QList<int>{20});
    }

    void portMarksChangeOnlyByTheLogic() {
        const auto marks = [&] {
            QList<bool> checked;
            for (int port = 1; port <= 4; ++port) {
                checked << action(QStringLiteral("selcom%1").arg(port))->isChecked();
            }
            return checked;
        };
        QCOMPARE(marks(), (QList<bool>{true, false, false, false}));
        action("selcom3")->trigger();
        QCOMPARE(commands_.calls, QStringList{"selcom_Click(3)"});
        QCOMPARE(marks(), (QList<bool>{true, false, false, false}));

        window_->setPortChecked(1, false);
        window_->setPortChecked(3, true);
        window_->setPortChecked(2, true);
        QCOMPARE(marks(), (QList<bool>{false, true, true, false}));
    }

    void aboutBoxIsModalAndOkClosesIt() {
        QString caption;
        bool modal = false;
        bool closeButton = true;
        QSize size;
        QStringList texts;
        bool versionBold = false;
        bool closedByOk = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                caption = box->windowTitle();
                modal = box->isModal() && box->windowModality() == Qt::ApplicationModal;
                closeButton = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
                size = box->size();
                for (const QLabel* label : box->findChildren<QLabel*>()) {
                    texts << label->text();
                    if (label->text() == qs(texts::aboutVersion)) {
                        versionBold = label->font().bold();
                    }
                }
                for (QPushButton* ok : box->findChildren<QPushButton*>()) {
                    if (ok->text() == qs(texts::aboutOk)) {
                        QTest::mouseClick(ok, Qt::LeftButton);
                    }
                }
                closedByOk = !box->isVisible();
            }
            // Whatever went wrong above, the test must not hang in the box's event loop.
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible()) {
                    dialog->reject();
                }
            }
        });
        window_->showAbout();

        QCOMPARE(caption, qs(texts::aboutCaption));
        QVERIFY(modal);
        QVERIFY(!closeButton);
        QCOMPARE(size, QSize(273, 155));
        texts.sort();
        QStringList expected{qs(texts::aboutProduct), qs(texts::aboutVersion),
                             qs(texts::aboutMaker), qs(texts::aboutPhone), qs(texts::aboutEmail)};
        expected.sort();
        QCOMPARE(texts, expected);
        QVERIFY(versionBold);
        QVERIFY(closedByOk);
        QCOMPARE(commands_.calls, QStringList{});
    }

    void showListBringsOnlyThatList_data() {
        QTest::addColumn<int>("family");
        for (int family = 1; family <= familyCount; ++family) {
            QTest::newRow(qPrintable(QString::number(family))) << family;
        }
    }

    void showListBringsOnlyThatList() {
        QFETCH(int, family);
        window_->showList(family);
        for (int n = 1; n <= familyCount; ++n) {
            QCOMPARE(find<QComboBox>(QStringLiteral("DEVICE%1").arg(n))->isVisible(), n == family);
        }
    }

    void packageAndSuffixShowWhatTheyAreTold() {
        auto* dip8 = find<QWidget>("dip8");
        auto* dip14 = find<QWidget>("dip14");
        window_->showPackage(Package::Dip14);
        QVERIFY(dip14->isVisible() && !dip8->isVisible());
        QCOMPARE(dip14->geometry().topLeft(), dip8->geometry().topLeft());
        window_->showPackage(Package::Dip8);
        QVERIFY(dip8->isVisible() && !dip14->isVisible());

        auto* frame = find<QGroupBox>("sufiks");
        auto* box = find<QCheckBox>("s93x");
        window_->setSuffixVisible(true);
        QVERIFY(frame->isVisible());
        window_->setSuffixChecked(true);
        QVERIFY(box->isChecked());
        window_->setSuffixVisible(false);
        QVERIFY(!frame->isVisible());
        QVERIFY(box->isChecked());
        window_->setSuffixChecked(false);
        QVERIFY(!box->isChecked());
        QCOMPARE(commands_.calls, QStringList{});
    }

    void listsHoldTheCatalogue() {
        for (int family = 1; family <= familyCount; ++family) {
            auto* list = find<QComboBox>(QStringLiteral("DEVICE%1").arg(family));
            QVERIFY(!list->isEditable());
            const auto parts = familyParts(family);
            QCOMPARE(list->count(), static_cast<int>(parts.size()));
            for (const DeviceEntry& part : parts) {
                QCOMPARE(list->itemText(part.position), qs(part.name));
                QCOMPARE(list->itemData(part.position, Qt::UserRole).toInt(), part.size);
            }
            window_->setListPosition(family, static_cast<int>(parts.size()) - 1);
            QCOMPARE(list->currentText(), qs(parts.back().name));
            window_->setListPosition(family, -1);
            QCOMPARE(list->currentIndex(), -1);
            QCOMPARE(list->currentText(), QString());
        }
        QCOMPARE(commands_.calls, QStringList{});
    }

    void settersShowWhatTheyAreTold() {
        // Paths reach the window as UTF-8.
        const std::string caption = "Korvanel V1.6 - čip.bin";
        window_->setCaption(caption);
        QCOMPARE(window_->windowTitle(), QString::fromStdString(caption));
        const std::string path = "/home/šef/čip.bin";
        window_->setBufferSource(path);
        QCOMPARE(find<QLineEdit>("bafer")->text(), QString::fromStdString(path));
        window_->setSelectedName("93C56/LC56");
        QCOMPARE(find<QLabel>("Selchip")->text(), QString("93C56/LC56"));
        window_->setPercentText("42 %");
        QCOMPARE(find<QLabel>("prc")->text(), QString("42 %"));
        window_->setProgress(42);
        QCOMPARE(find<QProgressBar>("pb1")->value(), 42);
        window_->setProgress(100);
        QCOMPARE(find<QProgressBar>("pb1")->value(), 100);

        auto* status = find<QLabel>("status");
        window_->setStatus(std::string(texts::statusProgramming));
        QCOMPARE(status->text(), qs(texts::statusProgramming));
        QVERIFY(status->font().bold());
        QCOMPARE(status->palette().color(QPalette::WindowText), QColor(Qt::black));
        const int normalHeight = QFontInfo(status->font()).pixelSize();
        window_->setStatusStyle(StatusStyle::Failure);
        QVERIFY(!status->font().bold());
        QCOMPARE(status->palette().color(QPalette::WindowText), QColor(Qt::red));
        QVERIFY(QFontInfo(status->font()).pixelSize() < normalHeight);
        window_->setStatusStyle(StatusStyle::Normal);
        QVERIFY(status->font().bold());
        QCOMPARE(status->palette().color(QPalette::WindowText), QColor(Qt::black));

        window_->focusBufferSource();
        QCOMPARE(QApplication::focusWidget(), find<QWidget>("bafer"));
    }

    // With the fonts this system has, every caption and the longest texts the logic shows
    // fit their controls.
    void noTextIsCutOff() {
        window_->setSuffixVisible(true);
        window_->setPercentText("100 %");
        window_->setStatus(std::string(texts::statusProgramming));
        for (const DeviceEntry& part : catalogue) {
            window_->setSelectedName(std::string(part.name));
            auto* name = find<QLabel>("Selchip");
            QVERIFY2(name->fontMetrics().horizontalAdvance(name->text()) <= name->width(),
                     part.name.data());
        }
        for (const QLabel* label : window_->findChildren<QLabel*>()) {
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
            QVERIFY2(label->geometry().right() < label->parentWidget()->width(),
                     qPrintable(label->objectName()));
        }
        auto* box = find<QCheckBox>("s93x");
        QVERIFY(box->sizeHint().width() <= box->width());
        QVERIFY(box->geometry().right() < box->parentWidget()->width());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
