// Reads the columns of one result row in select order, with the conversions every record shares.
#pragma once

#include <cstddef>
#include <cstdint>

class CColumnReader {
public:
    explicit CColumnReader(char** values) : mValues(values) {}

    // Each call reads the next column; NULL reads as 0, 0.0, false or the empty text. Numbers
    // past the type's range read as its nearest end.
    int32_t Int();
    float Real();
    bool Bool();
    // Hexadecimal ARGB text ("ff80ff00"); anything unreadable is 0.
    uint32_t Color();
    // Copies at most size - 1 characters and always terminates.
    template <size_t N>
    void Text(char (&destination)[N])
    {
        CopyText(destination, N);
    }
    // The first character of the text, 0 when empty.
    char FirstChar();
    // The raw text of the next column (empty for NULL), for keyword parsers.
    const char* Raw();
    void Skip() { ++mColumn; }

private:
    void CopyText(char* destination, size_t size);

    char** mValues;
    int mColumn = 0;
};
