#include "RtfText.h"

#include "platform/CodePage.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora::outlook::standin {
namespace {

constexpr std::size_t kMaxDepth = 256;

// Groups whose content is not text.
bool IsSkippedDestination(std::string_view word)
{
    static constexpr std::string_view kSkipped[] = {
        "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "header", "footer", "headerl", "headerr",
        "footerl", "footerr", "listtable", "listoverridetable", "rsidtbl", "generator", "themedata", "colorschememapping",
        "latentstyles", "datastore", "xmlnstbl", "filetbl", "revtbl", "pgdsctbl", "mmathPr", "xmlopen", "fldinst",
    };
    for (std::string_view s : kSkipped)
        if (word == s)
            return true;
    return false;
}

struct State {
    bool Skip = false;
    bool HtmlRtf = false;
    int UnicodeSkip = 1;
};

class Converter {
public:
    explicit Converter(std::string_view rtf) : mRtf(rtf) {}

    std::u16string Run()
    {
        std::vector<State> stack{State{}};
        while (mPos < mRtf.size()) {
            const char c = mRtf[mPos++];
            switch (c) {
            case '{':
                if (stack.size() >= kMaxDepth)
                    return mText;
                stack.push_back(stack.back());
                mGroupStart = true;
                continue;
            case '}':
                if (stack.size() > 1)
                    stack.pop_back();
                break;
            case '\\': ControlWord(stack.back()); break;
            case '\r':
            case '\n': break;
            default:
                if (mPendingSkip > 0)
                    --mPendingSkip;
                else
                    Emit(stack.back(), static_cast<unsigned char>(c));
                break;
            }
            mGroupStart = false;
        }
        return mText;
    }

private:
    void Emit(const State& s, unsigned char byte)
    {
        if (!s.Skip && !s.HtmlRtf)
            mText += platform::ToWide(std::string(1, static_cast<char>(byte)));
    }

    void EmitChar(const State& s, char16_t c)
    {
        if (!s.Skip && !s.HtmlRtf)
            mText.push_back(c);
    }

    void ControlWord(State& s)
    {
        const bool atGroupStart = mGroupStart;
        if (mPos >= mRtf.size())
            return;
        const char c = mRtf[mPos];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++mPos;
            if (c == '*' && atGroupStart)
                s.Skip = true;
            else if (c == '\'')
                HexByte(s);
            else if (c == '\\' || c == '{' || c == '}')
                Emit(s, static_cast<unsigned char>(c));
            else if (c == '~')
                EmitChar(s, u'\u00A0');
            mGroupStart = atGroupStart && c == '*';
            return;
        }
        const std::size_t start = mPos;
        while (mPos < mRtf.size() && std::isalpha(static_cast<unsigned char>(mRtf[mPos])))
            ++mPos;
        const std::string_view word = mRtf.substr(start, mPos - start);
        bool hasNumber = false;
        long number = 0;
        bool negative = false;
        if (mPos < mRtf.size() && mRtf[mPos] == '-') {
            negative = true;
            ++mPos;
        }
        int digits = 0;
        while (mPos < mRtf.size() && std::isdigit(static_cast<unsigned char>(mRtf[mPos]))) {
            if (digits++ < 10)
                number = number * 10 + (mRtf[mPos] - '0');
            hasNumber = true;
            ++mPos;
        }
        if (negative)
            number = -number;
        if (mPos < mRtf.size() && mRtf[mPos] == ' ')
            ++mPos;

        if (atGroupStart && IsSkippedDestination(word))
            s.Skip = true;
        else if (word == "par" || word == "line")
            EmitChar(s, u'\r'), EmitChar(s, u'\n');
        else if (word == "tab")
            EmitChar(s, u'\t');
        else if (word == "uc" && hasNumber)
            s.UnicodeSkip = number >= 0 && number < 10 ? static_cast<int>(number) : 1;
        else if (word == "u" && hasNumber) {
            EmitChar(s, static_cast<char16_t>(number < 0 ? number + 65536 : number));
            mPendingSkip = s.UnicodeSkip;
        } else if (word == "htmlrtf")
            s.HtmlRtf = !hasNumber || number != 0;
    }

    void HexByte(const State& s)
    {
        int value = 0;
        for (int i = 0; i < 2; ++i) {
            if (mPos >= mRtf.size() || !std::isxdigit(static_cast<unsigned char>(mRtf[mPos])))
                return;
            const char h = static_cast<char>(std::tolower(static_cast<unsigned char>(mRtf[mPos++])));
            value = value * 16 + (h <= '9' ? h - '0' : h - 'a' + 10);
        }
        if (mPendingSkip > 0) {
            --mPendingSkip;
            return;
        }
        Emit(s, static_cast<unsigned char>(value));
    }

    std::string_view mRtf;
    std::size_t mPos = 0;
    std::u16string mText;
    bool mGroupStart = false;
    int mPendingSkip = 0;
};

}  // namespace

std::u16string RtfToText(std::string_view rtf)
{
    std::u16string text = Converter(rtf).Run();
    // A body's last paragraph mark ends it; it is no empty line of its own.
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u' '))
        text.pop_back();
    return text;
}

}  // namespace velmora::outlook::standin
