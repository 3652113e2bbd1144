// Time from an Enter key press in the window to the end of the repaint of the result boxes.
//   bench_recalculate [samples]
// The given outlet temperature alternates between 40 and 41, so that every Enter changes the
// three result boxes of the outlet-temperature case and they must be painted again.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "main_window.h"

namespace {

using Clock = std::chrono::steady_clock;
using dephlegmator::Box;

// Counts the paint events of the boxes it watches.
class PaintWatch : public QObject {
  public:
    void watch(QWidget* widget) {
        widget->installEventFilter(this);
        painted_.push_back({widget, false});
    }
    void reset() {
        for (auto& [widget, painted] : painted_) painted = false;
    }
    bool allPainted() const {
        return std::all_of(painted_.begin(), painted_.end(),
                           [](const auto& p) { return p.second; });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            for (auto& [widget, painted] : painted_) painted = painted || widget == watched;
        }
        return false;
    }

  private:
    std::vector<std::pair<QObject*, bool>> painted_;
};

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int samples = argc > 1 ? std::atoi(argv[1]) : 300;
    constexpr int kWarmUp = 20;

    dephlegmator::FormMorvani window;
    window.controls().setText(Box::Text1, "78");
    window.controls().setText(Box::Text2, "15");
    window.controls().setText(Box::Text3, "100");
    window.controls().setText(Box::Text4, "5");
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    // Without a window manager the window may never become active; the key still goes to the box
    // that holds the window's focus, as it would in an active window.
    window.activateWindow();
    const bool active = QTest::qWaitForWindowActive(&window, 500);

    PaintWatch watch;
    for (const char* name : {"Text7", "Text8", "Text9"}) {
        watch.watch(window.findChild<QLineEdit*>(QString::fromLatin1(name)));
    }
    std::vector<double> micros;
    for (int i = 0; i < kWarmUp + samples; ++i) {
        window.controls().setText(Box::Text6, i % 2 == 0 ? "40" : "41");
        QTest::qWait(2);  // let the edit of Text6 paint before the clock starts
        watch.reset();
        const auto start = Clock::now();
        QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        while (!watch.allPainted()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (Clock::now() - start > std::chrono::seconds(5)) return 1;
        }
        const std::chrono::duration<double, std::micro> elapsed = Clock::now() - start;
        if (i >= kWarmUp) micros.push_back(elapsed.count());
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("Qt %s, QT_QPA_PLATFORM=%s, window %s, %d Enter presses\n", QT_VERSION_STR,
                platform ? platform : "(unset)", active ? "active" : "not active", samples);
    std::printf("Enter to repainted results: median %.0f us, 90%% %.0f us, max %.0f us\n",
                Percentile(micros, 0.5), Percentile(micros, 0.9), Percentile(micros, 1.0));
    std::printf(
        "last results: Text7 %s, Text8 %s, Text9 %s\n", window.controls().text(Box::Text7).c_str(),
        window.controls().text(Box::Text8).c_str(), window.controls().text(Box::Text9).c_str());
    return 0;
}
