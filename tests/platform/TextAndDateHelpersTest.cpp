#include "platform/CodePage.h"
#include "platform/HexDump.h"
#include "platform/SystemTime.h"

#include <gtest/gtest.h>

#include <vector>

using namespace velmora::platform;

TEST(CodePage, ConvertsBetweenUtf16AndWindows1252)
{
    const struct {
        std::u16string wide;
        std::string narrow;
    } cases[] = {
        {u"Plain", "Plain"}, {u"Caf\u00e9 \u20ac5", "Caf\xe9 \x80" "5"}, {u"\u2018q\u2019", "\x91q\x92"},
        {u"\u0081", "\x81"}, {u"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToNarrow(c.wide), c.narrow);
        EXPECT_EQ(ToWide(c.narrow), c.wide);
    }
    EXPECT_EQ(ToNarrow(u"\u4e2d\U0001F600x"), "??x") << "a surrogate pair is one character";
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(ToNarrow(ToWide(one)), one) << byte;
    }
}

TEST(CodePage, ConvertsBetweenUtf8AndWindows1252)
{
    EXPECT_EQ(AnsiToUtf8("Caf\xe9 \x80" "5"), "Caf\u00e9 \u20ac5");
    EXPECT_EQ(Utf8ToAnsi("Caf\u00e9 \u20ac5 \u4e2d \U0001F600"), "Caf\xe9 \x80" "5 ? ?");
    EXPECT_EQ(Utf8ToAnsi("bad \xC3 \xFF end"), "bad ? ? end");
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(one)), one) << byte;
    }
}

TEST(HexDump, ShowsAtMostTheFirst1024BytesInLowerCase)
{
    const std::vector<std::byte> bytes = {std::byte{0x00}, std::byte{0xAB}, std::byte{0x7f}};
    EXPECT_EQ(HexDump(bytes), "00 ab 7f");
    EXPECT_EQ(HexDump({}), "");
    const std::vector<std::byte> many(2000, std::byte{0x11});
    EXPECT_EQ(HexDump(many).size(), 1024u * 3 - 1);
}

TEST(SystemTime, CompareSystemDateLooksAtTheCalendarDateOnly)
{
    const SystemTime morning{2008, 3, 5, 7, 9, 0, 0, 0};
    const SystemTime evening{2008, 3, 1, 7, 21, 30, 0, 0};
    const SystemTime nextMonth{2008, 4, 2, 1, 0, 0, 0, 0};
    EXPECT_EQ(CompareSystemDate(&morning, &evening), 0);
    EXPECT_EQ(CompareSystemDate(&morning, &nextMonth), -1);
    EXPECT_EQ(CompareSystemDate(&nextMonth, &morning), 1);
    EXPECT_EQ(CompareSystemDate(nullptr, &morning), -1);
    EXPECT_EQ(CompareSystemDate(&morning, nullptr), 1);
}
