#pragma once

#include <QString>

class QWidget;

namespace dephlegmator {

// Gives every box, option button and the push button a Russian accessible name that says what it
// holds and in which unit, so that a screen reader can tell the many alike boxes apart.
void NameControls(QWidget* window);

// The accessible name of Text6 while the unit label unitLabel (Label7, Label8 or Label9) is shown.
QString GivenQuantityName(const QString& unitLabel);

}  // namespace dephlegmator
