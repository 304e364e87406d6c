// The icons the build embeds follow the tool catalogue: plugin/CMakeLists.txt renders one icon per
// row, named after the tool in lower case, numbered from 16064 in row order, and every row's icon
// is in the resource directory as a PNG image.
#include "frame/ToolCatalogue.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The words after `set(<variable>` up to the closing parenthesis.
std::vector<std::string> CMakeSet(const std::string& text, const std::string& variable) {
    const std::string opening = "set(" + variable + " ";
    const size_t from = text.find(opening);
    if (from == std::string::npos) return {};
    const size_t end = text.find(')', from);
    std::istringstream words(text.substr(from + opening.size(), end - from - opening.size()));
    std::vector<std::string> list;
    for (std::string word; words >> word;) list.push_back(word);
    return list;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

TEST(CatalogueIcons, TheBuildRendersOneIconPerRowInRowOrder) {
    const std::string cmake = ReadFile(std::string(ZARVO_SOURCE_DIR) + "/plugin/CMakeLists.txt");
    ASSERT_FALSE(cmake.empty());
    const std::vector<std::string> names = CMakeSet(cmake, "ZARVO_ICON_NAMES");
    const std::vector<std::string> firstId = CMakeSet(cmake, "icon_id");
    ASSERT_EQ(firstId.size(), 1u);

    const ToolCatalogue& tools = BuiltInToolCatalogue();
    ASSERT_EQ(names.size(), static_cast<size_t>(tools.count));
    for (int i = 0; i < tools.count; ++i) {
        const ToolRow& row = tools.rows[i];
        EXPECT_EQ(Lower(row.name), names[i]) << "row " << i;
        EXPECT_EQ(row.icon, std::stoi(firstId[0]) + i) << row.name;
        EXPECT_EQ(row.icon, resources::kFirstIconId + i) << row.name;
    }
    EXPECT_EQ(tools.count, resources::kIconCount);
}

TEST(CatalogueIcons, EveryRowsIconIsEmbeddedAsAPng) {
    static const unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (const ToolRow& row : BuiltInToolCatalogue()) {
        const resources::Resource icon = resources::Find(resources::kIconType, row.icon);
        ASSERT_GT(icon.size, sizeof kPngSignature) << row.name;
        EXPECT_TRUE(std::equal(kPngSignature, kPngSignature + 8, icon.data)) << row.name;
    }
}

}  // namespace
