#include "platform/Base64.h"

#include <gtest/gtest.h>

using velmora::platform::DecodePassword;
using velmora::platform::EncodePassword;

TEST(Base64, EncodesTheStandardVectors)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"}, {"foobar", "Zm9vYmFy"}, {"\xff\xfe", "//4="},
    };
    for (const auto& [plain, encoded] : cases) {
        EXPECT_EQ(EncodePassword(plain), encoded);
        EXPECT_EQ(DecodePassword(encoded), plain);
    }
}

TEST(Base64, RoundTripsEveryLengthUpToTheLongestPassword)
{
    std::string plain;
    for (int length = 0; length <= 63; ++length) {
        EXPECT_EQ(DecodePassword(EncodePassword(plain)), plain) << "length " << length;
        plain += static_cast<char>(0x21 + (length * 37) % 0xDE);
    }
}

TEST(Base64, DecodingStopsAtTheFirstForeignCharacter)
{
    EXPECT_EQ(DecodePassword("Zm9v!Ymly"), "foo");
    EXPECT_EQ(DecodePassword("Zm9"), "fo");
}
