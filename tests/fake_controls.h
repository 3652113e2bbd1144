#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "controls.h"
#include "form_state.h"

namespace dephlegmator::testing {

// An in-memory window: box texts, the selected options and the regional decimal separator.
// Starts as the window does: result boxes "___", Option4 and Option6 selected.
class FakeControls : public Controls {
  public:
    FakeControls() {
        for (Box box : {Box::Text7, Box::Text8, Box::Text9, Box::Text71, Box::Text81, Box::Text91,
                        Box::Text10}) {
            texts_[box] = "___";
        }
    }

    std::string text(Box box) const override {
        const auto it = texts_.find(box);
        return it == texts_.end() ? std::string() : it->second;
    }
    void setText(Box box, const std::string& text) override {
        texts_[box] = text;
        writes_.push_back(box);
    }
    bool isSelected(Option option) const override { return selected_.count(option) != 0; }
    std::string decimalSeparator() const override { return separator_; }

    FakeControls& set(Box box, std::string text) {
        texts_[box] = std::move(text);
        return *this;
    }
    // Selects a geometry option (Option4/5) and a given-quantity option (Option6/7/8).
    FakeControls& select(Option geometry, Option given) {
        selected_ = {geometry, given};
        return *this;
    }
    FakeControls& separator(std::string separator) {
        separator_ = std::move(separator);
        return *this;
    }

    const std::vector<Box>& writes() const { return writes_; }
    void clearWrites() { writes_.clear(); }

  private:
    std::map<Box, std::string> texts_;
    std::set<Option> selected_{Option::Option4, Option::Option6};
    std::string separator_ = ".";
    std::vector<Box> writes_;
};

// The variables as the load handler leaves them.
inline FormState LoadedState() {
    FormState state;
    state.HeatTransferK = 680;
    state.SpecificHeatC = 3760;
    return state;
}

}  // namespace dephlegmator::testing
