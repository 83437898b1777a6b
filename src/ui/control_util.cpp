// Small helpers shared by the control constructors.
#include "ui/control_util.h"

#include <cstdio>
#include <cstring>

#include "platform/os/message_queue.h"

const float gFlipScale = -1.0f;

void ReportMissingControlRow(const char* kind, int controlId)
{
    os::PostFailureQuit("no %s row for control %d", kind, controlId);
}

void CopyControlText(char* dest, size_t size, const char* source)
{
    if (size == 0)
        return;
    size_t length = source ? std::strlen(source) : 0;
    if (length >= size)
        length = size - 1;
    if (length > 0)
        std::memcpy(dest, source, length);
    dest[length] = '\0';
}

void PointSpriteRecord(SpriteDrawRecord& record, const int* x, const int* y, const uint32_t* colour,
                       const float* xScale, const float* yScale)
{
    record.x = x;
    record.y = y;
    record.colour = colour;
    record.xScale = xScale;
    record.yScale = yScale;
}
