#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window.h"

namespace dephlegmator {

// What a handler does to the page, in the order it did it.
struct PageOperation {
    enum class Kind {
        SetText,
        Focus,
        SelectAll,
        Show,
        Hide,
        SetMark,
        SetAccessibleName,
        ShowError,
        Announce,
        Check
    };
    Kind kind;
    std::string control;  // ShowError: the title
    // SetText: the text; SetMark: the problem, "" for none; SetAccessibleName: the name;
    // ShowError: the message; Announce: what the live region says (control empty); Check: none
    std::string text;
};

// The page as the window's behaviour reaches it: what it reads, and the operations it receives
// together at the end of a handler.
class Page {
  public:
    virtual ~Page() = default;
    virtual std::string text(std::string_view box) = 0;
    virtual bool isChecked(std::string_view option) = 0;
    virtual std::string decimalSeparator() = 0;
    virtual void apply(const std::vector<PageOperation>& operations) = 0;
};

// A Window over the page that keeps a handler's operations and hands them to the page in one
// call, flush(), at the handler's end: a call into the page costs far more than the operation it
// carries, and the page then writes without reading layout between writes. Until then the window
// answers for itself: a box it wrote reads as written, and a box or option read once is not asked
// again, since the user cannot change the page while a handler runs. The decimal separator is
// asked once, when a number is first read or written: a browser sets up its number formats on
// first use, which is better not done while the page loads.
class BatchedWindow final : public Window {
  public:
    explicit BatchedWindow(Page& page) : page_(page) {}

    std::string text(Box box) const override;
    void setText(Box box, const std::string& text) override;
    bool isSelected(Option option) const override;
    std::string decimalSeparator() const override;

    void focus(std::string_view control) override;
    void selectAll(std::string_view box) override;
    void setVisible(std::string_view control, bool visible) override;
    void setMark(std::string_view box, std::string_view problem) override;
    void setAccessibleName(std::string_view control, std::string_view name) override;
    void reportError(const CalcError& error, const std::string& message) override;

    // Has the page's live region say `sentence`, in order with the other operations.
    void announce(std::string_view sentence);
    // Selects an option button as a click does, without its handler; the others of its group
    // read as cleared from then on.
    void check(std::string_view option);

    // Hands the kept operations to the page, if any, and forgets what was read: the next handler
    // reads the page afresh.
    void flush();

  private:
    void push(PageOperation::Kind kind, std::string_view control, std::string_view text = {});

    Page& page_;
    std::vector<PageOperation> operations_;
    mutable std::array<std::optional<std::string>, kBoxCount> texts_;
    mutable std::array<std::optional<bool>, kOptionCount> options_;
    mutable std::optional<std::string> separator_;
};

}  // namespace dephlegmator
