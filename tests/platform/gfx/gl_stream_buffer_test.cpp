// Draw data streamed through the GL device's buffers: every draw reads its own vertices and
// indices when the buffers fill up, grow, or take vertices of odd sizes.
#include "platform/gfx/gl/gl_stream_buffer.h"

#include <cstring>
#include <vector>

#include "gl_test_support.h"

namespace gfx::gl {
namespace {

struct ColorVertex {
    float x, y, z, rhw;
    uint32_t color;
};

constexpr uint32_t kColorFvf = kFvfXyzRhw | kFvfDiffuse;

class GlStreamBufferTest : public GlPixelTest {
protected:
    // Vertices of the given stride: all at the origin (zero-area triangles) except the last
    // four, a clockwise quad over cell `cell` in `color`.
    static std::vector<uint8_t> Padded(uint32_t count, uint32_t stride, int cell, uint32_t color)
    {
        std::vector<uint8_t> bytes(static_cast<size_t>(count) * stride, 0);
        const float l = 10.0f + cell * 120.0f, t = 10.0f, r = l + 100.0f, b = 110.0f;
        const ColorVertex quad[4] = {
            {l, t, 0, 1, color}, {r, t, 0, 1, color}, {r, b, 0, 1, color}, {l, b, 0, 1, color}};
        for (uint32_t i = 0; i < 4; ++i)
            std::memcpy(bytes.data() + static_cast<size_t>(count - 4 + i) * stride, &quad[i], sizeof(ColorVertex));
        return bytes;
    }
    // The quad as an unindexed triangle list: six vertices at the end.
    static std::vector<uint8_t> PaddedList(uint32_t count, uint32_t stride, int cell, uint32_t color)
    {
        std::vector<uint8_t> quad = Padded(count, stride, cell, color);
        std::vector<uint8_t> bytes(quad.begin(), quad.end() - 4 * stride);
        bytes.resize(static_cast<size_t>(count + 2) * stride);
        const int order[6] = {0, 1, 2, 0, 2, 3};
        for (int i = 0; i < 6; ++i)
            std::memcpy(bytes.data() + static_cast<size_t>(count - 4 + i) * stride,
                        quad.data() + static_cast<size_t>(count - 4 + order[i]) * stride, stride);
        return bytes;
    }
    Result DrawIndexed(uint32_t vertexCount, uint32_t triangleCount, int cell, uint32_t color)
    {
        std::vector<uint8_t> vertices = Padded(vertexCount, sizeof(ColorVertex), cell, color);
        std::vector<uint32_t> indices(static_cast<size_t>(triangleCount) * 3, 0);
        const uint32_t q = vertexCount - 4;
        const uint32_t tail[6] = {q, q + 1, q + 2, q, q + 2, q + 3};
        std::memcpy(indices.data() + indices.size() - 6, tail, sizeof tail);
        mDevice->SetVertexShader(kColorFvf);
        return mDevice->DrawIndexedPrimitiveUP(kPrimTriangleList, vertexCount, triangleCount, indices.data(),
                                               vertices.data(), sizeof(ColorVertex));
    }
    Result DrawList(uint32_t vertexCount, uint32_t stride, int cell, uint32_t color)
    {
        std::vector<uint8_t> vertices = PaddedList(vertexCount, stride, cell, color);
        mDevice->SetVertexShader(kColorFvf);
        return mDevice->DrawPrimitiveUP(kPrimTriangleList, static_cast<uint32_t>(vertices.size() / stride / 3),
                                        vertices.data(), stride);
    }
};

TEST_F(GlStreamBufferTest, DrawsKeepTheirOwnDataWhenTheBuffersFillAndGrow)
{
    const uint32_t colors[6] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u, 0xFF00FFFFu, 0xFFFF00FFu};
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF000000u, 1.0f, 0);
    mDevice->BeginScene();
    // About 2 MB of vertices each: the vertex buffer (4 MB) fills at the third draw.
    ASSERT_EQ(DrawIndexed(100000, 1000, 0, colors[0]), kOk);
    ASSERT_EQ(DrawIndexed(100000, 1000, 1, colors[1]), kOk);
    // Odd vertex sizes must not leave the next vertex's floats misplaced.
    ASSERT_EQ(DrawList(3001, 23, 2, colors[2]), kOk);
    ASSERT_EQ(DrawIndexed(100000, 1000, 3, colors[3]), kOk);
    // More indices (1.2 MB) than the index buffer holds, and more vertices than the vertex buffer.
    ASSERT_EQ(DrawIndexed(100000, 100000, 4, colors[4]), kOk);
    ASSERT_EQ(DrawList(300000, 20, 5, colors[5]), kOk);
    mDevice->EndScene();
    for (int cell = 0; cell < 6; ++cell) {
        EXPECT_EQ(Pixel(60 + cell * 120, 60), colors[cell]) << "cell " << cell;
        EXPECT_EQ(Pixel(115 + cell * 120, 60), 0xFF000000u) << "between cells " << cell << " and " << cell + 1;
    }
}

TEST_F(GlStreamBufferTest, WritesLandAtTheAlignmentAskedForAndGrowWhenTooLarge)
{
    GlStreamBuffer buffer(GL_ARRAY_BUFFER, 64);
    const uint8_t bytes[100] = {};
    EXPECT_EQ(buffer.Write(bytes, 10, 4), 0);
    EXPECT_EQ(buffer.Write(bytes, 10, 4), 12);
    EXPECT_EQ(buffer.Write(bytes, 9, 23), 23);
    EXPECT_EQ(buffer.Write(bytes, 40, 4), 0) << "full: new storage, from its start";
    EXPECT_EQ(buffer.Capacity(), 64);
    EXPECT_EQ(buffer.Write(bytes, 100, 4), 0);
    EXPECT_EQ(buffer.Capacity(), 128);
}

}  // namespace
}  // namespace gfx::gl
