#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panel_settings.h"
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
        SetContent,
        Check,
        SetCaption,
        SetToolTip
    };
    Kind kind;
    std::string control;  // ShowError: the title
    // SetText: the text; SetMark: the problem, "" for none; SetAccessibleName: the name;
    // ShowError: the message; Announce: what the live region says (control empty); SetContent:
    // the text an output element shows; Check: none;
    // SetCaption: the caption; SetToolTip: the tooltip, "" for none
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
    void setCaption(std::string_view control, std::string_view caption) override;
    void setToolTip(std::string_view control, std::string_view tip) override;
    void reportError(const CalcError& error, const std::string& message) override;

    // Has the page's live region say `sentence`, in order with the other operations.
    void announce(std::string_view sentence);
    // The others of its group read as cleared from then on.
    void check(std::string_view option) override;

    // The design panel's elements beyond the window's controls, by id, read and written as the
    // boxes are: an element written reads as written until the operations reach the page.
    std::string valueOf(std::string_view id) const;
    void setValueOf(std::string_view id, std::string_view text);
    void setContent(std::string_view id, std::string_view text);

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
    mutable std::map<std::string, std::string, std::less<>> values_;
};

// The design panel's section of settings over the same page and batch as the window.
class BatchedPanel final : public PanelControls {
  public:
    explicit BatchedPanel(BatchedWindow& window) : window_(window) {}

    std::string value(std::string_view id) const override { return window_.valueOf(id); }
    void setValue(std::string_view id, std::string_view text) override {
        window_.setValueOf(id, text);
    }
    void setContent(std::string_view id, std::string_view text) override {
        window_.setContent(id, text);
    }
    void setMark(std::string_view id, std::string_view problem) override {
        window_.setMark(id, problem);
    }
    // The chart is kept for the page to draw from what the module hands it after the handler
    // (drawing()); the name reaches it with the window's operations.
    void setDrawing(std::string_view id, std::optional<Chart> chart,
                    std::string_view name) override {
        drawings_.insert_or_assign(std::string(id), std::move(chart));
        window_.setAccessibleName(id, name);
    }
    void setShown(std::string_view id, bool shown) override { window_.setVisible(id, shown); }
    std::string decimalSeparator() const override { return window_.decimalSeparator(); }

    // What the drawing `id` shows since it was last set; none where it shows nothing.
    const std::optional<Chart>& drawing(std::string_view id) const {
        static const std::optional<Chart> kNone;
        const auto found = drawings_.find(id);
        return found == drawings_.end() ? kNone : found->second;
    }

  private:
    BatchedWindow& window_;
    std::map<std::string, std::optional<Chart>, std::less<>> drawings_;
};

}  // namespace dephlegmator
