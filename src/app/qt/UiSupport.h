#pragma once

#include <QRect>
#include <QString>

#include <string_view>

class QWidget;

namespace korvanel {

// The window layouts are drawn in twips; at 96 dots per inch 15 twips make one pixel.
constexpr int fromTwips(int twips) {
    return (twips + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height)};
}

inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Places a top-level window, frame included as far as it is known, in the middle of the
// screen's available area.
void centreOnScreen(QWidget& window);

} // namespace korvanel
