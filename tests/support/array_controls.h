#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "controls.h"

namespace dephlegmator::testing {

// The window's boxes and option buttons in plain arrays, for tests, fuzz targets and benchmarks.
// Starts as the window does: input boxes empty, result boxes kNoResult, Option4 and Option6
// selected, '.' the decimal separator. Every setText is logged.
class ArrayControls : public Controls {
  public:
    ArrayControls() {
        for (std::size_t i = Index(Box::Text7); i < kBoxCount; ++i) texts_[i] = kNoResult;
        select(Option::Option4, Option::Option6);
    }

    std::string text(Box box) const override { return texts_[Index(box)]; }
    void setText(Box box, const std::string& text) override {
        texts_[Index(box)] = text;
        writes_.push_back(box);
    }
    bool isSelected(Option option) const override { return selected_[Index(option)]; }
    std::string decimalSeparator() const override { return separator_; }

    // Types a text into a box, unlogged.
    ArrayControls& set(Box box, std::string text) {
        texts_[Index(box)] = std::move(text);
        return *this;
    }
    // Selects a geometry option (Option4/5) and a given-quantity option (Option6/7/8), one of each
    // group as the window always has.
    ArrayControls& select(Option geometry, Option given) {
        selected_.fill(false);
        selected_[Index(geometry)] = true;
        selected_[Index(given)] = true;
        return *this;
    }
    ArrayControls& separator(std::string decimalSeparator) {
        separator_ = std::move(decimalSeparator);
        return *this;
    }

    // The boxes setText wrote, in order.
    const std::vector<Box>& writes() const { return writes_; }
    void clearWrites() { writes_.clear(); }

  private:
    template <typename Enum>
    static constexpr std::size_t Index(Enum e) {
        return static_cast<std::size_t>(e);
    }

    std::array<std::string, kBoxCount> texts_;
    std::array<bool, kOptionCount> selected_{};
    std::string separator_ = ".";
    std::vector<Box> writes_;
};

}  // namespace dephlegmator::testing
