// Streaming draw data into one GL buffer.
#include "platform/gfx/gl/gl_stream_buffer.h"

#include <cstring>

namespace gfx::gl {

GlStreamBuffer::GlStreamBuffer(GLenum target, GLsizeiptr capacity) : mTarget(target), mCapacity(capacity)
{
    glGenBuffers(1, &mName);
    glBindBuffer(mTarget, mName);
    glBufferData(mTarget, mCapacity, nullptr, GL_STREAM_DRAW);
}

GlStreamBuffer::~GlStreamBuffer()
{
    glDeleteBuffers(1, &mName);
}

GLintptr GlStreamBuffer::Write(const void* data, GLsizeiptr size, GLsizeiptr align)
{
    GLsizeiptr at = (mUsed + align - 1) / align * align;
    if (at + size > mCapacity) {
        while (mCapacity < size)
            mCapacity *= 2;
        // New storage; draws already made keep reading the old one.
        glBufferData(mTarget, mCapacity, nullptr, GL_STREAM_DRAW);
        at = 0;
    }
    // Nothing drawn reads this range of the current storage, so no need to wait for the GPU.
    bool written = false;
    if (void* mapped = glMapBufferRange(mTarget, at, size,
                                        GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_RANGE_BIT | GL_MAP_UNSYNCHRONIZED_BIT)) {
        std::memcpy(mapped, data, static_cast<size_t>(size));
        // False when the driver lost the mapped memory; then it is written the plain way.
        written = glUnmapBuffer(mTarget) == GL_TRUE;
    }
    if (!written)
        glBufferSubData(mTarget, at, size, data);
    mUsed = at + size;
    return at;
}

}  // namespace gfx::gl
