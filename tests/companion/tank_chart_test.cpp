// The cooling tank's chart: its time unit, and labels that keep clear of each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "language.h"
#include "tank_chart.h"

namespace dephlegmator {
namespace {

// A label's box in viewBox units, from its anchor and text, as the page's 12 px DejaVu Sans draws
// it: digits 0.64 em wide, a decimal separator 0.32 em, any other character at most 0.75 em, with
// an ascent of 0.93 em and a descent of 0.24 em.
struct Box {
    double left, right, top, bottom;
};

struct Label {
    std::string text;
    Box box;
};

double Ems(const std::string& utf8) {
    double ems = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) continue;  // within a character
        ems += c >= '0' && c <= '9' ? 0.64 : c == ',' || c == '.' ? 0.32 : 0.75;
    }
    return ems;
}

std::vector<Label> Labels(const std::string& svg) {
    constexpr double kEm = 12;
    const std::regex text(
        R"re(<text class="[^"]*" x="([-0-9.]+)" y="([-0-9.]+)" text-anchor="(\w+)">([^<]*)</text>)re");
    std::vector<Label> labels;
    for (std::sregex_iterator it(svg.begin(), svg.end(), text), end; it != end; ++it) {
        const double x = std::stod((*it)[1]);
        const double y = std::stod((*it)[2]);
        const std::string anchor = (*it)[3];
        const std::string content = (*it)[4];
        const double width = kEm * Ems(content);
        const double left = anchor == "end" ? x - width : anchor == "middle" ? x - width / 2 : x;
        labels.push_back({content, {left, left + width, y - 0.93 * kEm, y + 0.24 * kEm}});
    }
    return labels;
}

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(TankChart, TimeInMinutesUnderTwoHoursAndLabelsApart) {
    SetLanguage(Language::Russian);
    const struct {
        double start, limit, seconds;
        const char* title;
        std::vector<const char*> timeTicks;
    } cases[] = {
        {15, 55.9, 41 * 60, "Время, мин", {"0", "10", "20", "30", "40"}},
        {15, 55.9, 5 * 60, "Время, мин", {"0", "1", "2", "3", "4", "5"}},
        {20, 95, 119 * 60, "Время, мин", {"0", "20", "40", "60", "80", "100"}},
        {15, 55.9, 2 * 3600, "Время, ч", {"0", "0,5", "1", "1,5", "2"}},
        {15, 55.9, 15380, "Время, ч", {"0", "1", "2", "3", "4"}},
        {5, 99.5, 40 * 3600, "Время, ч", {"0", "10", "20", "30", "40"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seconds);
        const std::string svg = TankChartMarkup(c.start, c.limit, c.seconds, ",");
        const std::vector<Label> labels = Labels(svg);
        std::vector<std::string> texts(labels.size());
        std::transform(labels.begin(), labels.end(), texts.begin(),
                       [](const Label& label) { return label.text; });
        EXPECT_NE(std::find(texts.begin(), texts.end(), c.title), texts.end());
        for (const char* tick : c.timeTicks) {
            EXPECT_NE(std::find(texts.begin(), texts.end(), tick), texts.end()) << tick;
        }
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_GE(labels[i].box.left, 0) << labels[i].text;
            EXPECT_LE(labels[i].box.right, kTankChartSize.width) << labels[i].text;
            EXPECT_GE(labels[i].box.top, 0) << labels[i].text;
            EXPECT_LE(labels[i].box.bottom, kTankChartSize.height) << labels[i].text;
            for (std::size_t j = i + 1; j < labels.size(); ++j) {
                EXPECT_FALSE(Overlap(labels[i].box, labels[j].box))
                    << labels[i].text << " and " << labels[j].text;
            }
        }
    }
}

}  // namespace
}  // namespace dephlegmator
