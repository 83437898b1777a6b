// A GL buffer that draws stream their vertices or indices through: written front to back and
// given fresh storage only when full, so an ordinary draw allocates nothing.
#pragma once

#include <epoxy/gl.h>

namespace gfx::gl {

class GlStreamBuffer {
public:
    // Makes the buffer and binds it to target (which must keep it bound while it is written).
    GlStreamBuffer(GLenum target, GLsizeiptr capacity);
    ~GlStreamBuffer();
    GlStreamBuffer(const GlStreamBuffer&) = delete;
    GlStreamBuffer& operator=(const GlStreamBuffer&) = delete;

    GLuint Name() const { return mName; }
    GLsizeiptr Capacity() const { return mCapacity; }

    // Copies size bytes in at a multiple of align and returns where, in bytes. Earlier writes
    // stay valid for draws already made: a full buffer gets new storage (growing when one
    // write is larger than all of it) rather than being written over.
    GLintptr Write(const void* data, GLsizeiptr size, GLsizeiptr align);

private:
    GLenum mTarget;
    GLuint mName = 0;
    GLsizeiptr mCapacity;
    GLsizeiptr mUsed = 0;
};

}  // namespace gfx::gl
