// The design panel's JSON as the page reads it: node's JSON.parse takes back every text exactly,
// however it must be escaped, every number as written, and null where JSON has no number.
#include "panel_json.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "design_panel.h"
#include "form_driver.h"

// JSON.parse of `json`, then the value at `path`: keys and array indices joined by '/', "" for
// the whole value. json_kind says what it is: −1 not JSON, 0 nothing there, 1 null, 2 false,
// 3 true, 4 a number, 5 a string, 6 an array, 7 an object. json_number gives a number's value;
// json_string writes a string as UTF-8 into `out` when its length in bytes, returned, is at most
// `capacity`.
// clang-format off
EM_JS(int, json_kind, (const char* json, const char* path), {
  var value;
  try {
    value = JSON.parse(UTF8ToString(json));
  } catch (error) {
    return -1;
  }
  var keys = UTF8ToString(path).split("/").filter(function(key) { return key !== ""; });
  for (var i = 0; i < keys.length; ++i) {
    if (value === null || typeof value !== "object" || !(keys[i] in value)) return 0;
    value = value[keys[i]];
  }
  if (value === null) return 1;
  if (typeof value === "boolean") return value ? 3 : 2;
  if (typeof value === "number") return 4;
  if (typeof value === "string") return 5;
  return Array.isArray(value) ? 6 : 7;
});
EM_JS(double, json_number, (const char* json, const char* path), {
  var value = JSON.parse(UTF8ToString(json));
  UTF8ToString(path).split("/").forEach(function(key) { if (key !== "") value = value[key]; });
  return value;
});
EM_JS(int, json_string, (const char* json, const char* path, char* out, int capacity), {
  var value = JSON.parse(UTF8ToString(json));
  UTF8ToString(path).split("/").forEach(function(key) { if (key !== "") value = value[key]; });
  var length = lengthBytesUTF8(value);
  if (length <= capacity) stringToUTF8(value, out, capacity + 1);
  return length;
});
// clang-format on

namespace dephlegmator {
namespace {

using testing::FormDriver;

enum Kind { NotJson = -1, Nothing, Null, False, True, Number, String, Array, Object };

Kind KindAt(const std::string& json, const char* path) {
    return static_cast<Kind>(json_kind(json.c_str(), path));
}

double NumberAt(const std::string& json, const char* path) {
    return json_number(json.c_str(), path);
}

std::string StringAt(const std::string& json, const char* path) {
    std::string text(256, '\0');
    int length = json_string(json.c_str(), path, text.data(), static_cast<int>(text.size()));
    if (length > static_cast<int>(text.size())) {
        text.resize(static_cast<std::size_t>(length));
        json_string(json.c_str(), path, text.data(), length);
    }
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// Every character JSON must escape, the bytes around them, and text beyond ASCII, among them
// characters of three and four bytes in UTF-8 and U+2028, which JavaScript's own strings once
// could not hold.
std::string HostileText() {
    std::string text = "кавычка \" и обратная косая \\ и / ";
    for (char c = 0; c < 0x20; ++c) text += c;
    text += "\x7f «Вт/(м²·К)» — € 𝄞 \u2028 \\u0041 \\\" конец";
    return text;
}

TEST(PanelJson, StringsEscapeQuotesBackslashesAndControlCharacters) {
    std::string out;
    AppendJsonString(out, "a\"b\\\n\x1f\x7f/");
    EXPECT_EQ(out, R"("a\"b\\\u000a\u001f)"
                   "\x7f"
                   R"(/")");
}

TEST(PanelJson, StringsComeBackFromJsonParse) {
    const std::string texts[] = {"", "—", "полное", HostileText(), std::string(300, '"')};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        std::string json;
        AppendJsonString(json, text);
        ASSERT_EQ(KindAt(json, ""), String) << json;
        EXPECT_EQ(StringAt(json, ""), text);
    }
}

TEST(PanelJson, NumbersAreRoundedToTheirDecimals) {
    struct Case {
        double x;
        int decimals;
        const char* text;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {1234.5678, 2, "1234.57"},
        {0.6000000000000001, 7, "0.6"},  // 3 × 0.2
        {2000, 3, "2000"},
        {1234, -1, "1230"},
        {123456.7, -2, "123500"},
        {2.5, 0, "2"},  // ties to even
        {3.5, 0, "4"},
        {-1.5, 0, "-2"},
        {-0.004, 2, "0"},  // no "-0"
        {-0.0, 5, "0"},
        {5e-7, 7, "0.0000005"},
        {0.00012345, 6, "0.000123"},
        {-83.552161, 5, "-83.55216"},
        {999999999999999, 0, "999999999999999"},
        {1e15, 0, "1E+15"},  // more than 15 digits: 15 significant digits
        {1e300, 0, "1E+300"},
        {5, 30, "5"},
        {1.25e-30, 30, "1.25E-30"},
        {inf, 2, "null"},
        {-inf, 2, "null"},
        {std::nan(""), 2, "null"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string json;
        AppendJsonNumber(json, c.x, c.decimals);
        EXPECT_EQ(json, c.text);
        if (std::isfinite(c.x)) {
            ASSERT_EQ(KindAt(json, ""), Number);
            EXPECT_EQ(NumberAt(json, ""), std::strtod(c.text, nullptr));
        } else {
            EXPECT_EQ(KindAt(json, ""), Null);
        }
    }
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

TEST(PanelJson, HeaterExampleAsThePageReadsIt) {
    const DesignPanel panel = HeaterExample();
    const std::string json = DesignPanelJson(panel);
    ASSERT_EQ(KindAt(json, ""), Object) << json;
    EXPECT_EQ(KindAt(json, "available"), True);
    EXPECT_EQ(StringAt(json, "reason"), "");
    EXPECT_EQ(StringAt(json, "MaxLoad"), "5811");
    EXPECT_EQ(StringAt(json, "reflux/5/id"), "RefluxFlowFull");
    EXPECT_EQ(StringAt(json, "reflux/5/flow"), "0.5");
    EXPECT_EQ(KindAt(json, "reflux/5/impractical"), False);
    EXPECT_EQ(StringAt(json, "verdict"), panel.verdict);
    EXPECT_EQ(KindAt(json, "holds"), True);
    EXPECT_EQ(StringAt(json, "windowNote"), "");
    EXPECT_EQ(StringAt(json, "AreaAt10K"), "468");
    EXPECT_EQ(StringAt(json, "HeightMin"), "27.5");
    EXPECT_EQ(KindAt(json, "heatLoadMode"), True);
    EXPECT_EQ(KindAt(json, "heightDiameterMode"), True);

    EXPECT_EQ(KindAt(json, "curve/points/60/2"), Number);
    EXPECT_EQ(KindAt(json, "curve/points/61"), Nothing);
    EXPECT_EQ(NumberAt(json, "curve/points/0/2"), 88);
    EXPECT_EQ(NumberAt(json, "curve/points/60/0"), NumberAt(json, "curve/flowAxisMax"));
    EXPECT_EQ(NumberAt(json, "curve/loadAxisMax"), 7000);
    EXPECT_EQ(NumberAt(json, "curve/tempAxisMin"), 20);
    EXPECT_EQ(NumberAt(json, "curve/tempAxisMax"), 88);
    EXPECT_EQ(NumberAt(json, "curve/result/0"), 0.5);
    EXPECT_EQ(NumberAt(json, "curve/result/1"), NumberAt(json, "curve/heaterPower"));
    EXPECT_NEAR(NumberAt(json, "curve/maxLoad"), panel.curve.chart.maxLoad, 1e-3);
    EXPECT_EQ(NumberAt(json, "curve/loadTicks/7/value"), 7000);
    EXPECT_EQ(StringAt(json, "curve/loadTicks/7/label"), "7000");
    EXPECT_EQ(StringAt(json, "curve/description"), panel.curve.description);
}

// Without numbers the panel has no curve, but keeps its modes and says why.
TEST(PanelJson, PanelWithoutNumbers) {
    DesignPanel panel;
    panel.reason = "Введите высоту больше нуля.";
    panel.maxLoad = kNoNumber;
    panel.heatLoadMode = true;
    const std::string json = DesignPanelJson(panel);
    EXPECT_EQ(KindAt(json, "available"), False) << json;
    EXPECT_EQ(KindAt(json, "curve"), Nothing);
    EXPECT_EQ(StringAt(json, "reason"), panel.reason);
    EXPECT_EQ(StringAt(json, "MaxLoad"), "—");
    EXPECT_EQ(KindAt(json, "heatLoadMode"), True);
    EXPECT_EQ(KindAt(json, "heightDiameterMode"), False);
    EXPECT_EQ(KindAt(json, "reflux/5"), Object);
}

// Any text may stand anywhere a text goes, and a number that is no number becomes null.
TEST(PanelJson, HostileTextsAndNonFiniteNumbersStillParse) {
    DesignPanel panel = HeaterExample();
    const std::string hostile = HostileText();
    panel.reason = panel.maxLoad = panel.curve.description = panel.curve.tempLabels.front() =
        panel.reflux.front().flow = panel.heightMin = panel.verdict = panel.windowNote = hostile;
    ControlCurveChart& chart = panel.curve.chart;
    chart.maxLoad = std::numeric_limits<double>::infinity();
    chart.heaterPower = std::nan("");
    chart.points.back().outletTemp = -std::numeric_limits<double>::infinity();
    const std::string json = DesignPanelJson(panel);
    ASSERT_EQ(KindAt(json, ""), Object) << json;
    for (const char* path : {"reason", "MaxLoad", "curve/description", "curve/tempTicks/0/label",
                             "reflux/0/flow", "HeightMin", "verdict", "windowNote"}) {
        EXPECT_EQ(StringAt(json, path), hostile) << path;
    }
    for (const char* path : {"curve/maxLoad", "curve/heaterPower", "curve/points/60/2"}) {
        EXPECT_EQ(KindAt(json, path), Null) << path;
    }
}

}  // namespace
}  // namespace dephlegmator
