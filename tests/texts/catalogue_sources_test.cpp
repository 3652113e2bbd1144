// Every text the program shows lives in the catalogue (the gettext files in texts/po): no Cyrillic
// letter stands in the code of engine/, form/, companion/, ui/ or web/src/. Comments may be
// Russian.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "in_language.h"

namespace dephlegmator {
namespace {

using testing::HasCyrillic;

// The source with its comments blanked out, line breaks kept. String and character literals,
// raw strings among them, stay as they are, so that "//" in a string starts no comment; a quote
// after a digit is C++'s digit separator (1'000), not a character literal.
std::string CodeWithoutComments(std::string_view source) {
    std::string code;
    std::size_t i = 0;
    const auto blankTo = [&](std::size_t end) {
        for (; i < end && i < source.size(); ++i) code += source[i] == '\n' ? '\n' : ' ';
    };
    while (i < source.size()) {
        const std::string_view rest = source.substr(i);
        if (rest.starts_with("//")) {
            blankTo(std::min(source.find('\n', i), source.size()));
        } else if (rest.starts_with("/*")) {
            const std::size_t close = source.find("*/", i + 2);
            blankTo(close == std::string_view::npos ? source.size() : close + 2);
        } else if (rest.starts_with("R\"")) {
            const std::size_t open = source.find('(', i);
            const std::string end = ")" + std::string(source.substr(i + 2, open - i - 2)) + "\"";
            const std::size_t close = source.find(end, open);
            const std::size_t stop =
                close == std::string_view::npos ? source.size() : close + end.size();
            code += source.substr(i, stop - i);
            i = stop;
        } else if (rest[0] == '"' ||
                   (rest[0] == '\'' &&
                    (i == 0 || std::isalnum(static_cast<unsigned char>(source[i - 1])) == 0))) {
            const char quote = rest[0];
            std::size_t end = i + 1;
            while (end < source.size() && source[end] != quote)
                end += source[end] == '\\' ? 2u : 1u;
            end = std::min(end + 1, source.size());
            code += source.substr(i, end - i);
            i = end;
        } else {
            code += source[i++];
        }
    }
    return code;
}

TEST(CatalogueSources, CommentsAreTold) {
    const struct {
        const char* source;
        bool cyrillicInCode;
    } cases[] = {
        {"// «СР»\nint x;", false},      {"/* Т\n конденсации */ int x;", false},
        {"int x; // Т", false},          {"f(\"Т\");", true},
        {"f(\"// Т\");", true},          {"f(\"\\\"\"); // Т", false},
        {"f(\"\\\"// Т\");", true},      {"f(R\"x(Т)x\");", true},
        {"f(R\"(// )\", \"Т\");", true}, {"char c = '\"'; // Т", false},
        {"int n = 1'000; // Т", false},  {"int n = 1'000; f(\"Т\");", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(HasCyrillic(CodeWithoutComments(c.source)), c.cyrillicInCode);
    }
}

TEST(CatalogueSources, NoCyrillicTextOutsideTheCatalogue) {
#ifndef DEPHLEGMATOR_SOURCE_DIR
    GTEST_SKIP() << "built without the path of the sources";
#else
    namespace fs = std::filesystem;
    const fs::path root(DEPHLEGMATOR_SOURCE_DIR);
    std::vector<std::string> found;
    std::size_t scanned = 0;
    for (const char* folder : {"engine", "form", "companion", "ui", "web/src"}) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
            const fs::path& path = entry.path();
            if (path.extension() != ".cpp" && path.extension() != ".h") continue;
            ++scanned;
            std::ifstream in(path, std::ios::binary);
            std::stringstream source;
            source << in.rdbuf();
            std::istringstream lines(CodeWithoutComments(source.str()));
            int number = 0;
            for (std::string line; std::getline(lines, line);) {
                ++number;
                if (HasCyrillic(line)) {
                    found.push_back(fs::relative(path, root).string() + ":" +
                                    std::to_string(number) + ": " + line);
                }
            }
        }
    }
    EXPECT_GT(scanned, 50u);
    EXPECT_EQ(found, std::vector<std::string>{});
#endif
}

}  // namespace
}  // namespace dephlegmator
