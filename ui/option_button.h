#pragma once

#include <QRadioButton>

namespace dephlegmator {

// An option button whose caption wraps at spaces when it is wider than the button, so that a
// long caption stays readable inside a narrow frame whatever the standard font. The arrow keys
// move the focus to the neighbour in the button's group first and then click it, so that the
// click's handler has the last word on where the focus goes.
class OptionButton : public QRadioButton {
    Q_OBJECT

  public:
    using QRadioButton::QRadioButton;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

  private:
    int captionIndent() const;
};

}  // namespace dephlegmator
