#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "fake_window.h"
#include "input_modes.h"

namespace dephlegmator::testing {

// A loaded window and its behaviour. Click() does what a toolkit does for a click: it selects
// an option button in its group, then runs the control's handler.
class FormDriver {
  public:
    FormDriver() { modes.Form_Load(); }
    FormDriver(const FormDriver&) = delete;
    FormDriver& operator=(const FormDriver&) = delete;

    void Click(std::string_view control) {
        if (control == "Option4") geometry_ = Option::Option4;
        if (control == "Option5") geometry_ = Option::Option5;
        if (control == "Option6") given_ = Option::Option6;
        if (control == "Option7") given_ = Option::Option7;
        if (control == "Option8") given_ = Option::Option8;
        window.boxes.select(geometry_, given_);
        for (const auto& [name, run] : kClickHandlers) {
            if (name == control) return (modes.*run)();
        }
        ADD_FAILURE() << "no handler for " << control;
    }
    void Enter() { Click("Command1"); }

    FakeWindow window;
    InputModes modes{window};

  private:
    Option geometry_ = Option::Option4;
    Option given_ = Option::Option6;
};

}  // namespace dephlegmator::testing
