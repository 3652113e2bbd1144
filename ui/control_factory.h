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

// Creates the control of a layout entry as a child of parent: object name, caption in the
// current language or start text, geometry in pixels, font, alignment, typing limit and start
// visibility. The geometry is the same in every language.
QWidget* CreateControl(const layout::ControlRow& row, QWidget* parent);

// Replaces the caption of a frame, label, option button or push button; any other control keeps
// its text.
void SetCaption(QWidget* control, const QString& caption);

constexpr int TwipsToPixels(int twips) {
    return (twips + layout::kTwipsPerPixel / 2) / layout::kTwipsPerPixel;
}

}  // namespace dephlegmator
