#include "platform/qt/QtProgramExit.h"

#include "platform/qt/QtSettingsStore.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace korvanel {

void QtProgramExit::end() {
    settings_.sync();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    // The call may come from deep inside nested waiting loops. std::exit would run static
    // destructors and exit handlers against Qt objects that are still in use, and returning
    // would run more of the program, so the process ends here and now.
    std::_Exit(0);
}

} // namespace korvanel
