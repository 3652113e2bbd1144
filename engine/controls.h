#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace dephlegmator {

// The window's text boxes that the calculation reads or writes, by their control names: the input
// boxes Text1 to Text6, then the result boxes.
enum class Box {
    Text1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text71,
    Text81,
    Text91,
    Text10
};

// The input boxes, and the boxes a calculation writes its results into, in Box order.
inline constexpr std::array<Box, 6> kInputBoxes{Box::Text1, Box::Text2, Box::Text3,
                                                Box::Text4, Box::Text5, Box::Text6};
inline constexpr std::array<Box, 7> kResultBoxes{Box::Text7,  Box::Text8,  Box::Text9, Box::Text71,
                                                 Box::Text81, Box::Text91, Box::Text10};

// The option buttons whose selection the calculation reads.
enum class Option { Option4, Option5, Option6, Option7, Option8 };

inline constexpr std::size_t kBoxCount = static_cast<std::size_t>(Box::Text10) + 1;
inline constexpr std::size_t kOptionCount = static_cast<std::size_t>(Option::Option8) + 1;

// The control names of the boxes, in Box order.
inline constexpr std::array<std::string_view, kBoxCount> kBoxNames = {
    "Text1", "Text2", "Text3",  "Text4",  "Text5",  "Text6", "Text7",
    "Text8", "Text9", "Text71", "Text81", "Text91", "Text10"};

constexpr std::string_view BoxName(Box box) {
    return kBoxNames[static_cast<std::size_t>(box)];
}

// The control names of the option buttons, in Option order.
inline constexpr std::array<std::string_view, kOptionCount> kOptionNames = {
    "Option4", "Option5", "Option6", "Option7", "Option8"};

constexpr std::string_view OptionName(Option option) {
    return kOptionNames[static_cast<std::size_t>(option)];
}

// What a result box shows until the calculation first writes it.
inline constexpr std::string_view kNoResult = "___";

// What the calculation needs of the window. Texts are UTF-8.
class Controls {
  public:
    virtual ~Controls() = default;

    virtual std::string text(Box box) const = 0;
    virtual void setText(Box box, const std::string& text) = 0;
    virtual bool isSelected(Option option) const = 0;
    // The decimal separator of the user's regional settings: every number is written with it, and
    // a box's text is read with it as the decimal point ('.' is read as one too).
    virtual std::string decimalSeparator() const = 0;
};

}  // namespace dephlegmator
