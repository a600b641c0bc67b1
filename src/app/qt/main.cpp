#include "app/Form1.h"
#include "app/qt/MainWindow.h"
#include "link/PortRouter.h"
#include "link/ProgrammerSimulator.h"
#include "link/SimulatedLink.h"
#include "platform/qt/QtAlerts.h"
#include "platform/qt/QtBinaryFile.h"
#include "platform/qt/QtEventPump.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtProgramExit.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/QtSerialLink.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtTimer.h"

#include <QApplication>

#include <memory>
#include <string>

using namespace korvanel;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QtSettingsStore settings;
    QtScheduler scheduler;
    ProgrammerSimulator simulator(scheduler);
    PortRouter link(settings, [&](const std::string& name) -> std::unique_ptr<SerialLink> {
        if (name == simulatorDeviceName) {
            return std::make_unique<SimulatedLink>(simulator);
        }
        return std::make_unique<QtSerialLink>(name);
    });
    QtTimer timer;
    QtEventPump pump([&] { return link.inBufferCount() > 0; });
    QtFileDialog dialog;
    QtBinaryFile files;
    QtAlerts alerts;
    QtProgramExit programExit(settings);

    MainWindow window;
    Form1 form(Platform{link, timer, pump, settings, dialog, files, alerts, programExit}, window);
    window.setCommands(form);
    dialog.setParentWindow(&window);
    alerts.setParentWindow(&window);

    // Start-up may end the program itself, before the window ever shows.
    form.Form_Load();
    window.show();
    return app.exec();
}
