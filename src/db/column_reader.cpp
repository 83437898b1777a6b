// Column conversions shared by every row callback.
#include "db/column_reader.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "db/parsers.h"

const char* CColumnReader::Raw()
{
    const char* value = mValues[mColumn++];
    return value != nullptr ? value : "";
}

int32_t CColumnReader::Int()
{
    return std::atoi(Raw());
}

float CColumnReader::Real()
{
    return static_cast<float>(std::atof(Raw()));
}

bool CColumnReader::Bool()
{
    return ParseBool(Raw());
}

uint32_t CColumnReader::Color()
{
    unsigned int value = 0;
    if (std::sscanf(Raw(), "%x", &value) != 1)
        return 0;
    return value;
}

char CColumnReader::FirstChar()
{
    return Raw()[0];
}

void CColumnReader::CopyText(char* destination, size_t size)
{
    const char* text = Raw();
    size_t length = std::strlen(text);
    if (length > size - 1)
        length = size - 1;
    std::memcpy(destination, text, length);
    destination[length] = '\0';
}
