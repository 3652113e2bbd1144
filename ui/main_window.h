#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "calc_error.h"
#include "controls.h"
#include "form_state.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dephlegmator {

// The calculator's one window. It owns the controls and the window variables, runs the input-mode
// handlers and the recalculate command, and lets the calculation reach its boxes by name.
// Being a dialog gives it the default button: Enter anywhere runs Command1.
class FormMorvani : public QDialog, public Controls {
    Q_OBJECT

  public:
    using ErrorReport = std::function<void(const CalcError&)>;

    explicit FormMorvani(QWidget* parent = nullptr);

    // Replaces the message box that reports a failed calculation.
    void setErrorReport(ErrorReport report);

    const FormState& state() const { return state_; }

    // Controls
    std::string text(Box box) const override;
    void setText(Box box, const std::string& text) override;
    bool isSelected(Option option) const override;
    std::string decimalSeparator() const override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildControls();
    void ConnectHandlers();

    // Event handlers (input_modes.cpp).
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Command1_Click();

    // Select the leading characters of a box without moving the focus.
    void HighlightText1();
    void HighlightText2();
    void HighlightText3();
    void HighlightText4();
    void HighlightText5();
    void HighlightText6();

    void ApplyHeightDiameterSet();
    void ApplyAreaSet();
    void ShowGivenUnit(QLabel* unit);
    void FocusHeightDiameterStep();
    void FocusAreaStep();
    void FocusAndHighlight(QLineEdit* box, void (FormMorvani::*highlight)());
    void RunCalculation();

    QLineEdit* box(Box box) const;

    FormState state_;
    ErrorReport report_;

    // The controls the handlers and the calculation address by name.
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr,
              *Text5 = nullptr, *Text6 = nullptr;
    QLabel *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr,
           *Label8 = nullptr, *Label9 = nullptr;
    QRadioButton *Option1 = nullptr, *Option2 = nullptr, *Option3 = nullptr, *Option4 = nullptr,
                 *Option5 = nullptr, *Option6 = nullptr, *Option7 = nullptr, *Option8 = nullptr;
    QPushButton* Command1 = nullptr;
    std::array<QLineEdit*, 13> boxes_{};  // indexed by Box
};

}  // namespace dephlegmator
