// The hand-over's layout as the page reads it: read back in order, every flag, text and number
// comes back as written, and each text as the page's UTF8ToString decodes it from the numbers.
#include "hand_over.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "design_panel.h"
#include "form_driver.h"
#include "tank_chart.h"

// The text whose address stands at `at` among `numbers` and whose length follows it, decoded as
// the page decodes it, written as UTF-8 into `out` when its length in bytes, returned, is at most
// `capacity`.
// clang-format off
EM_JS(int, page_reads_text, (const double* numbers, int at, char* out, int capacity), {
  var first = (numbers >> 3) + at;
  var text = UTF8ToString(HEAPF64[first], HEAPF64[first + 1]);
  var length = lengthBytesUTF8(text);
  if (length <= capacity) stringToUTF8(text, out, capacity + 1);
  return length;
});
// clang-format on

namespace dephlegmator {
namespace {

using testing::FormDriver;

// Reads a hand-over in the order of its layout, as the page does; each text in C++ from its
// address and length, and once more as the page decodes it.
class Reader {
  public:
    explicit Reader(const double* numbers)
        : numbers_(numbers), count_(static_cast<std::size_t>(numbers[0])) {}

    bool atEnd() const { return at_ == count_ + 1; }
    double number() {
        EXPECT_LE(at_, count_) << "read beyond the count";
        return numbers_[at_++];
    }
    bool flag() {
        const double f = number();
        EXPECT_TRUE(f == 0 || f == 1) << f;
        return f == 1;
    }
    std::size_t count() { return static_cast<std::size_t>(number()); }
    std::string text() {
        const int at = static_cast<int>(at_);
        const auto address = static_cast<std::uintptr_t>(number());
        const std::size_t length = count();
        std::string text(reinterpret_cast<const char*>(address), length);
        std::string decoded(length, '\0');
        const int bytes =
            page_reads_text(numbers_, at, decoded.data(), static_cast<int>(decoded.size()));
        EXPECT_EQ(bytes, static_cast<int>(length));
        EXPECT_EQ(decoded, text) << "as the page decodes it";
        return text;
    }
    ChartMark mark() {
        ChartMark m;
        m.axis = static_cast<int>(number());
        m.at.x = number();
        m.at.y = number();
        m.label = text();
        return m;
    }
    Chart chart() {
        Chart chart;
        chart.axes.resize(count());
        for (ChartAxis& axis : chart.axes) {
            axis.range.min = number();
            axis.range.max = number();
            const std::size_t ticks = count();
            for (std::size_t i = 0; i < ticks; ++i) {
                axis.range.ticks.push_back(number());
                axis.labels.push_back(text());
            }
            axis.title = text();
        }
        chart.curves.resize(count());
        for (ChartCurve& curve : chart.curves) {
            curve.axis = static_cast<int>(number());
            curve.points.resize(count());
            for (ChartPoint& point : curve.points) point = {number(), number()};
        }
        chart.levels.resize(count());
        for (ChartLevel& level : chart.levels) {
            level.value = number();
            level.caption = text();
        }
        chart.marks.resize(count());
        for (ChartMark& m : chart.marks) m = mark();
        chart.dots.resize(count());
        for (ChartMark& m : chart.dots) m = mark();
        return chart;
    }

  private:
    const double* numbers_;
    std::size_t count_;
    std::size_t at_ = 1;
};

void ExpectSameMarks(const std::vector<ChartMark>& read, const std::vector<ChartMark>& written) {
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].axis, written[i].axis);
        EXPECT_EQ(read[i].at.x, written[i].at.x);
        EXPECT_EQ(read[i].at.y, written[i].at.y);
        EXPECT_EQ(read[i].label, written[i].label);
    }
}

void ExpectSameChart(const Chart& read, const Chart& written) {
    ASSERT_EQ(read.axes.size(), written.axes.size());
    for (std::size_t i = 0; i < read.axes.size(); ++i) {
        EXPECT_EQ(read.axes[i].range.min, written.axes[i].range.min);
        EXPECT_EQ(read.axes[i].range.max, written.axes[i].range.max);
        EXPECT_EQ(read.axes[i].range.ticks, written.axes[i].range.ticks);
        EXPECT_EQ(read.axes[i].labels, written.axes[i].labels);
        EXPECT_EQ(read.axes[i].title, written.axes[i].title);
    }
    ASSERT_EQ(read.curves.size(), written.curves.size());
    for (std::size_t i = 0; i < read.curves.size(); ++i) {
        EXPECT_EQ(read.curves[i].axis, written.curves[i].axis);
        ASSERT_EQ(read.curves[i].points.size(), written.curves[i].points.size());
        for (std::size_t p = 0; p < read.curves[i].points.size(); ++p) {
            EXPECT_EQ(read.curves[i].points[p].x, written.curves[i].points[p].x);
            EXPECT_EQ(read.curves[i].points[p].y, written.curves[i].points[p].y);
        }
    }
    ASSERT_EQ(read.levels.size(), written.levels.size());
    for (std::size_t i = 0; i < read.levels.size(); ++i) {
        EXPECT_EQ(read.levels[i].value, written.levels[i].value);
        EXPECT_EQ(read.levels[i].caption, written.levels[i].caption);
    }
    ExpectSameMarks(read.marks, written.marks);
    ExpectSameMarks(read.dots, written.dots);
}

// The panel's fields in the order of the layout, up to its charts.
struct PanelRead {
    bool available, holds, heatLoadMode, heightDiameterMode;
    std::vector<std::string> texts;
    std::vector<std::pair<std::string, std::string>> reflux;
    std::vector<bool> impractical;
    std::vector<std::pair<std::string, std::string>> takeOffs;
    std::string beyond, description;
};

PanelRead ReadPanel(Reader& read) {
    PanelRead panel{read.flag(), read.flag(), read.flag(), read.flag(), {}, {}, {}, {}, {}, {}};
    for (int i = 0; i < 8; ++i) panel.texts.push_back(read.text());
    const std::size_t rows = read.count();
    for (std::size_t i = 0; i < rows; ++i) {
        std::string id = read.text();
        std::string flow = read.text();
        panel.reflux.emplace_back(std::move(id), std::move(flow));
        panel.impractical.push_back(read.flag());
        std::string takeOffId = read.text();
        std::string takeOff = read.text();
        panel.takeOffs.emplace_back(std::move(takeOffId), std::move(takeOff));
    }
    panel.beyond = read.text();
    panel.description = read.text();
    return panel;
}

DesignPanel HeaterExample() {  // «СС» 88, 20, 80 cm × 5 cm, heat load 2000
    FormDriver form;
    form.window.boxes.set(Box::Text1, "88").set(Box::Text2, "20").set(Box::Text3, "80");
    form.window.boxes.set(Box::Text4, "5").set(Box::Text6, "2000");
    form.Click("Option7");
    form.Enter();
    return BuildDesignPanel(form.modes.lastInputs(), form.window, form.modes.state(),
                            form.modes.lastCalculationFailed());
}

// Any text may stand where a text goes: quotes, backslashes, control characters, characters of
// three and four bytes in UTF-8 and U+2028.
std::string HostileText() {
    std::string text = "кавычка \" и обратная косая \\ и / ";
    for (char c = 1; c < 0x20; ++c) text += c;
    text += "\x7f «Вт/(м²·К)» — € 𝄞 \u2028 \\u0041 <text>&amp; конец";
    return text;
}

TEST(HandOver, HeaterExampleWithTheTankAsThePageReadsIt) {
    DesignPanel panel = HeaterExample();
    ASSERT_TRUE(panel.available);
    panel.windowNote = HostileText();
    const Chart tank = TankChart(15, 55.9, 15380, ".");
    HandOver handOver;
    Reader read(handOver.WritePanel(panel, tank));
    const PanelRead shown = ReadPanel(read);
    EXPECT_TRUE(shown.available && shown.holds && shown.heatLoadMode && shown.heightDiameterMode);
    EXPECT_EQ(shown.texts, (std::vector<std::string>{"", panel.verdict, HostileText(), "5811",
                                                     "468", "433", "29.8", "27.5"}));
    ASSERT_EQ(shown.reflux.size(), panel.reflux.size());
    EXPECT_EQ(shown.reflux.front(), (std::pair<std::string, std::string>{"RefluxFlow1", "0.24"}));
    EXPECT_EQ(shown.reflux.back(), (std::pair<std::string, std::string>{"RefluxFlowFull", "0.5"}));
    EXPECT_EQ(shown.impractical, std::vector<bool>(panel.reflux.size(), false));
    EXPECT_EQ(shown.takeOffs.front(), (std::pair<std::string, std::string>{
                                          "RefluxTakeOff1", panel.reflux.front().takeOff}));
    EXPECT_EQ(shown.takeOffs.back(),
              (std::pair<std::string, std::string>{"RefluxTakeOffFull", "0"}));
    EXPECT_EQ(shown.beyond, panel.curve.beyond);
    EXPECT_EQ(shown.description, panel.curve.description);
    ASSERT_TRUE(read.flag()) << "the control curve";
    ExpectSameChart(read.chart(), ControlCurveDrawing(panel.curve));
    ASSERT_TRUE(read.flag()) << "the tank's chart";
    ExpectSameChart(read.chart(), tank);
    EXPECT_TRUE(read.atEnd()) << "the count covers the layout";
}

// Without numbers the panel has no curve, but keeps its modes and says why; without a tank
// chart its flag is 0.
TEST(HandOver, PanelWithoutNumbersOrTank) {
    DesignPanel panel;
    panel.reason = "Введите высоту больше нуля.";
    panel.maxLoad = kNoNumber;
    panel.heatLoadMode = true;
    HandOver handOver;
    Reader read(handOver.WritePanel(panel, std::nullopt));
    const PanelRead shown = ReadPanel(read);
    EXPECT_FALSE(shown.available);
    EXPECT_TRUE(shown.heatLoadMode);
    EXPECT_FALSE(shown.heightDiameterMode);
    EXPECT_EQ(shown.texts.at(0), panel.reason);
    EXPECT_EQ(shown.texts.at(3), "—");
    EXPECT_EQ(shown.reflux.size(), kRefluxRatios.size());
    EXPECT_EQ(shown.beyond, "");
    EXPECT_FALSE(read.flag()) << "no control curve";
    EXPECT_FALSE(read.flag()) << "no tank chart";
    EXPECT_TRUE(read.atEnd());
}

TEST(HandOver, TextsByIdAndNothing) {
    HandOver handOver;
    const std::vector<std::pair<std::string_view, std::string>> texts = {
        {"PanelU", "350"}, {"TapFlow", HostileText()}, {"RunHours", ""}};
    Reader read(handOver.WriteTexts(texts));
    ASSERT_EQ(read.count(), texts.size());
    for (const auto& [id, text] : texts) {
        EXPECT_EQ(read.text(), id);
        EXPECT_EQ(read.text(), text);
    }
    EXPECT_TRUE(read.atEnd());

    EXPECT_EQ(*handOver.WriteNothing(), 0) << "the count alone";
}

}  // namespace
}  // namespace dephlegmator
