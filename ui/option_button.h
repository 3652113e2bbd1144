#pragma once

#include <QRadioButton>

namespace dephlegmator {

// An option button whose caption wraps at spaces when it is wider than the button, so that a
// long caption stays readable inside a narrow frame whatever the standard font.
class OptionButton : public QRadioButton {
    Q_OBJECT

  public:
    using QRadioButton::QRadioButton;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

  private:
    int captionIndent() const;
};

}  // namespace dephlegmator
