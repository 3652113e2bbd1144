// Writes the page's controls from the window's layout table: an HTML fragment with one element per
// control in the window's tab order, and a style sheet that places and sizes each one (15 twips
// make one CSS pixel) as the window does where the page is wide enough, and otherwise stacks the
// window's groups that the table names for a narrow screen in one column, each keeping its own
// layout; and the table itself as layout.json, for the page's tests. Writes too the design panel's
// chart element, its size from the chart geometry, and the rows of its reflux table from the table
// of reflux ratios. Writes too each language's texts of the page, from the catalogue, as a JSON
// object of texts by key: the page's elements name theirs with data-text="key" (the element's text)
// and data-text-attrs="attribute=key ..." (attributes).
//
// Usage: page_generator PARTS_DIR
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart_geometry.h"
#include "panel_settings.h"
#include "panel_texts.h"
#include "tank_chart.h"
#include "texts.h"
#include "window_layout.h"
#include "window_texts.h"

namespace {

using namespace dephlegmator::layout;

std::string Escape(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Px(double twips) {
    // Every coordinate of the table is a whole number of pixels; a stray one keeps its fraction.
    std::ostringstream out;
    out << twips / kTwipsPerPixel << "px";
    return out.str();
}

// WCAG 2.5.8: a target is at least 24 × 24 CSS px, or one of that size can be centred on it
// without touching another.
constexpr int kTargetTwips = 24 * kTwipsPerPixel;
// The inset of a frame's controls from its left edge, as the input frames have it.
constexpr int kFrameInset = 120;
// The page lays the window out as the desktop does where it fits with a margin of 8 px on either
// side, and in one column below that.
constexpr int kWideLayoutMinPx = kClientWidth / kTwipsPerPixel + 2 * 8;

const ControlRow* Find(std::string_view name) {
    for (const ControlRow& row : kControls) {
        if (row.name == name) return &row;
    }
    return nullptr;
}

bool Focusable(const ControlRow& row) {
    return std::find(kTabOrder.begin(), kTabOrder.end(), row.name) != kTabOrder.end();
}

bool SelectedAtStart(std::string_view name) {
    return std::find(kSelectedAtStart.begin(), kSelectedAtStart.end(), name) !=
           kSelectedAtStart.end();
}

struct Rect {
    int x, y, w, h;
};

// The control's rectangle in the window's coordinates.
Rect WindowRect(const ControlRow& row) {
    Rect rect{row.x, row.y, row.w, row.h};
    if (const ControlRow* parent = row.parent.empty() ? nullptr : Find(row.parent)) {
        rect.x += parent->x;
        rect.y += parent->y;
    }
    return rect;
}

// The group of the one-column layout that names `row`.
const PhoneGroup& GroupOf(const ControlRow& row) {
    return kPhoneGroups[static_cast<std::size_t>(PhoneGroupIndex(row.name))];
}

// The group's frame, or none for a group over no frame.
const ControlRow* FrameOf(const PhoneGroup& group) {
    const ControlRow* first = Find(FirstName(group.controls).first);
    return first->kind == Kind::Frame ? first : nullptr;
}

// The group's controls but its frame, in table order.
std::vector<const ControlRow*> Members(const PhoneGroup& group) {
    std::vector<const ControlRow*> members;
    for (const ControlRow& row : kControls) {
        if (&GroupOf(row) == &group && &row != FrameOf(group)) members.push_back(&row);
    }
    return members;
}

const PhonePlace* PhonePlaceOf(const ControlRow& row) {
    for (const PhonePlace& place : kPhonePlaces) {
        if (place.name == row.name) return &place;
    }
    return nullptr;
}

// The control's left and top in its group of the column, in twips: its window place relative to
// the group's origin, or the one kPhonePlaces gives it.
std::pair<int, int> ColumnPlace(const ControlRow& row) {
    if (const PhonePlace* place = PhonePlaceOf(row)) return {place->x, place->y};
    const Rect r = WindowRect(row);
    const PhoneGroup& group = GroupOf(row);
    return {r.x - group.x, r.y - group.y};
}

// The top of each option button within its frame. Each stands low enough below the one before
// for a target of 24 px: in the window's layout, a 24 px circle about its round button clears
// the one before (the table's rows centre the buttons); in the column, where each option's row is
// a target of 24 px itself, its row clears the row before.
int OptionTop(const ControlRow& option, bool column) {
    int top = 0;
    const ControlRow* before = nullptr;
    for (const ControlRow& row : kControls) {
        if (row.kind != Kind::Option || row.parent != option.parent) continue;
        int y = row.y;
        if (before) {
            y = column ? std::max(y, top + kTargetTwips)
                       : std::max(y, top + before->h / 2 + kTargetTwips - row.h / 2);
        }
        if (&row == &option) return y;
        top = y;
        before = &row;
    }
    return option.y;
}

// Fails the build where a group's control would stand outside the column: left of its edge, or
// in a framed group closer to its right edge than the frames' inset.
void CheckColumnFits() {
    for (const ControlRow& row : kControls) {
        if (row.kind == Kind::Frame || row.kind == Kind::Option || row.kind == Kind::Button)
            continue;
        const auto [x, y] = ColumnPlace(row);
        const PhonePlace* place = PhonePlaceOf(row);
        const int right = x + (place != nullptr ? place->w : row.w);
        const int room = kPhoneColumnWidth - (FrameOf(GroupOf(row)) != nullptr ? kFrameInset : 0);
        if (x < 0 || y < 0 || right > room) {
            throw std::logic_error(std::string(row.name) + " stands outside the phone's column");
        }
    }
}

// The key by which the page names a text of the catalogue.
std::string_view KeyOf(dephlegmator::Text text) {
    return dephlegmator::Catalogue()[static_cast<std::size_t>(text)].key;
}

// ` data-text="key"`: the element's text is the catalogue's `text` in the page's language.
std::string TextMarker(dephlegmator::Text text) {
    return " data-text=\"" + std::string(KeyOf(text)) + "\"";
}

// Short explanations of the window's terms where the user meets them: the title of the control
// that shows the term (its caption's tooltip, CaptionToolTip), and the description a screen
// reader gives the controls it concerns.
struct Explanation {
    std::string_view id;
    std::array<std::string_view, 3> describes;
    dephlegmator::Text text;
};
constexpr std::array kExplanations = std::to_array<Explanation>({
    {"AboutSR", {"Option1"}, dephlegmator::Text::Option1About},
    {"AboutSS", {"Option2"}, dephlegmator::Text::Option2About},
    {"AboutGiven", {"Frame4Options"}, dephlegmator::Text::Frame4About},
    {"AboutAutonomous", {"Text71", "Text81", "Text91"}, dephlegmator::Text::Label14About},
});

std::string TitleOf(std::string_view control) {
    const std::string_view tip = dephlegmator::CaptionToolTip(control);
    return tip.empty() ? std::string() : " title=\"" + Escape(tip) + "\"";
}

std::string DescribedBy(std::string_view element) {
    std::string ids;
    for (const Explanation& about : kExplanations) {
        if (std::find(about.describes.begin(), about.describes.end(), element) !=
            about.describes.end()) {
            ids += (ids.empty() ? "" : " ") + std::string(about.id);
        }
    }
    return ids.empty() ? ids : " aria-describedby=\"" + ids + "\"";
}

std::string_view AlignClass(Align align) {
    switch (align) {
        case Align::Left:
            return "left";
        case Align::Right:
            return "right";
        case Align::Center:
            return "center";
    }
    return "left";
}

// The names of the group's boxes that the user types in, space-separated; "" for none.
std::string TypedBoxes(const PhoneGroup& group) {
    std::string names;
    for (const ControlRow* row : Members(group)) {
        if (row->kind != Kind::TextBox || row->maxLength == 0) continue;
        if (!names.empty()) names += ' ';
        names += row->name;
    }
    return names;
}

// The attributes every control's outermost element carries.
std::string CommonAttributes(const ControlRow& row) {
    std::string classes = row.font == Font::Bold12 ? "bold" : "standard";
    classes += " ";
    classes += AlignClass(row.align);
    std::string out = " data-control=\"" + std::string(row.name) + "\" class=\"" + classes + "\"";
    if (!row.visible) out += " hidden";
    return out;
}

// The page's controls, one element each, in the window's tab order, so that the browser's own
// order of focus is the window's; CSS places them. A frame is its line and caption, before the
// first of its controls; a unit label follows the box it stands beside; the option buttons of a
// frame form a radio group named by the frame's caption.
class ControlWriter {
  public:
    std::string write() {
        for (const std::string_view name : kTabOrder) {
            const ControlRow& row = *Find(name);
            if (row.kind == Kind::Option) {
                writeOptions(row.parent);
            } else {
                open(GroupOf(row));
                writeControl(row);
                for (const ControlRow& label : kControls) {
                    if (label.kind == Kind::Label && BesideBox(label) == &row) writeControl(label);
                }
            }
        }
        for (const PhoneGroup& group : kPhoneGroups) open(group);
        for (const Explanation& about : kExplanations) {
            html_ << "  <span id=\"" << about.id << "\" hidden" << TextMarker(about.text) << ">"
                  << Escape(dephlegmator::Tr(about.text)) << "</span>\n";
        }
        // Where the page writes what is wrong with each typed box of a group: under the group's
        // boxes on a narrow screen, for a screen reader alone on a wide one.
        for (const PhoneGroup& group : kPhoneGroups) {
            const std::string boxes = TypedBoxes(group);
            if (boxes.empty()) continue;
            html_ << "  <div class=\"reasons\" data-reasons=\"" << group.name << "\" data-for=\""
                  << boxes << "\" hidden></div>\n";
        }
        return html_.str();
    }

  private:
    // The nearest box on the label's left in the same row, if any.
    static const ControlRow* BesideBox(const ControlRow& label) {
        const Rect r = WindowRect(label);
        const ControlRow* nearest = nullptr;
        for (const std::string_view name : kTabOrder) {
            const ControlRow& box = *Find(name);
            const Rect b = WindowRect(box);
            if (box.kind != Kind::TextBox || b.x + b.w > r.x || b.y >= r.y + r.h ||
                r.y >= b.y + b.h) {
                continue;
            }
            if (!nearest || b.x + b.w > WindowRect(*nearest).x + WindowRect(*nearest).w) {
                nearest = &box;
            }
        }
        return nearest;
    }

    static bool HasFocusable(const PhoneGroup& group) {
        const std::vector<const ControlRow*> members = Members(group);
        return std::any_of(members.begin(), members.end(),
                           [](const ControlRow* row) { return Focusable(*row); });
    }

    // Writes the group's frame line and caption and the labels that stand beside no box, once;
    // and before it the groups of labels alone (the column headings) just above it.
    void open(const PhoneGroup& target) {
        const auto* const at = kPhoneGroups.begin() + (&target - kPhoneGroups.data());
        const auto* first = at;
        while (first != kPhoneGroups.begin() && !HasFocusable(*(first - 1))) --first;
        for (const auto* group = first; group != at + 1; ++group) {
            if (!opened_.insert(std::string(group->name)).second) continue;
            if (const ControlRow* frame = FrameOf(*group)) writeControl(*frame);
            for (const ControlRow* row : Members(*group)) {
                if (row->kind == Kind::Label && !BesideBox(*row)) writeControl(*row);
            }
        }
    }

    void writeOptions(std::string_view frame) {
        if (!opened_.insert(std::string(frame) + "Options").second) return;
        const std::string group = std::string(frame) + "Options";
        html_ << "  <div id=\"" << group << "\" class=\"options\" data-group=\"" << frame
              << "\" role=\"radiogroup\" aria-labelledby=\"" << frame << "Caption\""
              << DescribedBy(group) << ">\n";
        for (const ControlRow& row : kControls) {
            if (row.kind == Kind::Option && row.parent == frame) writeControl(row);
        }
        html_ << "  </div>\n";
    }

    void writeControl(const ControlRow& row) {
        const std::string name(row.name);
        const std::string caption = Escape(Caption(row));
        html_ << "  ";
        switch (row.kind) {
            case Kind::Frame:
                html_ << "<div" << CommonAttributes(row) << "><span id=\"" << name
                      << "Caption\" class=\"caption\"" << TitleOf(row.name) << ">" << caption
                      << "</span></div>\n";
                break;
            case Kind::Label:
                html_ << "<span id=\"" << name << "\"" << CommonAttributes(row) << TitleOf(row.name)
                      << ">" << caption << "</span>\n";
                break;
            case Kind::TextBox:
                html_ << "<input id=\"" << name << "\"" << CommonAttributes(row)
                      << " type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" "
                         "spellcheck=\"false\" value=\""
                      << caption << "\"";
                if (row.maxLength > 0) html_ << " maxlength=\"" << row.maxLength << "\"";
                html_ << DescribedBy(row.name) << ">\n";
                break;
            case Kind::Option:
                // The caption is the radio button's label, and the label is what the layout
                // places.
                html_ << "  <label" << CommonAttributes(row) << TitleOf(row.name)
                      << "><input type=\"radio\" id=\"" << name << "\" name=\"" << row.parent
                      << "\"" << (SelectedAtStart(row.name) ? " checked" : "")
                      << DescribedBy(row.name) << "><span>" << caption << "</span></label>\n";
                break;
            case Kind::Button:
                html_ << "<button id=\"" << name << "\"" << CommonAttributes(row)
                      << " type=\"button\">" << caption << "</button>\n";
                break;
        }
    }

    std::ostringstream html_;
    std::set<std::string> opened_;
};

// Places one control in the window's layout (window coordinates; an option button within its
// frame's group). The table's rectangles fit the desktop's fonts; where a caption needs more room
// in this font, the control grows as the desktop window's does: a unit label to the right, a
// column heading downwards, an option caption to the right as far as its frame allows and then
// downwards, and the push button about its centre.
void WriteWideRule(std::ostream& css, const ControlRow& row) {
    css << "[data-control=\"" << row.name << "\"] { ";
    const Rect r = WindowRect(row);
    const bool wrapsDown = row.kind == Kind::Label && row.font == Font::Standard;
    if (row.kind == Kind::Button) {
        css << "left: " << Px(r.x + r.w / 2.0) << "; top: " << Px(r.y) << "; min-width: " << Px(r.w)
            << "; height: " << Px(r.h) << "; }\n";
        return;
    }
    if (row.kind == Kind::Option) {
        const ControlRow* frame = Find(row.parent);
        const int room = frame->w - row.x - 2 * kTwipsPerPixel;
        css << "left: " << Px(row.x) << "; top: " << Px(OptionTop(row, false))
            << "; min-width: " << Px(row.w) << "; max-width: " << Px(std::max(room, row.w))
            << "; min-height: " << Px(row.h) << "; }\n";
        return;
    }
    css << "left: " << Px(r.x) << "; top: " << Px(r.y) << "; ";
    if (row.kind == Kind::Label && !wrapsDown) {
        css << "min-width: " << Px(r.w) << "; height: " << Px(r.h) << "; }\n";
    } else if (wrapsDown) {
        css << "width: " << Px(r.w) << "; min-height: " << Px(r.h) << "; }\n";
    } else {
        css << "width: " << Px(r.w) << "; height: " << Px(r.h) << "; }\n";
    }
}

// Places one control in its group of the column: the group's grid area, and the control's place
// within it as margins.
void WriteColumnRule(std::ostream& css, const ControlRow& row) {
    // Within the window's element, so that these rules outweigh the layout's shared ones.
    css << "  #FormMorvani [data-control=\"" << row.name << "\"] { ";
    if (row.kind == Kind::Option) {
        // Within its group, which lies on the frame in both layouts.
        const int room = kPhoneColumnWidth - row.x - 2 * kTwipsPerPixel;
        if (OptionTop(row, true) != OptionTop(row, false)) {
            css << "top: " << Px(OptionTop(row, true)) << "; ";
        }
        css << "max-width: " << Px(room) << "; }\n";
        return;
    }
    const PhoneGroup& group = GroupOf(row);
    css << "grid-area: " << group.name << "; ";
    if (&row == FrameOf(group)) {
        // A frame grows to hold the reasons written under its boxes.
        css << "width: " << Px(kPhoneColumnWidth) << "; height: auto; min-height: " << Px(row.h)
            << "; }\n";
        return;
    }
    if (row.kind == Kind::Button) {
        css << "}\n";
        return;
    }
    const auto [x, y] = ColumnPlace(row);
    css << "margin: " << Px(y) << " 0 0 " << Px(x) << "; ";
    if (const PhonePlace* place = PhonePlaceOf(row)) css << "width: " << Px(place->w) << "; ";
    css << "}\n";
}

bool HasOptions(const PhoneGroup& group) {
    const std::vector<const ControlRow*> members = Members(group);
    return std::any_of(members.begin(), members.end(),
                       [](const ControlRow* row) { return row->kind == Kind::Option; });
}

// The window's layout where it fits, and the column below that.
std::string LayoutCss() {
    std::ostringstream css;
    css << "/* Generated from the window's layout table. */\n";
    css << "#FormMorvani { width: " << Px(kClientWidth) << "; height: " << Px(kClientHeight)
        << "; }\n";
    for (const ControlRow& row : kControls) WriteWideRule(css, row);
    for (const PhoneGroup& group : kPhoneGroups) {
        if (!HasOptions(group)) continue;
        const Rect r = WindowRect(*FrameOf(group));
        css << "[data-group=\"" << group.name << "\"] { left: " << Px(r.x) << "; top: " << Px(r.y)
            << "; width: " << Px(r.w) << "; }\n";
    }

    css << "@media (width < " << kWideLayoutMinPx << "px) {\n";
    css << "  #FormMorvani { width: auto; height: auto; grid-template-columns: "
        << Px(kPhoneColumnWidth) << "; grid-template-areas:";
    for (const PhoneGroup& group : kPhoneGroups) css << " \"" << group.name << "\"";
    css << "; }\n";
    for (const ControlRow& row : kControls) WriteColumnRule(css, row);
    // The reasons stand under the lowest of the group's boxes, from the left of the leftmost.
    for (const PhoneGroup& group : kPhoneGroups) {
        if (TypedBoxes(group).empty()) continue;
        int left = kPhoneColumnWidth;
        int bottom = 0;
        for (const ControlRow* row : Members(group)) {
            if (row->kind != Kind::TextBox || row->maxLength == 0) continue;
            const auto [x, y] = ColumnPlace(*row);
            left = std::min(left, x);
            bottom = std::max(bottom, y + row->h);
        }
        css << "  #FormMorvani [data-reasons=\"" << group.name << "\"] { grid-area: " << group.name
            << "; margin: " << Px(bottom + 3 * kTwipsPerPixel) << " 0 " << Px(6 * kTwipsPerPixel)
            << " " << Px(left) << "; width: " << Px(kPhoneColumnWidth - left - 8 * kTwipsPerPixel)
            << "; }\n";
    }
    for (const PhoneGroup& group : kPhoneGroups) {
        if (!HasOptions(group)) continue;
        css << "  .options[data-group=\"" << group.name << "\"] { grid-area: " << group.name
            << "; width: " << Px(kPhoneColumnWidth) << "; }\n";
    }
    css << "}\n";
    // The charts keep the proportions of their drawings at any width.
    css << "#ControlCurve { aspect-ratio: " << dephlegmator::kChartSize.width << " / "
        << dephlegmator::kChartSize.height << "; }\n";
    css << "#TankChart { aspect-ratio: " << dephlegmator::kTankChartSize.width << " / "
        << dephlegmator::kTankChartSize.height << "; }\n";
    return css.str();
}

// A chart's element, named for a screen reader until the first recalculation draws it.
std::string ChartElement(std::string_view id, dephlegmator::ChartSize size) {
    std::ostringstream html;
    html << "  <svg id=\"" << id << "\" role=\"img\" data-text-attrs=\"aria-label="
         << KeyOf(dephlegmator::Text::PanelChartBeforeFirstRecalculation) << "\" aria-label=\""
         << Escape(dephlegmator::Tr(dephlegmator::Text::PanelChartBeforeFirstRecalculation))
         << "\" viewBox=\"0 0 " << size.width << ' ' << size.height << "\"></svg>\n";
    return html.str();
}

// One row per reflux ratio: its heading, and its flow's and take-off's cells showing «—» until a
// recalculation.
std::string RefluxRows() {
    std::ostringstream html;
    for (const dephlegmator::RefluxRatio& row : dephlegmator::kRefluxRatios) {
        const bool full = row.ratio == dephlegmator::kFullReflux;
        html << "        <tr><th scope=\"row\""
             << (full ? TextMarker(dephlegmator::Text::FullReflux) : "") << ">"
             << Escape(dephlegmator::RefluxHeading(row)) << "</th><td id=\"" << row.id << "\">"
             << dephlegmator::kNoNumber << "</td><td id=\"" << row.takeOffId << "\">"
             << dephlegmator::kNoNumber << "</td></tr>\n";
    }
    return html.str();
}

// The choices of the device type, the window's first.
std::string DeviceOptions() {
    std::ostringstream html;
    for (const dephlegmator::DeviceType& device : dephlegmator::kDeviceTypes) {
        html << "      <option value=\"" << device.id << "\"" << TextMarker(device.caption) << ">"
             << Escape(dephlegmator::Tr(device.caption)) << "</option>\n";
    }
    return html.str();
}

// The choices of the reflux ratio a cooling tank must hold, full reflux selected.
std::string TankRefluxOptions() {
    std::ostringstream html;
    for (const dephlegmator::RefluxRatio& row : dephlegmator::kRefluxRatios) {
        const bool full = row.ratio == dephlegmator::kFullReflux;
        html << "        <option"
             << (full ? " selected" + TextMarker(dephlegmator::Text::FullReflux) : "") << ">"
             << Escape(dephlegmator::RefluxHeading(row)) << "</option>\n";
    }
    return html.str();
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr std::string_view kHex = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

// Every text of the catalogue and of the page's own in `language`, as a JSON object by key.
std::string TextsJson(dephlegmator::Language language) {
    const bool english = language == dephlegmator::Language::English;
    std::string json = "{";
    const auto add = [&](std::string_view key, std::string_view text) {
        if (json.size() > 1) json += ",\n";
        AppendJsonString(json, key);
        json += ':';
        AppendJsonString(json, text);
    };
    for (const dephlegmator::TextEntry& entry : dephlegmator::Catalogue()) {
        add(entry.key, english ? entry.english : entry.russian);
    }
    for (const dephlegmator::PageTextEntry& entry : dephlegmator::PageTexts()) {
        add(entry.key, english ? entry.english : entry.russian);
    }
    return json + "}\n";
}

// The layout table as the page's tests read it: each control's name, kind, parent, caption key
// (null for a box), rectangle in twips relative to its parent, font, alignment, typing limit,
// whether it is shown at start, its group on a narrow screen and its place in the tab order (null
// where it takes no focus); the groups in their order down the column.
std::string LayoutJson() {
    const auto kindName = [](Kind kind) {
        switch (kind) {
            case Kind::Frame:
                return "Frame";
            case Kind::Label:
                return "Label";
            case Kind::TextBox:
                return "TextBox";
            case Kind::Option:
                return "Option";
            case Kind::Button:
                return "Button";
        }
        return "";
    };
    const auto quoted = [](std::string_view text) {
        std::string out;
        AppendJsonString(out, text);
        return out;
    };
    std::string json = "{";
    // `"name":value` into `object`, after a comma unless it opens it; `value` is JSON already.
    const auto field = [](std::string& object, std::string_view name, const std::string& value) {
        if (object.back() != '{') object += ',';
        AppendJsonString(object, name);
        object += ':' + value;
    };
    field(json, "twipsPerPixel", std::to_string(kTwipsPerPixel));
    field(json, "width", std::to_string(kClientWidth));
    field(json, "height", std::to_string(kClientHeight));
    field(json, "wideLayoutMinPx", std::to_string(kWideLayoutMinPx));
    field(json, "phoneColumnWidth", std::to_string(kPhoneColumnWidth));
    std::string groups;
    for (const PhoneGroup& group : kPhoneGroups) {
        groups += (groups.empty() ? "[" : ",") + quoted(group.name);
    }
    field(json, "phoneGroups", groups + "]");
    std::string controls;
    for (const ControlRow& row : kControls) {
        const auto* const tab = std::find(kTabOrder.begin(), kTabOrder.end(), row.name);
        controls += controls.empty() ? "[\n" : ",\n";
        std::string control = "{";
        field(control, "name", quoted(row.name));
        field(control, "kind", quoted(kindName(row.kind)));
        field(control, "parent", quoted(row.parent));
        field(control, "caption", row.caption.has_value() ? quoted(KeyOf(*row.caption)) : "null");
        field(control, "x", std::to_string(row.x));
        field(control, "y", std::to_string(row.y));
        field(control, "w", std::to_string(row.w));
        field(control, "h", std::to_string(row.h));
        field(control, "font", quoted(row.font == Font::Bold12 ? "Bold12" : "Standard"));
        field(control, "align", quoted(AlignClass(row.align)));
        field(control, "maxLength", std::to_string(row.maxLength));
        field(control, "visible", row.visible ? "true" : "false");
        field(control, "phoneGroup", quoted(GroupOf(row).name));
        field(control, "tabIndex",
              tab != kTabOrder.end() ? std::to_string(tab - kTabOrder.begin()) : "null");
        controls += control + '}';
    }
    field(json, "controls", controls + "\n]");
    return json + "}\n";
}

bool WriteFile(const char* path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: page_generator PARTS_DIR\n";
        return 2;
    }
    // Each part NAME.html fills the page's slot <!-- NAME -->; layout.json goes beside the site.
    try {
        CheckColumnFits();
    } catch (const std::logic_error& fault) {
        std::cerr << "page_generator: " << fault.what() << "\n";
        return 1;
    }
    const std::string dir = argv[1];
    const std::pair<const char*, std::string> parts[] = {
        {"layout.css", LayoutCss()},
        {"layout.json", LayoutJson()},
        {"controls.html", ControlWriter().write()},
        {"chart.html", ChartElement("ControlCurve", dephlegmator::kChartSize)},
        {"tank-chart.html", ChartElement("TankChart", dephlegmator::kTankChartSize)},
        {"reflux.html", RefluxRows()},
        {"devices.html", DeviceOptions()},
        {"tank-reflux.html", TankRefluxOptions()},
        {"texts-ru.json", TextsJson(dephlegmator::Language::Russian)},
        {"texts-en.json", TextsJson(dephlegmator::Language::English)},
    };
    for (const auto& [name, text] : parts) {
        if (!WriteFile((dir + "/" + name).c_str(), text)) {
            std::cerr << "page_generator: cannot write " << dir << "/" << name << "\n";
            return 1;
        }
    }
    return 0;
}
