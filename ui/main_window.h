#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

#include "input_modes.h"
#include "widget_window.h"

namespace dephlegmator {

// The calculator's one window in Qt Widgets: it builds its controls from the layout table, lends
// them to the window's behaviour (InputModes) and forwards clicks and keys to its handlers.
// Being a dialog gives it the default button: Enter anywhere runs Command1.
class FormMorvani final : public QDialog {
    Q_OBJECT

  public:
    using ErrorReport = WidgetWindow::ErrorReport;

    explicit FormMorvani(QWidget* parent = nullptr);

    // Replaces the message box that reports a failed calculation; an empty report restores it.
    void setErrorReport(ErrorReport report);

    const FormState& state() const { return modes_.state(); }
    std::int16_t enterStep() const { return modes_.enterStep(); }
    // The controls as the behaviour reads and writes them.
    Window& controls() { return controls_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Tells the behaviour which box the user has put the focus into (InputModes::BoxFocused), by
    // mouse, touch, Tab or a shortcut; the handlers' own focus moves and the window's activation
    // do not count.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void ConnectHandlers();
    // The user's edit of an input box: within its typing limit it goes to TextChanged, beyond it
    // to TextCut, which keeps what fits and marks the box. QLineEdit's own limit would cut a
    // paste silently, so the boxes have none and the limit is kept here.
    void Edited(Box box, const QString& text);

    WidgetWindow controls_;
    InputModes modes_{controls_};
    // Each input box's text as last changed and the one before, in kInputBoxes order: what an
    // edit started from, whichever of textChanged and textEdited comes first.
    std::array<QString, kInputBoxes.size()> texts_;
    std::array<QString, kInputBoxes.size()> previousTexts_;
};

}  // namespace dephlegmator
