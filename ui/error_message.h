#pragma once

#include <QString>

#include "calc_error.h"

class QWidget;

namespace dephlegmator {

// The Russian message that names the kind of a calculation error.
QString CalcErrorMessage(CalcError::Kind kind);

// Shows a failed calculation to the user as a modal message box over the window.
void ShowCalcError(QWidget* parent, const CalcError& error);

}  // namespace dephlegmator
