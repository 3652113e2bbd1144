#pragma once

#include <string>
#include <string_view>

#include "calc_error.h"
#include "controls.h"

namespace dephlegmator {

// What the window's behaviour needs of a front end, beyond the boxes and options the calculation
// reads and writes. Controls are addressed by their names from the layout table ("Text3",
// "Label6", "Option5", ...); every name passed is one of the table's.
class Window : public Controls {
  public:
    // Gives the control the keyboard focus.
    virtual void focus(std::string_view control) = 0;
    // Selects the whole text of a box, so that typing replaces it. Does not move the focus.
    virtual void selectAll(std::string_view box) = 0;
    virtual void setVisible(std::string_view control, bool visible) = 0;
    // Selects an option button as a click does, without running its handler; the others of its
    // group are cleared.
    virtual void check(std::string_view option) = 0;
    // Marks an input box as holding what the calculation cannot take, the toolkit's own way, with
    // `problem` (UTF-8) where the user and a screen reader find it; "" removes the mark. Neither
    // moves the focus nor opens a dialog.
    virtual void setMark(std::string_view box, std::string_view problem) = 0;
    // What a screen reader calls the control; UTF-8.
    virtual void setAccessibleName(std::string_view control, std::string_view name) = 0;
    // Replaces the caption of a frame, label, option button or the push button; UTF-8.
    virtual void setCaption(std::string_view control, std::string_view caption) = 0;
    // What the pointer finds over a frame, label, option button or the push button, beyond its
    // caption; "" for nothing. UTF-8.
    virtual void setToolTip(std::string_view control, std::string_view tip) = 0;
    // A calculation stopped with `error`; `message` is what to show the user (UTF-8), under the
    // title ErrorTitle().
    virtual void reportError(const CalcError& error, const std::string& message) = 0;
};

}  // namespace dephlegmator
