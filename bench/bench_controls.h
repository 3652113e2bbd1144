#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "controls.h"
#include "form_state.h"

namespace dephlegmator::bench {

// The window's boxes in a plain array, so that a benchmark measures the calculation and not the
// container: result boxes start as "___", one option of each group is selected.
class BenchControls : public Controls {
  public:
    BenchControls(Option geometry, Option given, std::string separator = ".")
        : separator_(std::move(separator)) {
        for (std::size_t i = Index(Box::Text7); i < texts_.size(); ++i) texts_[i] = "___";
        selected_[Index(geometry)] = true;
        selected_[Index(given)] = true;
    }

    std::string text(Box box) const override { return texts_[Index(box)]; }
    void setText(Box box, const std::string& text) override { texts_[Index(box)] = text; }
    bool isSelected(Option option) const override { return selected_[Index(option)]; }
    std::string decimalSeparator() const override { return separator_; }

    BenchControls& set(Box box, std::string text) {
        texts_[Index(box)] = std::move(text);
        return *this;
    }

  private:
    template <typename Enum>
    static std::size_t Index(Enum e) {
        return static_cast<std::size_t>(e);
    }

    std::array<std::string, static_cast<std::size_t>(Box::Text10) + 1> texts_;
    std::array<bool, static_cast<std::size_t>(Option::Option8) + 1> selected_{};
    std::string separator_;
};

// The variables as the load handler leaves them.
inline FormState LoadedState() {
    FormState state;
    state.HeatTransferK = 680;
    state.SpecificHeatC = 3760;
    return state;
}

}  // namespace dephlegmator::bench
