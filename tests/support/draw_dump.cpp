// The recorded draws as stable text, and the comparison with a stored dump.
#include "support/draw_dump.h"

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

constexpr size_t kVerticesShown = 4;
constexpr size_t kIndicesShown = 12;

// FNV-1a: a change anywhere in a long vertex or index list shows in the dump.
constexpr uint32_t kHashStart = 2166136261u;
uint32_t Hash(uint32_t hash, const std::string& text)
{
    for (unsigned char c : text)
        hash = (hash ^ c) * 16777619u;
    return hash;
}
// Primitive types and draw calls by their numbers; the device records only valid ones.
const char* const kPrimitives[] = {"?", "points", "lines", "line strip", "triangles", "triangle strip", "triangle fan"};
const char* const kCalls[] = {"DrawPrimitive", "DrawPrimitiveUP", "DrawIndexedPrimitiveUP"};

// Names of the objects draws point at: files and sprites through the caches, the game's targets,
// and numbers in order of appearance for the rest.
class Names {
public:
    Names()
    {
        for (const auto& [path, texture] : gResourceManager->mPathTextures)
            mNames.emplace(texture, path);
        for (const auto& [id, texture] : gResourceManager->mSpriteTextures)
            mNames.emplace(texture, "sprite " + std::to_string(id));
        // Null first: a target the device does not have stays "none".
        mNames.insert({{nullptr, "none"},
                       {gGlowTexture, "glow texture"},
                       {gBlurTexture, "blur texture"},
                       {gGlowSurface, "glow target"},
                       {gBlurSurface, "blur target"},
                       {gBackBuffer, "back buffer"}});
    }
    const std::string& Of(const void* object)
    {
        auto known = mNames.find(object);
        if (known == mNames.end())
            known = mNames.emplace(object, "unnamed " + std::to_string(mNames.size())).first;
        return known->second;
    }

private:
    std::map<const void*, std::string> mNames;
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

// One vertex by its format: position, normal, point size, colours, texture coordinates. A shader's
// declaration is not recorded, so its vertices are plain numbers.
std::string Vertex(const uint8_t* bytes, uint32_t fvf, uint32_t stride)
{
    std::string line;
    size_t at = 0;
    auto read = [&](int count, bool colour) {
        for (int i = 0; i < count && at + 4 <= stride; ++i, at += 4) {
            uint32_t bits = 0;
            float value = 0;
            std::memcpy(&bits, bytes + at, 4);
            std::memcpy(&value, bytes + at, 4);
            line += (line.empty() ? "" : " ") + (colour ? "#" + Hex(bits) : Number(value));
        }
    };
    if (fvf & gfx::kShaderHandleBit) {
        read(static_cast<int>(stride / 4), false);
        return line;
    }
    read((fvf & gfx::kFvfPositionMask) == gfx::kFvfXyzRhw ? 4 : 3, false);
    read((fvf & gfx::kFvfNormal) ? 3 : 0, false);
    read((fvf & gfx::kFvfPSize) ? 1 : 0, false);
    read((fvf & gfx::kFvfDiffuse) ? 1 : 0, true);
    read((fvf & gfx::kFvfSpecular) ? 1 : 0, true);
    read(2 * static_cast<int>((fvf & gfx::kFvfTexCountMask) >> 8), false);
    return line;
}

template <class Values>
std::string List(const Values& values)
{
    std::string text;
    for (const auto& value : values)
        text += " " + Number(value);
    return text;
}

// " id=value" for each state off its default.
template <class States>
std::string Changed(const States& states, const States& defaults)
{
    std::string text;
    for (size_t id = 0; id < states.size(); ++id)
        if (states[id] != defaults[id])
            text += " " + std::to_string(id) + "=" + std::to_string(states[id]);
    return text;
}

void DumpDraw(std::ostringstream& out, size_t index, const gfx::headless::DrawRecord& draw,
              const gfx::DeviceState& defaults, Names& names)
{
    const gfx::DeviceState& state = draw.state;
    const uint32_t fvf = state.vertexShader;
    out << "draw " << index << ", frame " << draw.frame << ": " << kCalls[static_cast<int>(draw.kind)] << ", "
        << draw.primitiveCount << " " << kPrimitives[draw.type] << ", format 0x" << Hex(fvf) << ", stride "
        << draw.stride << "\n  target " << names.Of(draw.renderTarget) << ", textures";
    for (const gfx::Texture* texture : draw.textures)
        out << " [" << names.Of(texture) << "]";
    std::string changed = Changed(state.renderStates, defaults.renderStates);
    out << "\n  render states off their defaults:" << (changed.empty() ? " none" : changed) << "\n";
    for (size_t stage = 0; stage < state.stageStates.size(); ++stage)
        if (std::string stageChanged = Changed(state.stageStates[stage], defaults.stageStates[stage]);
            !stageChanged.empty())
            out << "  stage " << stage << " states off their defaults:" << stageChanged << "\n";
    if (state.pixelShader != 0) {
        // The glow pass's weights and pulse live in the pixel shader's constants.
        out << "  pixel shader " << state.pixelShader << ", constants";
        for (const gfx::Vector4& c : state.psConstants)
            out << " (" << Number(c.x) << " " << Number(c.y) << " " << Number(c.z) << " " << Number(c.w) << ")";
        out << "\n";
    }
    // Transformed vertices (with rhw) and shaders skip the fixed transforms and the material.
    if ((fvf & gfx::kFvfPositionMask) != gfx::kFvfXyzRhw && !(fvf & gfx::kShaderHandleBit)) {
        for (const auto& [name, matrix] : {std::pair{"world", &state.world}, std::pair{"view", &state.view},
                                           std::pair{"projection", &state.projection}}) {
            out << "  " << name;
            for (const auto& row : matrix->m)
                out << List(row);
            out << "\n";
        }
        const gfx::Material& m = state.material;
        out << "  material diffuse" << List(std::vector{m.diffuse.r, m.diffuse.g, m.diffuse.b, m.diffuse.a})
            << ", ambient" << List(std::vector{m.ambient.r, m.ambient.g, m.ambient.b, m.ambient.a}) << ", emissive"
            << List(std::vector{m.emissive.r, m.emissive.g, m.emissive.b, m.emissive.a}) << "\n";
    }
    const size_t count = draw.stride ? draw.vertices.size() / draw.stride : 0;
    uint32_t hash = kHashStart;
    for (size_t i = 0; i < count; ++i) {
        std::string vertex = Vertex(draw.vertices.data() + i * draw.stride, fvf, draw.stride);
        if (i < kVerticesShown)
            out << "  v " << vertex << "\n";
        hash = Hash(hash, vertex + "\n");
    }
    if (count > kVerticesShown)
        out << "  ... " << count << " vertices, hash " << Hex(hash) << "\n";
    if (!draw.indices.empty()) {
        out << "  indices";
        hash = kHashStart;
        for (size_t i = 0; i < draw.indices.size(); ++i) {
            if (i < kIndicesShown)
                out << " " << draw.indices[i];
            hash = Hash(hash, std::to_string(draw.indices[i]) + " ");
        }
        if (draw.indices.size() > kIndicesShown)
            out << " ... " << draw.indices.size() << " indices, hash " << Hex(hash);
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
    for (size_t i = 0; i < device.Draws().size(); ++i)
        DumpDraw(out, i, device.Draws()[i], defaults, names);
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
    for (size_t i = first; i < first + 6 && i < expected.size(); ++i)
        diff << "- " << expected[i] << "\n";
    for (size_t i = first; i < first + 6 && i < actual.size(); ++i)
        diff << "+ " << actual[i] << "\n";
    return diff.str() + "If the change is meant, rewrite the dump with VARNOK_UPDATE_DUMPS=1 and review it.\n";
}
