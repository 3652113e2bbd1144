#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "window.h"

class QLineEdit;

namespace dephlegmator {

// The window's controls as the shared behaviour sees them: each operation of Window done to the
// Qt widget that bears the control's name.
class WidgetWindow final : public Window {
  public:
    using ErrorReport = std::function<void(const CalcError&, const std::string& message)>;

    // Registers a control under its name from the layout table.
    void add(std::string_view name, QWidget* widget);
    // The control of that name; a name the window lacks is a programming error and aborts.
    QWidget* widget(std::string_view name) const;
    void setErrorReport(ErrorReport report) { report_ = std::move(report); }

    std::string text(Box box) const override;
    void setText(Box box, const std::string& text) override;
    bool isSelected(Option option) const override;
    std::string decimalSeparator() const override;
    void focus(std::string_view control) override;
    void selectAll(std::string_view box) override;
    void setVisible(std::string_view control, bool visible) override;
    void check(std::string_view option) override;
    void setMark(std::string_view box, std::string_view problem) override;
    void setAccessibleName(std::string_view control, std::string_view name) override;
    void setCaption(std::string_view control, std::string_view caption) override;
    void setToolTip(std::string_view control, std::string_view tip) override;
    void reportError(const CalcError& error, const std::string& message) override;

  private:
    QLineEdit* lineEdit(std::string_view name) const;

    std::map<std::string_view, QWidget*, std::less<>> controls_;
    ErrorReport report_;
};

}  // namespace dephlegmator
