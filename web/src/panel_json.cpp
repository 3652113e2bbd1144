#include "panel_json.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "number_text.h"

namespace dephlegmator {
namespace {

// The powers of ten that doubles hold exactly.
constexpr std::array<double, 23> kPowersOf10{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
// Below this every whole number is a double, and its digits are those of the rounded value.
constexpr double kFifteenDigits = 1e15;
// The most bytes a number takes: a sign, 15 digits and 22 zeros, or "0." and 22 decimals.
constexpr std::size_t kNumberBytes = 40;
// The most bytes a text of n bytes takes: each may become \u00XX, and the quotes.
constexpr std::size_t StringBytes(std::size_t n) {
    return 6 * n + 2;
}

// The writers put their bytes at `out`, which has room enough, and return the end. They write
// through a pointer because a std::string's appends, which WebAssembly calls out of line, cost
// more than the formatting.
char* Copy(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

char* Copy(char* out, const char* first, const char* last) {
    while (first != last) *out++ = *first++;
    return out;
}

char* Zeros(char* out, int count) {
    for (int i = 0; i < count; ++i) *out++ = '0';
    return out;
}

// Puts the decimal digits of n before `end`, at least `count` of them, and returns where they
// start. WebAssembly divides 32-bit numbers by 10 far faster than 64-bit ones.
char* DigitsBefore(char* end, std::uint32_t n, int count) {
    while (n > 0 || count > 0) {
        *--end = static_cast<char>('0' + n % 10);
        n /= 10;
        --count;
    }
    return end;
}

// Writes m × 10^−decimals, m a whole number below 10^15 in magnitude.
char* WriteScaled(char* out, double m, int decimals) {
    if (m == 0) {
        *out++ = '0';
        return out;
    }
    if (m < 0) *out++ = '-';
    constexpr std::uint64_t kLowPart = 100000000;  // the last 8 digits
    const auto digits = static_cast<std::uint64_t>(std::fabs(m));
    const auto high = static_cast<std::uint32_t>(digits / kLowPart);
    const auto low = static_cast<std::uint32_t>(digits % kLowPart);
    std::array<char, 16> buffer{};
    char* end = buffer.data() + buffer.size();
    const char* first = DigitsBefore(DigitsBefore(end, low, high > 0 ? 8 : 0), high, 0);
    while (decimals > 0 && end[-1] == '0') {  // trailing zeros of the fraction
        --end;
        --decimals;
    }
    const auto length = static_cast<int>(end - first);
    if (decimals <= 0) return Zeros(Copy(out, first, end), -decimals);
    if (length > decimals) {
        out = Copy(out, first, end - decimals);
        *out++ = '.';
        return Copy(out, end - decimals, end);
    }
    out = Zeros(Copy(out, "0."), decimals - length);
    return Copy(out, first, end);
}

char* WriteNumber(char* out, double x, int decimals) {
    if (!std::isfinite(x)) return Copy(out, "null");
    constexpr auto kExact = static_cast<int>(kPowersOf10.size());
    if (decimals > -kExact && decimals < kExact) {
        const double power = kPowersOf10.at(static_cast<std::size_t>(std::abs(decimals)));
        const double m = std::nearbyint(decimals >= 0 ? x * power : x / power);
        if (std::fabs(m) < kFifteenDigits) return WriteScaled(out, m, decimals);
    }
    return Copy(out, FormatNumber(x, "."));  // its exponent form, 1E+300, is JSON's too
}

char* WriteString(char* out, std::string_view text) {
    constexpr std::string_view kHex = "0123456789abcdef";
    *out++ = '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            *out++ = '\\';
            *out++ = c;
        } else if (byte < 0x20) {
            out = Copy(out, "\\u00");
            *out++ = kHex[byte >> 4];
            *out++ = kHex[byte & 0xF];
        } else {
            *out++ = c;
        }
    }
    *out++ = '"';
    return out;
}

// The JSON of the panel, written in order; commas go in by themselves.
class JsonWriter {
  public:
    explicit JsonWriter(std::size_t capacity) : text_(capacity, '\0') {}

    JsonWriter& key(std::string_view name) {
        string(name);
        put(':');
        fresh_ = true;
        return *this;
    }
    JsonWriter& string(std::string_view text) {
        value();
        char* start = room(StringBytes(text.size()));
        return advance(start, WriteString(start, text));
    }
    JsonWriter& number(double x, int decimals) {
        value();
        char* start = room(kNumberBytes);
        return advance(start, WriteNumber(start, x, decimals));
    }
    JsonWriter& boolean(bool b) {
        value();
        char* start = room(5);
        return advance(start, Copy(start, b ? "true" : "false"));
    }
    JsonWriter& null() {
        value();
        char* start = room(4);
        return advance(start, Copy(start, "null"));
    }
    JsonWriter& open(char bracket) {
        value();
        put(bracket);
        fresh_ = true;
        return *this;
    }
    JsonWriter& close(char bracket) {
        put(bracket);
        fresh_ = false;
        return *this;
    }
    std::string take() {
        text_.resize(size_);
        return std::move(text_);
    }

  private:
    // Where `bytes` more bytes go, the text grown to hold them.
    char* room(std::size_t bytes) {
        if (size_ + bytes > text_.size()) text_.resize(std::max(2 * text_.size(), size_ + bytes));
        return text_.data() + size_;
    }
    // Counts the bytes a writer put from `start`, which room() gave, to `end`.
    JsonWriter& advance(const char* start, const char* end) {
        size_ += static_cast<std::size_t>(end - start);
        return *this;
    }
    void put(char c) {
        *room(1) = c;
        ++size_;
    }
    // Before a value: a comma unless it is the first in its object or array, or follows a key.
    void value() {
        if (!fresh_) put(',');
        fresh_ = false;
    }

    std::string text_;
    std::size_t size_ = 0;
    bool fresh_ = true;
};

// The decimals of a chart's three axes.
struct Decimals {
    int flow, load, temp;
};

void WritePoint(JsonWriter& json, const CurvePoint& point, const Decimals& d) {
    json.open('[').number(point.flow, d.flow).number(point.load, d.load);
    json.number(point.outletTemp, d.temp).close(']');
}

void WriteTicks(JsonWriter& json, std::string_view name, const Axis& axis,
                const std::vector<std::string>& labels, int decimals) {
    json.key(name).open('[');
    for (std::size_t i = 0; i < axis.ticks.size() && i < labels.size(); ++i) {
        json.open('{').key("value").number(axis.ticks[i], decimals);
        json.key("label").string(labels[i]).close('}');
    }
    json.close(']');
}

void WriteCurve(JsonWriter& json, const ControlCurve& curve) {
    const ControlCurveChart& chart = curve.chart;
    const Decimals d{DrawingDecimals(chart.flow), DrawingDecimals(chart.load),
                     DrawingDecimals(chart.outletTemp)};
    json.key("curve").open('{');
    json.key("points").open('[');
    for (const CurvePoint& point : chart.points) WritePoint(json, point, d);
    json.close(']');
    json.key("flowAxisMax").number(chart.flow.max, d.flow);
    json.key("loadAxisMax").number(chart.load.max, d.load);
    json.key("tempAxisMin").number(chart.outletTemp.min, d.temp);
    json.key("tempAxisMax").number(chart.outletTemp.max, d.temp);
    WriteTicks(json, "flowTicks", chart.flow, curve.flowLabels, d.flow);
    WriteTicks(json, "loadTicks", chart.load, curve.loadLabels, d.load);
    WriteTicks(json, "tempTicks", chart.outletTemp, curve.tempLabels, d.temp);
    json.key("maxLoad").number(chart.maxLoad, d.load);
    json.key("result");
    if (chart.result) {
        WritePoint(json, *chart.result, d);
    } else {
        json.null();
    }
    json.key("heaterPower");
    if (chart.heaterPower) {
        json.number(*chart.heaterPower, d.load);
    } else {
        json.null();
    }
    json.key("refluxMarks").open('[');
    for (const RefluxMark& mark : curve.refluxMarks) {
        json.open('[').number(mark.flow, d.flow).number(mark.load, d.load);
        json.string(mark.label).close(']');
    }
    json.close(']');
    json.key("beyond").string(curve.beyond);
    json.key("description").string(curve.description);
    json.close('}');
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    const std::size_t size = out.size();
    out.resize(size + StringBytes(text.size()));
    out.resize(static_cast<std::size_t>(WriteString(out.data() + size, text) - out.data()));
}

void AppendJsonNumber(std::string& out, double x, int decimals) {
    std::array<char, kNumberBytes> buffer{};
    out.append(buffer.data(), WriteNumber(buffer.data(), x, decimals));
}

std::string DesignPanelJson(const DesignPanel& panel) {
    constexpr std::size_t kPointBytes = 32;  // "[0.35,1991.4417,67.42835]," and room to spare
    JsonWriter json(2048 + (panel.available ? panel.curve.chart.points.size() * kPointBytes : 0));
    json.open('{');
    json.key("available").boolean(panel.available);
    json.key("reason").string(panel.reason);
    json.key("verdict").string(panel.verdict);
    json.key("holds").boolean(panel.holds);
    json.key("windowNote").string(panel.windowNote);
    json.key("MaxLoad").string(panel.maxLoad);
    if (panel.available) WriteCurve(json, panel.curve);
    json.key("heatLoadMode").boolean(panel.heatLoadMode);
    json.key("reflux").open('[');
    for (const RefluxFlow& row : panel.reflux) {
        json.open('{').key("id").string(row.id).key("flow").string(row.flow);
        json.key("impractical").boolean(row.impractical).close('}');
    }
    json.close(']');
    json.key("AreaAt10K").string(panel.areaAt10K);
    json.key("AreaMin").string(panel.areaMin);
    json.key("heightDiameterMode").boolean(panel.heightDiameterMode);
    json.key("HeightAt10K").string(panel.heightAt10K);
    json.key("HeightMin").string(panel.heightMin);
    json.close('}');
    return json.take();
}

}  // namespace dephlegmator
