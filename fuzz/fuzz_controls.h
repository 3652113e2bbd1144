#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "controls.h"

namespace dephlegmator::fuzz {

constexpr std::size_t kBoxCount = static_cast<std::size_t>(Box::Text10) + 1;
constexpr std::size_t kOptionCount = static_cast<std::size_t>(Option::Option8) + 1;
constexpr const char* kInitialResult = "___";

// The window's boxes and option buttons in plain arrays; result boxes start as "___".
class FuzzControls : public Controls {
  public:
    explicit FuzzControls(std::string separator) : separator_(std::move(separator)) {
        for (std::size_t i = static_cast<std::size_t>(Box::Text7); i < kBoxCount; ++i) {
            texts_[i] = kInitialResult;
        }
    }

    std::string text(Box box) const override { return texts_[Index(box)]; }
    void setText(Box box, const std::string& text) override { texts_[Index(box)] = text; }
    bool isSelected(Option option) const override { return selected_[Index(option)]; }
    std::string decimalSeparator() const override { return separator_; }

    // Selects one button of each group, as the window's option groups always hold.
    void select(Option geometry, Option given) {
        selected_.fill(false);
        selected_[Index(geometry)] = true;
        selected_[Index(given)] = true;
    }

  private:
    template <typename Enum>
    static std::size_t Index(Enum e) {
        return static_cast<std::size_t>(e);
    }

    std::array<std::string, kBoxCount> texts_;
    std::array<bool, kOptionCount> selected_{};
    std::string separator_;
};

}  // namespace dephlegmator::fuzz
