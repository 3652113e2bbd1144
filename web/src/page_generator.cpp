// Writes the page's controls from the window's layout table: an HTML fragment with one element per
// control, nested as the frames contain them, and a style sheet that places and sizes each one
// (15 twips make one CSS pixel). Writes too the design panel's chart element, its size from the
// chart geometry, and the rows of its reflux table from the table of reflux ratios.
// Usage: page_generator CONTROLS_HTML LAYOUT_CSS CHART_HTML REFLUX_HTML
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "chart_geometry.h"
#include "panel_settings.h"
#include "panel_texts.h"
#include "tank_chart.h"
#include "window_layout.h"

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

std::string Px(int twips) {
    // Every coordinate of the table is a whole number of pixels; a stray one keeps its fraction.
    std::ostringstream out;
    out << static_cast<double>(twips) / kTwipsPerPixel << "px";
    return out.str();
}

const ControlRow* Find(std::string_view name) {
    for (const ControlRow& row : kControls) {
        if (row.name == name) return &row;
    }
    return nullptr;
}

// The position of the control in the tab order, counted from 1, or 0 when it takes no focus.
int TabIndex(std::string_view name) {
    for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
        if (kTabOrder[i] == name) return static_cast<int>(i) + 1;
    }
    return 0;
}

bool SelectedAtStart(std::string_view name) {
    for (const std::string_view selected : kSelectedAtStart) {
        if (selected == name) return true;
    }
    return false;
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

// The attributes every control's outermost element carries.
std::string CommonAttributes(const ControlRow& row) {
    std::string classes = row.font == Font::Bold12 ? "bold" : "standard";
    classes += " ";
    classes += AlignClass(row.align);
    std::string out = " data-control=\"" + std::string(row.name) + "\" class=\"" + classes + "\"";
    if (!row.visible) out += " hidden";
    return out;
}

std::string Focusable(const ControlRow& row) {
    const int tab = TabIndex(row.name);
    return tab > 0 ? " tabindex=\"" + std::to_string(tab) + "\"" : "";
}

void WriteControl(std::ostream& html, const ControlRow& row, int depth);

void WriteChildren(std::ostream& html, std::string_view parent, int depth) {
    for (const ControlRow& row : kControls) {
        if (row.parent == parent) WriteControl(html, row, depth);
    }
}

void WriteControl(std::ostream& html, const ControlRow& row, int depth) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    const std::string name(row.name);
    const std::string caption = Escape(row.caption);
    switch (row.kind) {
        case Kind::Frame:
            html << indent << "<fieldset id=\"" << name << "\"" << CommonAttributes(row)
                 << "><legend>" << caption << "</legend>\n";
            WriteChildren(html, row.name, depth + 1);
            html << indent << "</fieldset>\n";
            break;
        case Kind::Label:
            html << indent << "<span id=\"" << name << "\"" << CommonAttributes(row) << ">"
                 << caption << "</span>\n";
            break;
        case Kind::TextBox:
            html << indent << "<input id=\"" << name << "\"" << CommonAttributes(row)
                 << " type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" "
                    "spellcheck=\"false\" value=\""
                 << caption << "\"";
            if (row.maxLength > 0) html << " maxlength=\"" << row.maxLength << "\"";
            html << Focusable(row) << ">\n";
            break;
        case Kind::Option:
            // The caption is the radio button's label, and the label is what the layout places.
            html << indent << "<label" << CommonAttributes(row) << "><input type=\"radio\" id=\""
                 << name << "\" name=\"" << row.parent << "\"" << Focusable(row)
                 << (SelectedAtStart(row.name) ? " checked" : "") << "><span>" << caption
                 << "</span></label>\n";
            break;
        case Kind::Button:
            html << indent << "<button id=\"" << name << "\"" << CommonAttributes(row)
                 << " type=\"button\"" << Focusable(row) << ">" << caption << "</button>\n";
            break;
    }
}

// Places one control. The table's rectangles fit the desktop's fonts; where a caption needs more
// room in this font, the control grows as the desktop window's does: a unit label to the right, a
// column heading downwards, an option caption to the right as far as its frame allows and then
// downwards, and the push button about its centre.
void WriteRule(std::ostream& css, const ControlRow& row) {
    css << "[data-control=\"" << row.name << "\"] { ";
    const bool wrapsDown = row.kind == Kind::Label && row.font == Font::Standard;
    if (row.kind == Kind::Button) {
        css << "left: " << Px(row.x + row.w / 2) << "; top: " << Px(row.y)
            << "; min-width: " << Px(row.w) << "; height: " << Px(row.h) << "; }\n";
        return;
    }
    css << "left: " << Px(row.x) << "; top: " << Px(row.y) << "; ";
    if (row.kind == Kind::Label && !wrapsDown) {
        css << "min-width: " << Px(row.w) << "; height: " << Px(row.h) << "; }\n";
    } else if (wrapsDown) {
        css << "width: " << Px(row.w) << "; min-height: " << Px(row.h) << "; }\n";
    } else if (row.kind == Kind::Option) {
        const ControlRow* frame = Find(row.parent);
        const int room = frame ? frame->w - row.x - 2 * kTwipsPerPixel : row.w;
        css << "min-width: " << Px(row.w) << "; max-width: " << Px(room > row.w ? room : row.w)
            << "; min-height: " << Px(row.h) << "; }\n";
    } else {
        css << "width: " << Px(row.w) << "; height: " << Px(row.h) << "; }\n";
    }
}

// A chart's element, named for a screen reader until the first recalculation draws it.
std::string ChartElement(std::string_view id, dephlegmator::ChartSize size) {
    std::ostringstream html;
    html << "  <svg id=\"" << id << "\" role=\"img\" aria-label=\""
         << Escape(dephlegmator::kChartBeforeFirstRecalculation) << "\" viewBox=\"0 0 "
         << size.width << ' ' << size.height << "\"></svg>\n";
    return html.str();
}

// One row per reflux ratio: its heading, and its flow's cell showing «—» until a recalculation.
std::string RefluxRows() {
    std::ostringstream html;
    for (const dephlegmator::RefluxRatio& row : dephlegmator::kRefluxRatios) {
        html << "        <tr><th scope=\"row\">" << Escape(row.heading) << "</th><td id=\""
             << row.id << "\">" << dephlegmator::kNoNumber << "</td></tr>\n";
    }
    return html.str();
}

// The choices of the device type, the window's first.
std::string DeviceOptions() {
    std::ostringstream html;
    for (const dephlegmator::DeviceType& device : dephlegmator::kDeviceTypes) {
        html << "      <option value=\"" << device.id << "\">" << Escape(device.caption)
             << "</option>\n";
    }
    return html.str();
}

// The choices of the reflux ratio a cooling tank must hold, full reflux selected.
std::string TankRefluxOptions() {
    std::ostringstream html;
    for (const dephlegmator::RefluxRatio& row : dephlegmator::kRefluxRatios) {
        const bool full = row.ratio == dephlegmator::kFullReflux;
        html << "        <option" << (full ? " selected" : "") << ">" << Escape(row.heading)
             << "</option>\n";
    }
    return html.str();
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
    std::ostringstream html;
    WriteChildren(html, "", 2);

    std::ostringstream css;
    css << "/* Generated from the window's layout table. */\n";
    css << "#FormMorvani { width: " << Px(kClientWidth) << "; height: " << Px(kClientHeight)
        << "; }\n";
    for (const ControlRow& row : kControls) WriteRule(css, row);
    // The charts keep the proportions of their drawings at any width.
    css << "#ControlCurve { aspect-ratio: " << dephlegmator::kChartSize.width << " / "
        << dephlegmator::kChartSize.height << "; }\n";
    css << "#TankChart { aspect-ratio: " << dephlegmator::kTankChartSize.width << " / "
        << dephlegmator::kTankChartSize.height << "; }\n";

    // Each part NAME.html fills the page's slot <!-- NAME -->.
    const std::string dir = argv[1];
    const std::pair<const char*, std::string> parts[] = {
        {"layout.css", css.str()},
        {"controls.html", html.str()},
        {"chart.html", ChartElement("ControlCurve", dephlegmator::kChartSize)},
        {"tank-chart.html", ChartElement("TankChart", dephlegmator::kTankChartSize)},
        {"reflux.html", RefluxRows()},
        {"devices.html", DeviceOptions()},
        {"tank-reflux.html", TankRefluxOptions()},
    };
    for (const auto& [name, text] : parts) {
        if (!WriteFile((dir + "/" + name).c_str(), text)) {
            std::cerr << "page_generator: cannot write " << dir << "/" << name << "\n";
            return 1;
        }
    }
    return 0;
}
