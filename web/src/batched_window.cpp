#include "batched_window.h"

#include <algorithm>
#include <utility>

#include "error_messages.h"

namespace dephlegmator {

std::string BatchedWindow::text(Box box) const {
    auto& known = texts_[static_cast<std::size_t>(box)];
    if (!known) known = page_.text(BoxName(box));
    return *known;
}

void BatchedWindow::setText(Box box, const std::string& text) {
    texts_[static_cast<std::size_t>(box)] = text;
    push(PageOperation::Kind::SetText, BoxName(box), text);
}

bool BatchedWindow::isSelected(Option option) const {
    auto& known = options_[static_cast<std::size_t>(option)];
    if (!known) known = page_.isChecked(OptionName(option));
    return *known;
}

std::string BatchedWindow::decimalSeparator() const {
    if (!separator_) separator_ = page_.decimalSeparator();
    return *separator_;
}

void BatchedWindow::focus(std::string_view control) {
    push(PageOperation::Kind::Focus, control);
}

void BatchedWindow::selectAll(std::string_view box) {
    push(PageOperation::Kind::SelectAll, box);
}

void BatchedWindow::setVisible(std::string_view control, bool visible) {
    push(visible ? PageOperation::Kind::Show : PageOperation::Kind::Hide, control);
}

void BatchedWindow::setMark(std::string_view box, std::string_view problem) {
    push(PageOperation::Kind::SetMark, box, problem);
}

void BatchedWindow::setAccessibleName(std::string_view control, std::string_view name) {
    push(PageOperation::Kind::SetAccessibleName, control, name);
}

void BatchedWindow::setCaption(std::string_view control, std::string_view caption) {
    push(PageOperation::Kind::SetCaption, control, caption);
}

void BatchedWindow::setToolTip(std::string_view control, std::string_view tip) {
    push(PageOperation::Kind::SetToolTip, control, tip);
}

void BatchedWindow::reportError(const CalcError& /*error*/, const std::string& message) {
    push(PageOperation::Kind::ShowError, ErrorTitle(), message);
}

void BatchedWindow::announce(std::string_view sentence) {
    push(PageOperation::Kind::Announce, {}, sentence);
}

std::string BatchedWindow::valueOf(std::string_view id) const {
    auto known = values_.find(id);
    if (known == values_.end()) known = values_.emplace(id, page_.text(id)).first;
    return known->second;
}

void BatchedWindow::setValueOf(std::string_view id, std::string_view text) {
    values_.insert_or_assign(std::string(id), std::string(text));
    push(PageOperation::Kind::SetText, id, text);
}

void BatchedWindow::setContent(std::string_view id, std::string_view text) {
    push(PageOperation::Kind::SetContent, id, text);
}

void BatchedWindow::check(std::string_view option) {
    // Of the buttons the calculation reads, Option4 and Option5 are one group, Option6 to Option8
    // the other.
    constexpr auto kFirstGiven = static_cast<std::size_t>(Option::Option6);
    const auto at = static_cast<std::size_t>(
        std::find(kOptionNames.begin(), kOptionNames.end(), option) - kOptionNames.begin());
    for (std::size_t i = 0; i < kOptionCount && at < kOptionCount; ++i) {
        if ((i < kFirstGiven) == (at < kFirstGiven)) options_[i] = i == at;
    }
    push(PageOperation::Kind::Check, option);
}

void BatchedWindow::flush() {
    texts_ = {};
    options_ = {};
    values_.clear();
    if (operations_.empty()) return;
    // Emptied before the page runs: the page may call a handler back while it applies them (the
    // focus report), whose own flush must send nothing twice.
    const std::vector<PageOperation> operations = std::exchange(operations_, {});
    page_.apply(operations);
}

void BatchedWindow::push(PageOperation::Kind kind, std::string_view control,
                         std::string_view text) {
    operations_.push_back({kind, std::string(control), std::string(text)});
}

}  // namespace dephlegmator
