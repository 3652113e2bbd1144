#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "panel_settings.h"

namespace dephlegmator::testing {

// The design panel's elements as plain maps, for the tests of its sections.
class FakePanel final : public PanelControls {
  public:
    std::string value(std::string_view id) const override { return Find(values, id); }
    void setValue(std::string_view id, std::string_view text) override {
        values[std::string(id)] = text;
    }
    void setContent(std::string_view id, std::string_view text) override {
        contents[std::string(id)] = text;
    }
    void setMark(std::string_view id, std::string_view problem) override {
        marks[std::string(id)] = problem;
    }
    void setDrawing(std::string_view id, std::optional<Chart> chart,
                    std::string_view name) override {
        drawings[std::string(id)] = std::move(chart);
        names[std::string(id)] = name;
    }
    void setShown(std::string_view id, bool visible) override { shown[std::string(id)] = visible; }
    std::string decimalSeparator() const override {
        ++separatorAsked;
        return separator;
    }

    std::string mark(std::string_view id) const { return Find(marks, id); }
    std::string content(std::string_view id) const { return Find(contents, id); }

    // What a drawing shows; none where it shows nothing or was never drawn.
    std::optional<Chart> drawing(std::string_view id) const {
        const auto found = drawings.find(id);
        return found == drawings.end() ? std::nullopt : found->second;
    }

    bool isShown(std::string_view id) const {
        const auto found = shown.find(id);
        return found != shown.end() && found->second;
    }

    std::map<std::string, std::string, std::less<>> values, contents, marks, names;
    std::map<std::string, bool, std::less<>> shown;
    std::map<std::string, std::optional<Chart>, std::less<>> drawings;
    std::string separator = ",";
    mutable int separatorAsked = 0;

  private:
    static std::string Find(const std::map<std::string, std::string, std::less<>>& map,
                            std::string_view id) {
        const auto found = map.find(id);
        return found == map.end() ? std::string() : found->second;
    }
};

}  // namespace dephlegmator::testing
