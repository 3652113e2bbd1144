#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "window_layout.h"

class QWidget;

namespace dephlegmator {

QString ToQString(std::string_view utf8);

// Bold 12 pt sans-serif with Cyrillic glyphs: DejaVu Sans, else the system sans-serif.
QFont MarkedFont();

// Creates the control of a layout entry as a child of parent: object name, caption or start
// text, geometry in pixels, font, alignment, typing limit and start visibility.
QWidget* CreateControl(const layout::ControlRow& row, QWidget* parent);

constexpr int TwipsToPixels(int twips) {
    return (twips + layout::kTwipsPerPixel / 2) / layout::kTwipsPerPixel;
}

}  // namespace dephlegmator
