// The tokens of a text-format .x mesh file: words (names and numbers), strings, braces and
// separators, with comments skipped.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace gfx {

struct XToken {
    enum Kind { kWord, kString, kOpen, kClose, kSeparator, kGuid, kEnd, kBad };
    Kind kind = kEnd;
    std::string_view text;  // the word, or the string without its quotes
    int line = 0;
};

class XTokenizer {
public:
    explicit XTokenizer(std::string_view text, int firstLine = 1) : mText(text), mLine(firstLine) {}

    XToken Next();
    XToken Peek();
    int Line() const { return mLine; }
    size_t Remaining() const { return mText.size() - mPos; }

private:
    XToken Scan();

    std::string_view mText;
    size_t mPos = 0;
    int mLine;
    std::optional<XToken> mPeeked;
};

}  // namespace gfx
