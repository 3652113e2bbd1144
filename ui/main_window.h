#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string_view>

#include "calc_error.h"
#include "input_modes.h"
#include "window.h"

class QLineEdit;
class QRadioButton;

namespace dephlegmator {

// The calculator's one window in Qt Widgets: it builds its controls from the layout table, lends
// them to the window's behaviour (InputModes) and forwards clicks and keys to its handlers.
// Being a dialog gives it the default button: Enter anywhere runs Command1.
class FormMorvani final : public QDialog, public Window {
    Q_OBJECT

  public:
    using ErrorReport = std::function<void(const CalcError&)>;

    explicit FormMorvani(QWidget* parent = nullptr);

    // Replaces the message box that reports a failed calculation; an empty report restores it.
    void setErrorReport(ErrorReport report);

    const FormState& state() const { return modes_.state(); }
    std::int16_t enterStep() const { return modes_.enterStep(); }

    // Controls
    std::string text(Box box) const override;
    void setText(Box box, const std::string& text) override;
    bool isSelected(Option option) const override;
    std::string decimalSeparator() const override;

    // Window
    void focus(std::string_view control) override;
    void selectAll(std::string_view box) override;
    void setVisible(std::string_view control, bool visible) override;
    void setAccessibleName(std::string_view control, std::string_view name) override;
    void reportError(const CalcError& error) override;

    using QDialog::setAccessibleName;
    using QDialog::setVisible;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildControls();
    void ConnectHandlers();
    QWidget* widget(std::string_view name) const;
    QLineEdit* lineEdit(std::string_view name) const;

    InputModes modes_{*this};
    ErrorReport report_;
    std::map<std::string_view, QWidget*, std::less<>> controls_;
};

}  // namespace dephlegmator
