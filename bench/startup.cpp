// Start-up cost of the window against a bare dialog with as many plain widgets of the same kinds.
//   bench_startup form     builds and shows FormMorvani, waits until it is exposed, quits
//   bench_startup bare     the same with a bare QDialog
//   bench_startup compare [runs]
//                          runs both modes alternately as child processes and prints the median
//                          whole-process wall time and peak resident memory of each, and ratios
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "main_window.h"
#include "window_layout.h"

namespace {

QWidget* PlainWidget(dephlegmator::layout::Kind kind, QWidget* parent) {
    using dephlegmator::layout::Kind;
    switch (kind) {
        case Kind::Frame:
            return new QGroupBox(QStringLiteral("Frame"), parent);
        case Kind::Label:
            return new QLabel(QStringLiteral("Label"), parent);
        case Kind::TextBox:
            return new QLineEdit(parent);
        case Kind::Option:
            return new QRadioButton(QStringLiteral("Option"), parent);
        case Kind::Button:
            return new QPushButton(QStringLiteral("Button"), parent);
    }
    return new QWidget(parent);
}

// The same number and kinds of widgets as the window, in a plain cascade, nothing else.
void FillBareDialog(QDialog& dialog) {
    int y = 0;
    for (const auto& row : dephlegmator::layout::kControls) {
        PlainWidget(row.kind, &dialog)->setGeometry(10, y, 120, 20);
        y += 12;
    }
    dialog.resize(625, 562);
}

int ShowAndQuit(int argc, char** argv, bool form) {
    QApplication app(argc, argv);
    QDialog bare;
    std::unique_ptr<dephlegmator::FormMorvani> window;
    QWidget* shown = &bare;
    if (form) {
        window = std::make_unique<dephlegmator::FormMorvani>();
        shown = window.get();
    } else {
        FillBareDialog(bare);
    }
    shown->show();
    return QTest::qWaitForWindowExposed(shown) ? 0 : 1;
}

struct Sample {
    double seconds;
    long maxRssKb;
};

Sample RunChild(const char* mode) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl("/proc/self/exe", "bench_startup", mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_startup %s failed (status %d)\n", mode, status);
        std::exit(1);
    }
    return {elapsed.count(), usage.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int Compare(int runs) {
    std::vector<double> formTime, bareTime;
    std::vector<long> formRss, bareRss;
    RunChild("form");  // warm the file cache for both
    RunChild("bare");
    for (int i = 0; i < runs; ++i) {
        const Sample f = RunChild("form");
        const Sample b = RunChild("bare");
        formTime.push_back(f.seconds);
        formRss.push_back(f.maxRssKb);
        bareTime.push_back(b.seconds);
        bareRss.push_back(b.maxRssKb);
    }
    const double ft = Median(formTime) * 1000, bt = Median(bareTime) * 1000;
    const long fm = Median(formRss), bm = Median(bareRss);
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("Qt %s, QT_QPA_PLATFORM=%s, %d runs of each, medians\n", QT_VERSION_STR,
                platform ? platform : "(unset)", runs);
    std::printf("FormMorvani: %8.1f ms  %7ld KiB peak RSS\n", ft, fm);
    std::printf("bare dialog: %8.1f ms  %7ld KiB peak RSS\n", bt, bm);
    std::printf("ratio:       %8.3f     %7.3f\n", ft / bt,
                static_cast<double>(fm) / static_cast<double>(bm));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "form" || mode == "bare") return ShowAndQuit(argc, argv, mode == "form");
    if (mode == "compare") return Compare(argc > 2 ? std::atoi(argv[2]) : 30);
    std::fprintf(stderr, "usage: bench_startup form | bare | compare [runs]\n");
    return 2;
}
