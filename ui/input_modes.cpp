// The window's event handlers: the load handler, the option buttons that switch the input modes,
// and the recalculate command that walks the focus through the input boxes.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "accessible_names.h"
#include "calculate.h"
#include "main_window.h"

namespace dephlegmator {
namespace {

// Selection start 0, then the given length; a length beyond the text selects all of it.
void SelectLeading(QLineEdit* box, int length) {
    box->setSelection(0, length);
}

void Focus(QLineEdit* box) {
    box->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void FormMorvani::ConnectHandlers() {
    connect(Option1, &QRadioButton::clicked, this, &FormMorvani::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &FormMorvani::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &FormMorvani::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &FormMorvani::Option4_Click);
    connect(Option5, &QRadioButton::clicked, this, &FormMorvani::Option5_Click);
    connect(Option6, &QRadioButton::clicked, this, &FormMorvani::Option6_Click);
    connect(Option7, &QRadioButton::clicked, this, &FormMorvani::Option7_Click);
    connect(Option8, &QRadioButton::clicked, this, &FormMorvani::Option8_Click);
    connect(Command1, &QPushButton::clicked, this, &FormMorvani::Command1_Click);
}

void FormMorvani::HighlightText1() {
    SelectLeading(Text1, 4);
}
void FormMorvani::HighlightText2() {
    SelectLeading(Text2, 2);
}
void FormMorvani::HighlightText3() {
    SelectLeading(Text3, 3);
}
void FormMorvani::HighlightText4() {
    SelectLeading(Text4, 3);
}
void FormMorvani::HighlightText5() {
    SelectLeading(Text5, 4);
}
void FormMorvani::HighlightText6() {
    SelectLeading(Text6, 4);
}

void FormMorvani::Form_Load() {
    state_.SpecificHeatC = 3760.0;
    state_.HeatTransferK = 680.0;
    state_.EnterStep = 0;
    Text1->setText(QString::fromStdString(FormatNumber(78, decimalSeparator())));
    HighlightText1();
}

// Condensation-temperature presets.

void FormMorvani::Option1_Click() {
    Text1->setText(QString::fromStdString(FormatNumber(78, decimalSeparator())));
    state_.EnterStep = 0;
}

void FormMorvani::Option2_Click() {
    Text1->setText(QString::fromStdString(FormatNumber(88, decimalSeparator())));
    state_.EnterStep = 0;
}

void FormMorvani::Option3_Click() {
    Focus(Text1);
    HighlightText1();
    state_.EnterStep = 0;
}

// Geometry modes. Showing comes before hiding so that a focused box is never hidden first.

void FormMorvani::ApplyHeightDiameterSet() {
    Text3->setVisible(true);
    Text4->setVisible(true);
    Text5->setVisible(false);
    Label6->setVisible(false);
    Label5->setVisible(true);
    Label4->setVisible(true);
}

void FormMorvani::ApplyAreaSet() {
    Text5->setVisible(true);
    Text3->setVisible(false);
    Text4->setVisible(false);
    Label6->setVisible(true);
    Label5->setVisible(false);
    Label4->setVisible(false);
}

void FormMorvani::Option4_Click() {
    ApplyHeightDiameterSet();
    Focus(Text3);
    HighlightText3();
    state_.EnterStep = 2;
}

void FormMorvani::Option5_Click() {
    ApplyAreaSet();
    Focus(Text5);
    HighlightText5();
    state_.EnterStep = 2;
}

// The quantity Text6 holds: its unit label, then the focus into Text6.

void FormMorvani::ShowGivenUnit(QLabel* unit) {
    for (QLabel* label : {Label7, Label8, Label9}) label->setVisible(label == unit);
    Text6->setAccessibleName(GivenQuantityName(unit->objectName()));
    Focus(Text6);
    HighlightText6();
    state_.EnterStep = Option5->isChecked() ? 3 : 4;
}

void FormMorvani::Option6_Click() {
    ShowGivenUnit(Label7);
}
void FormMorvani::Option7_Click() {
    ShowGivenUnit(Label8);
}
void FormMorvani::Option8_Click() {
    ShowGivenUnit(Label9);
}

// The recalculate command: move the focus to the input box of the current step, advance the
// step, then recalculate. The focus move and the step stay even if the calculation fails.
void FormMorvani::Command1_Click() {
    if (state_.EnterStep == 0) {
        Focus(Text2);
        HighlightText2();
    }
    if (Option4->isChecked()) {
        ApplyHeightDiameterSet();
        FocusHeightDiameterStep();
        state_.EnterStep = state_.EnterStep < 4 ? state_.EnterStep + 1 : 0;
    }
    if (Option5->isChecked()) {
        ApplyAreaSet();
        FocusAreaStep();
        state_.EnterStep = state_.EnterStep < 3 ? state_.EnterStep + 1 : 0;
    }
    RunCalculation();
}

// Height/diameter cycle: Text1, Text2, Text3, Text4, Text6. Step 0 has already focused Text2.
void FormMorvani::FocusHeightDiameterStep() {
    switch (state_.EnterStep) {
        case 1:
            return FocusAndHighlight(Text3, &FormMorvani::HighlightText3);
        case 2:
            return FocusAndHighlight(Text4, &FormMorvani::HighlightText4);
        case 3:
            return FocusAndHighlight(Text6, &FormMorvani::HighlightText6);
        case 4:
            return FocusAndHighlight(Text1, &FormMorvani::HighlightText1);
        default:
            return;
    }
}

// Area cycle: Text1, Text2, Text5, Text6. Step 0 has already focused Text2; step 4 moves nothing.
void FormMorvani::FocusAreaStep() {
    switch (state_.EnterStep) {
        case 1:
            return FocusAndHighlight(Text5, &FormMorvani::HighlightText5);
        case 2:
            return FocusAndHighlight(Text6, &FormMorvani::HighlightText6);
        case 3:
            return FocusAndHighlight(Text1, &FormMorvani::HighlightText1);
        default:
            return;
    }
}

void FormMorvani::FocusAndHighlight(QLineEdit* box, void (FormMorvani::*highlight)()) {
    Focus(box);
    (this->*highlight)();
}

void FormMorvani::RunCalculation() {
    try {
        Calculate(state_, *this);
    } catch (const CalcError& error) {
        report_(error);
    }
}

}  // namespace dephlegmator
