// The recorded draws as stable text, and the comparison with a stored dump.
#include "support/draw_dump.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "core/graphics_globals.h"
#include "engine/resource_manager.h"
#include "platform/gfx/device_state.h"

namespace {

using gfx::headless::DrawRecord;

constexpr size_t kVerticesShown = 4;

// Names of the objects a draw points at, made once per dump.
class Names {
public:
    Names()
    {
        if (gResourceManager) {
            for (const auto& [path, texture] : gResourceManager->mPathTextures)
                mObjects.emplace(texture, path);
            for (const auto& [id, texture] : gResourceManager->mSpriteTextures)
                mObjects.emplace(texture, "sprite " + std::to_string(id));
        }
        mObjects[gGlowTexture] = "glow texture";
        mObjects[gBlurTexture] = "blur texture";
        mObjects[gGlowSurface] = "glow target";
        mObjects[gBlurSurface] = "blur target";
        mObjects[gBackBuffer] = "back buffer";
        mObjects[gDepthSurface] = "depth buffer";
        mObjects[nullptr] = "none";
    }
    const std::string& Of(const void* object)
    {
        auto known = mObjects.find(object);
        if (known == mObjects.end())
            known = mObjects.emplace(object, "unnamed " + std::to_string(++mUnnamed)).first;
        return known->second;
    }

private:
    std::map<const void*, std::string> mObjects;
    int mUnnamed = 0;
};

std::string Number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    // -0.00 and 0.00 are the same draw.
    return std::strcmp(text, "-0.00") == 0 ? "0.00" : text;
}

std::string Hex(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

// Primitive types and draw calls by their numbers; the device records only valid ones.
const char* const kPrimitives[] = {"?", "points", "lines", "line strip", "triangles", "triangle strip", "triangle fan"};
const char* const kCalls[] = {"DrawPrimitive", "DrawPrimitiveUP", "DrawIndexedPrimitiveUP"};

// One vertex by its format: position, normal, colours, texture coordinates.
std::string Vertex(const uint8_t* bytes, uint32_t fvf, uint32_t stride)
{
    std::vector<std::string> fields;
    size_t at = 0;
    auto floats = [&](int count) {
        for (int i = 0; i < count && at + sizeof(float) <= stride; ++i, at += sizeof(float)) {
            float value = 0;
            std::memcpy(&value, bytes + at, sizeof value);
            fields.push_back(Number(value));
        }
    };
    auto colour = [&] {
        uint32_t value = 0;
        if (at + sizeof value > stride)
            return;
        std::memcpy(&value, bytes + at, sizeof value);
        at += sizeof value;
        fields.push_back("#" + Hex(value));
    };
    if (fvf & gfx::kShaderHandleBit) {
        // A shader's declaration is not recorded: the vertex as plain numbers.
        floats(static_cast<int>(stride / sizeof(float)));
        fvf = 0;
    } else {
        floats((fvf & gfx::kFvfPositionMask) == gfx::kFvfXyzRhw ? 4 : 3);
    }
    if (fvf & gfx::kFvfNormal)
        floats(3);
    if (fvf & gfx::kFvfPSize)
        floats(1);
    if (fvf & gfx::kFvfDiffuse)
        colour();
    if (fvf & gfx::kFvfSpecular)
        colour();
    floats(2 * static_cast<int>((fvf & gfx::kFvfTexCountMask) >> 8));
    std::string line;
    for (const std::string& field : fields)
        line += (line.empty() ? "" : " ") + field;
    return line;
}

std::string MatrixText(const gfx::Matrix& matrix)
{
    std::string text;
    for (const auto& row : matrix.m)
        for (float value : row)
            text += " " + Number(value);
    return text;
}

std::string ColourText(const gfx::ColorValue& c)
{
    return Number(c.r) + " " + Number(c.g) + " " + Number(c.b) + " " + Number(c.a);
}

// FNV-1a over the text of every vertex: a change anywhere in a long list changes it.
uint32_t Hash(const std::string& text, uint32_t hash)
{
    for (unsigned char c : text)
        hash = (hash ^ c) * 16777619u;
    return hash;
}

void DumpDraw(std::ostringstream& out, size_t index, const DrawRecord& draw, const gfx::DeviceState& defaults,
              Names& names)
{
    const gfx::DeviceState& state = draw.state;
    const uint32_t fvf = state.vertexShader;
    out << "draw " << index << ", frame " << draw.frame << ": " << kCalls[static_cast<int>(draw.kind)] << ", "
        << draw.primitiveCount << " " << kPrimitives[draw.type] << ", format 0x" << Hex(fvf) << ", stride "
        << draw.stride << "\n";
    out << "  target " << names.Of(draw.renderTarget) << ", textures";
    for (const gfx::Texture* texture : draw.textures)
        out << " [" << names.Of(texture) << "]";
    out << "\n";

    std::string changed;
    for (size_t id = 0; id < state.renderStates.size(); ++id)
        if (state.renderStates[id] != defaults.renderStates[id])
            changed += " " + std::to_string(id) + "=" + std::to_string(state.renderStates[id]);
    out << "  render states off their defaults:" << (changed.empty() ? " none" : changed) << "\n";
    for (size_t stage = 0; stage < state.stageStates.size(); ++stage) {
        std::string stageChanged;
        for (size_t id = 0; id < state.stageStates[stage].size(); ++id)
            if (state.stageStates[stage][id] != defaults.stageStates[stage][id])
                stageChanged += " " + std::to_string(id) + "=" + std::to_string(state.stageStates[stage][id]);
        if (!stageChanged.empty())
            out << "  stage " << stage << " states off their defaults:" << stageChanged << "\n";
    }
    if (state.pixelShader != 0)
        out << "  pixel shader " << state.pixelShader << "\n";
    // Transformed vertices (with rhw) skip the transforms, the material and the lights.
    if ((fvf & gfx::kFvfPositionMask) != gfx::kFvfXyzRhw) {
        out << "  world" << MatrixText(state.world) << "\n";
        out << "  view" << MatrixText(state.view) << "\n";
        out << "  projection" << MatrixText(state.projection) << "\n";
        out << "  material diffuse " << ColourText(state.material.diffuse) << ", ambient "
            << ColourText(state.material.ambient) << ", emissive " << ColourText(state.material.emissive) << "\n";
    }

    const size_t count = draw.stride ? draw.vertices.size() / draw.stride : 0;
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < count; ++i) {
        std::string vertex = Vertex(draw.vertices.data() + i * draw.stride, fvf, draw.stride);
        if (i < kVerticesShown)
            out << "  v " << vertex << "\n";
        hash = Hash(vertex + "\n", hash);
    }
    if (count > kVerticesShown)
        out << "  ... " << count << " vertices, hash " << Hex(hash) << "\n";
    if (!draw.indices.empty()) {
        out << "  indices";
        for (uint32_t index : draw.indices)
            out << " " << index;
        out << "\n";
    }
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

std::string DumpDraws(const gfx::headless::HeadlessDevice& device)
{
    Names names;
    const gfx::DeviceState defaults = gfx::DefaultDeviceState(true);
    std::ostringstream out;
    const auto& draws = device.Draws();
    for (size_t i = 0; i < draws.size(); ++i)
        DumpDraw(out, i, draws[i], defaults, names);
    for (const gfx::headless::CopyRecord& copy : device.Copies()) {
        const gfx::Rect& r = copy.sourceRect;
        out << "copy " << r.left << "," << r.top << " to " << r.right << "," << r.bottom << " into "
            << names.Of(copy.dest) << " at " << copy.destPoint.x << "," << copy.destPoint.y << "\n";
    }
    return out.str();
}

std::string CompareWithDump(const std::filesystem::path& dump, const std::string& text)
{
    const char* update = std::getenv("VARNOK_UPDATE_DUMPS");
    if (update && std::strcmp(update, "1") == 0) {
        std::ofstream(dump, std::ios::binary) << text;
        return "rewrote " + dump.string();
    }
    std::ifstream in(dump, std::ios::binary);
    if (!in)
        return "no stored dump " + dump.string() + ": make it with VARNOK_UPDATE_DUMPS=1 and review it";
    std::ostringstream stored;
    stored << in.rdbuf();
    if (stored.str() == text)
        return "";

    const std::vector<std::string> expected = Lines(stored.str());
    const std::vector<std::string> actual = Lines(text);
    size_t first = 0;
    while (first < expected.size() && first < actual.size() && expected[first] == actual[first])
        ++first;
    std::ostringstream diff;
    diff << dump.string() << " (" << expected.size() << " lines) and this run (" << actual.size()
         << " lines) first differ at line " << first + 1 << ":\n";
    constexpr size_t kShown = 6;
    for (size_t i = first; i < first + kShown && i < expected.size(); ++i)
        diff << "- " << expected[i] << "\n";
    for (size_t i = first; i < first + kShown && i < actual.size(); ++i)
        diff << "+ " << actual[i] << "\n";
    diff << "If the change is meant, rewrite the dump with VARNOK_UPDATE_DUMPS=1 and review it.\n";
    return diff.str();
}
