#include "app/qt/UiSupport.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace korvanel {

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(available.center());
    // A window larger than the screen keeps its title bar reachable.
    window.move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

} // namespace korvanel
