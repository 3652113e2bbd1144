#pragma once

#include <string>

namespace dephlegmator {

// The window's text boxes that the calculation reads or writes, by their control names.
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

// The option buttons whose selection the calculation reads.
enum class Option { Option4, Option5, Option6, Option7, Option8 };

// What the calculation needs of the window. Texts are UTF-8.
class Controls {
  public:
    virtual ~Controls() = default;

    virtual std::string text(Box box) const = 0;
    virtual void setText(Box box, const std::string& text) = 0;
    virtual bool isSelected(Option option) const = 0;
    // The decimal separator of the user's regional settings, used for every number written.
    virtual std::string decimalSeparator() const = 0;
};

}  // namespace dephlegmator
