// Tokenizer of text-format .x files.
#include "platform/gfx/xfile_tokens.h"

namespace gfx {

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool IsDelimiter(char c)
{
    return IsSpace(c) || c == '{' || c == '}' || c == ';' || c == ',' || c == '"' || c == '<' || c == '#' || c == '/';
}

}  // namespace

XToken XTokenizer::Next()
{
    if (mPeeked) {
        XToken t = *mPeeked;
        mPeeked.reset();
        return t;
    }
    return Scan();
}

XToken XTokenizer::Peek()
{
    if (!mPeeked)
        mPeeked = Scan();
    return *mPeeked;
}

XToken XTokenizer::Scan()
{
    for (;;) {
        while (mPos < mText.size() && IsSpace(mText[mPos])) {
            if (mText[mPos] == '\n')
                ++mLine;
            ++mPos;
        }
        bool slashes = mPos + 1 < mText.size() && mText[mPos] == '/' && mText[mPos + 1] == '/';
        if (mPos < mText.size() && (mText[mPos] == '#' || slashes)) {
            while (mPos < mText.size() && mText[mPos] != '\n')
                ++mPos;
            continue;
        }
        break;
    }
    XToken t;
    t.line = mLine;
    if (mPos >= mText.size())
        return t;
    char c = mText[mPos];
    size_t start = mPos;
    switch (c) {
    case '{':
        ++mPos;
        t.kind = XToken::kOpen;
        return t;
    case '}':
        ++mPos;
        t.kind = XToken::kClose;
        return t;
    case ';':
    case ',':
        ++mPos;
        t.kind = XToken::kSeparator;
        return t;
    case '"': {
        size_t end = mText.find('"', start + 1);
        if (end == std::string_view::npos || mText.substr(start, end - start).find('\n') != std::string_view::npos) {
            mPos = mText.size();
            t.kind = XToken::kBad;
            return t;
        }
        t.kind = XToken::kString;
        t.text = mText.substr(start + 1, end - start - 1);
        mPos = end + 1;
        return t;
    }
    case '<': {
        size_t end = mText.find('>', start);
        if (end == std::string_view::npos) {
            mPos = mText.size();
            t.kind = XToken::kBad;
            return t;
        }
        t.kind = XToken::kGuid;
        t.text = mText.substr(start + 1, end - start - 1);
        mPos = end + 1;
        return t;
    }
    case '/':  // a lone slash belongs to no token of the format
        ++mPos;
        t.kind = XToken::kBad;
        return t;
    default:
        while (mPos < mText.size() && !IsDelimiter(mText[mPos]))
            ++mPos;
        t.kind = XToken::kWord;
        t.text = mText.substr(start, mPos - start);
        return t;
    }
}

}  // namespace gfx
