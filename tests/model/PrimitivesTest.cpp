#include "model/CSV.h"
#include "model/CxList.h"
#include "model/TextCompare.h"
#include "model/TextSlots.h"
#include "model/TextValue.h"

#include "platform/AsciiCase.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace velmora::model;

TEST(Text, KeepsAtMostCapacityLessOneCharactersAcrossTheInlineAndHeapForms)
{
    for (std::size_t length : {0u, 1u, 6u, 7u, 15u, 16u, 40u}) {
        const std::string value(length, 'a');
        Text<16> text = value;
        EXPECT_EQ(text.view(), value.substr(0, 15)) << length;
        EXPECT_EQ(std::string(text.c_str()), value.substr(0, 15)) << length;
        EXPECT_EQ(text.empty(), length == 0);
        Text<16> copy = text;
        text = "changed";
        EXPECT_EQ(copy.view(), value.substr(0, 15)) << "copies are deep";
    }
    static_assert(sizeof(Text<8192>) == 8);
}

TEST(Text, CutsAtAnEmbeddedNulAndAcceptsPiecesOfItself)
{
    Text<32> text = std::string("ab\0cd", 5);
    EXPECT_EQ(text.view(), "ab");
    text = "a long value on the heap";
    text = text.view().substr(2, 4);
    EXPECT_EQ(text.view(), "long");
    text = text.view().substr(1);
    EXPECT_EQ(text.view(), "ong");
    Text<4> shorter = text;
    Text<64> wider = "0123456789";
    shorter = wider;
    EXPECT_EQ(shorter.view(), "012");
    text = static_cast<const char*>(nullptr);
    EXPECT_TRUE(text.empty());
}

TEST(TextSlots, ReadEmptyUntilSetCutLikeTextsAndCopyDeeply)
{
    TextSlots<3, 8> slots;
    slots.Set(1, "");
    EXPECT_EQ(slots[2], "") << "an empty value makes no room, and every slot reads empty";
    slots.Set(2, "longer than seven");
    EXPECT_EQ(slots[2], "longer ");
    TextSlots<3, 8> copy = slots;
    slots.Set(2, "");
    EXPECT_EQ(copy[2], "longer ");
    EXPECT_EQ(slots[2], "");
    TextSlots<3, 8> merged;
    CopyWhenGiven(merged, copy, 2);
    CopyWhenGiven(merged, copy, 0);
    EXPECT_EQ(merged[2], "longer ");
    CopyWhenGiven(merged, slots, 2);
    EXPECT_EQ(merged[2], "longer ") << "an empty value keeps the stored one";
    CopyWhenGiven(merged, slots, 2, true);
    EXPECT_EQ(merged[2], "");
}

TEST(CxList, CursorWalksForwardAndStopsAtTheEnds)
{
    CxList<int> list;
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_FALSE(list.Append(nullptr));
    int values[] = {10, 20, 30};
    for (int& v : values)
        EXPECT_TRUE(list.Append(&v));
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_EQ(*list.First(), 10);
    EXPECT_EQ(*list.Next(), 20);
    EXPECT_EQ(*list.Next(), 30);
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.Next(), nullptr) << "the cursor stays on the last entry";
    EXPECT_EQ(list.GetAt(3), nullptr);
    EXPECT_EQ(*list.GetAt(1), 20);
    EXPECT_EQ(*list.Next(), 30) << "GetAt moves the cursor";
    list.Clear(false);
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.First(), nullptr);
}

TEST(CSV, SplitsAtEveryCommaAndKeepsEmptyFields)
{
    const struct {
        const char* line;
        std::vector<std::string> fields;
    } cases[] = {
        {"SU,MO,TU", {"SU", "MO", "TU"}}, {"MO", {"MO"}}, {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},               {" a , b", {" a ", " b"}},
    };
    for (const auto& c : cases) {
        CSV csv(c.line);
        ASSERT_EQ(csv.FieldCount(), c.fields.size()) << c.line;
        for (std::size_t i = 0; i < c.fields.size(); ++i)
            EXPECT_EQ(csv.Field(i), c.fields[i]) << c.line;
        EXPECT_STREQ(csv.Field(c.fields.size() + 2), "");
    }
    CSV csv;
    EXPECT_FALSE(csv.Parse(""));
    EXPECT_FALSE(csv.Parse(nullptr));
    EXPECT_EQ(csv.FieldCount(), 0u);
}

TEST(TextCompare, LineBreakRuleCases)
{
    const struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"Main\r\nSt", "MainSt", true},   {"main st", "MAIN ST", true}, {"Main\r\n", "Main", false},
        {"Main\r\n", "Main\n", true},     {"\r\n", "", false},           {"\r", "\n", true},
        {"A\rB\r", "AB", false},          {"A\rB\r", "AB\n", true},      {"AB\r\nC", "AB\r\n", false},
        {"", "", true},                   {"a", "", false},              {"abc", "abd", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextRuleEqual(c.a, c.b, false), c.equal) << '"' << c.a << "\" vs \"" << c.b << '"';
        EXPECT_EQ(TextRuleEqual(c.b, c.a, false), c.equal);
    }
    EXPECT_FALSE(TextRuleEqual("main", "MAIN", true));
    EXPECT_TRUE(EqualNoCase("Hello", "hELLO"));
    EXPECT_TRUE(EqualNoCase("abcX", "ABCY", 3));
    EXPECT_FALSE(EqualNoCase("abc", "abcd"));
}

// The index relies on this: texts a comparison finds equal always hash equally.
TEST(TextCompare, EqualTextsHashEqually)
{
    std::mt19937 rng(7);
    const std::string alphabet = "aAbB\r\n";
    auto randomText = [&] {
        std::string s(rng() % 6, ' ');
        for (char& c : s)
            c = alphabet[rng() % alphabet.size()];
        return s;
    };
    auto hashOf = [](auto hashFn, const std::string& text) {
        FieldHasher hasher;
        hashFn(hasher, text);
        return hasher.Value();
    };
    // Long texts, hashed a word at a time, against a copy with the case of its letters flipped at
    // random and a line break put inside: every byte value, the neighbours of the letters.
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        bytes += static_cast<char>(c);
    for (int i = 0; i < 5000; ++i) {
        std::string a(rng() % 40, ' ');
        for (char& c : a)
            c = rng() % 2 ? "@AZ[`az{"[rng() % 8] : bytes[rng() % bytes.size()];
        std::string b = a;
        for (char& c : b)
            c = rng() % 2 ? velmora::platform::UpperAscii(c) : velmora::platform::LowerAscii(c);
        ASSERT_TRUE(EqualNoCase(a, b));
        EXPECT_EQ(hashOf([](FieldHasher& h, const std::string& t) { HashNoCase(h, t); }, a),
                  hashOf([](FieldHasher& h, const std::string& t) { HashNoCase(h, t); }, b))
            << a;
        if (b.size() > 1)
            b.insert(1 + rng() % (b.size() - 1), "\r\n");
        if (TextRuleEqual(a, b, false)) {
            EXPECT_EQ(hashOf([](FieldHasher& h, const std::string& t) { HashTextRule(h, t, false); }, a),
                      hashOf([](FieldHasher& h, const std::string& t) { HashTextRule(h, t, false); }, b))
                << a;
        }
    }
    for (int i = 0; i < 20000; ++i) {
        const std::string a = randomText(), b = randomText();
        if (TextRuleEqual(a, b, false)) {
            EXPECT_EQ(hashOf([](FieldHasher& h, const std::string& t) { HashTextRule(h, t, false); }, a),
                      hashOf([](FieldHasher& h, const std::string& t) { HashTextRule(h, t, false); }, b));
        }
        if (EqualNoCase(a, b)) {
            EXPECT_EQ(hashOf([](FieldHasher& h, const std::string& t) { HashNoCase(h, t); }, a),
                      hashOf([](FieldHasher& h, const std::string& t) { HashNoCase(h, t); }, b));
        }
    }
}
