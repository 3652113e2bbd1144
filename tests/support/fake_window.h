#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "array_controls.h"
#include "error_messages.h"
#include "window.h"
#include "window_layout.h"

namespace dephlegmator::testing {

// The window without a toolkit: the boxes and options of ArrayControls, plus the focus, which
// box has its whole text selected, what is shown, the accessible names and the errors reported.
// Starts as the window is built: every control visible as the layout table says, no focus.
class FakeWindow : public Window {
  public:
    FakeWindow() {
        for (const auto& row : layout::kControls) visible_[std::string(row.name)] = row.visible;
    }

    ArrayControls boxes;
    std::string focused;
    std::string selected;  // the box whose whole text is selected, if its text has not changed
    std::vector<std::string> focusedWhileHidden;
    std::map<std::string, std::string, std::less<>> accessibleNames;
    std::map<std::string, std::string, std::less<>> captions;  // as last written, not as built
    std::map<std::string, std::string, std::less<>> toolTips;
    std::map<std::string, std::string, std::less<>> marks;  // the marked boxes and their texts
    int markChanges = 0;
    std::vector<std::string> checks;  // the option buttons check() selected, in order
    std::vector<CalcError::Kind> errors;
    std::vector<CalcError::Stage> stages;
    std::vector<std::string> messages;
    // Called on every focus move, as a toolkit that reports the handlers' own focus moves does.
    std::function<void(std::string_view)> onFocus;

    bool visible(std::string_view control) const { return visible_.find(control)->second; }

    std::string text(Box box) const override { return boxes.text(box); }
    void setText(Box box, const std::string& text) override {
        boxes.setText(box, text);
        if (selected == BoxName(box)) selected.clear();
    }
    bool isSelected(Option option) const override { return boxes.isSelected(option); }
    std::string decimalSeparator() const override { return boxes.decimalSeparator(); }

    void focus(std::string_view control) override {
        if (!visible(control)) focusedWhileHidden.emplace_back(control);
        focused = control;
        if (onFocus) onFocus(control);
    }
    void selectAll(std::string_view box) override { selected = box; }
    void setVisible(std::string_view control, bool shown) override {
        visible_.find(control)->second = shown;
    }
    void check(std::string_view option) override { checks.emplace_back(option); }
    void setMark(std::string_view box, std::string_view problem) override {
        ++markChanges;
        if (problem.empty()) {
            marks.erase(std::string(box));
        } else {
            marks[std::string(box)] = problem;
        }
    }
    void setAccessibleName(std::string_view control, std::string_view name) override {
        accessibleNames[std::string(control)] = name;
    }
    void setCaption(std::string_view control, std::string_view caption) override {
        captions[std::string(control)] = caption;
    }
    void setToolTip(std::string_view control, std::string_view tip) override {
        toolTips[std::string(control)] = tip;
    }
    void reportError(const CalcError& error, const std::string& message) override {
        errors.push_back(error.kind());
        stages.push_back(error.stage());
        messages.push_back(message);
    }

  private:
    std::map<std::string, bool, std::less<>> visible_;
};

}  // namespace dephlegmator::testing
