#include "core/modern/WebFileName.h"

#include <gtest/gtest.h>

using namespace targello;

TEST(WebFileStem, NamesBecomeLowercaseAsciiEveryServerKeeps) {
    const std::pair<const char*, const char*> cases[] = {
        {"słoik pionowo", "sloik-pionowo"},
        {"ZAŻÓŁĆ GĘŚLĄ JAŹŃ", "zazolc-gesla-jazn"},
        {"Miód_lipowy (2024)", "miod-lipowy-2024"},
        {"  --a  --  b--  ", "a-b"},
        {"100%#?&=+ zł", "100-zl"},
        {"tab\there\r\nline", "tab-here-line"},
        {"crème brûlée", "cr-me-br-l-e"},
        {"日本", "obrazek"},
        {"", "obrazek"},
        {"\xFF\xFE", "obrazek"},
    };
    for (const auto& [name, stem] : cases)
        EXPECT_EQ(WebFileStem(name), stem) << name;
}
