// Column conversions shared by every row callback.
#include "db/column_reader.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "db/parsers.h"

const char* CColumnReader::Raw()
{
    const char* value = mValues[mColumn++];
    return value != nullptr ? value : "";
}

// As atoi and atof read them, with numbers past the type's range held at its ends rather
// than left undefined: a hostile save file cannot make a conversion overflow.
int32_t CColumnReader::Int()
{
    const long long value = std::strtoll(Raw(), nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

float CColumnReader::Real()
{
    const double value = std::strtod(Raw(), nullptr);
    if (std::isfinite(value))
        return static_cast<float>(std::clamp<double>(value, -FLT_MAX, FLT_MAX));
    return static_cast<float>(value);
}

bool CColumnReader::Bool()
{
    return ParseBool(Raw());
}

uint32_t CColumnReader::Color()
{
    const unsigned long long value = std::strtoull(Raw(), nullptr, 16);
    return static_cast<uint32_t>(std::min<unsigned long long>(value, UINT32_MAX));
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
