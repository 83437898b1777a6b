// Text .x reader: frames, meshes, normals, texture coordinates, vertex colours and materials.
#include "platform/gfx/xfile.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <utility>

#include "platform/gfx/file_stamp.h"
#include "platform/gfx/math.h"
#include "platform/gfx/xfile_tokens.h"
#include "platform/os/path.h"

namespace gfx {

namespace {

constexpr uint32_t kUnset = 0xFFFFFFFFu;
// Deeper files are refused: real meshes nest a handful of frames, and the reader recurses.
constexpr int kMaxNesting = 64;

struct RawMesh {
    int frame = -1;
    std::vector<Vector3> positions;
    std::vector<std::vector<uint32_t>> faces;
    std::vector<Vector3> normals;
    std::vector<std::vector<uint32_t>> normalFaces;
    std::vector<Vector2> uvs;
    std::vector<Color> colours;
    std::vector<uint32_t> faceMaterials;
    std::vector<MeshMaterial> materials;
};

struct FrameNode {
    int parent = -1;
    Matrix local = MatrixIdentity();
};

MeshMaterial DefaultMaterial()
{
    MeshMaterial m;
    m.material.diffuse = {0.5f, 0.5f, 0.5f, 1.0f};
    return m;
}

class XParser {
public:
    explicit XParser(std::string_view body) : mTokens(body) {}

    bool Parse();

    std::string error;
    std::vector<RawMesh> meshes;
    std::vector<FrameNode> frames;

private:
    bool Fail(const std::string& what)
    {
        if (error.empty())
            error = "line " + std::to_string(mTokens.Line()) + ": " + what;
        return false;
    }
    void SkipSeparators()
    {
        while (mTokens.Peek().kind == XToken::kSeparator)
            mTokens.Next();
    }
    bool ReadFloat(float* value);
    bool ReadCount(uint32_t* value, uint32_t limit);
    bool ReadVector(Vector3* v) { return ReadFloat(&v->x) && ReadFloat(&v->y) && ReadFloat(&v->z); }
    bool OpenBody();
    bool SkipBody();
    bool CloseBody();
    bool SkipReference(std::string* name);
    // Reads the children of an open object up to its closing brace: each child's type word goes
    // to onChild once its body is open, each "{ name }" reference to onReference.
    template <typename OnChild, typename OnReference>
    bool ParseChildren(const char* inside, OnChild onChild, OnReference onReference);
    bool ParseFrame(int parent);
    bool ParseMesh(int frame);
    bool ParseMaterial(MeshMaterial* material);
    bool ParseMaterialList(RawMesh* mesh);
    bool ParseNormals(RawMesh* mesh);
    bool ParseTextureCoords(RawMesh* mesh);
    bool ParseVertexColours(RawMesh* mesh);

    // Items of n tokens each cannot outnumber what is left of the text.
    uint32_t Fits(uint32_t tokensPerItem) const
    {
        return static_cast<uint32_t>(std::min<size_t>(mTokens.Remaining() / tokensPerItem + 1, 0x7FFFFFFF));
    }

    XTokenizer mTokens;
    int mDepth = 0;
    std::string mLastName;
    std::map<std::string, MeshMaterial, std::less<>> mNamedMaterials;
};

bool XParser::ReadFloat(float* value)
{
    SkipSeparators();
    XToken t = mTokens.Next();
    if (t.kind != XToken::kWord)
        return Fail("a number was expected");
    const char* first = t.text.data();
    const char* last = first + t.text.size();
    if (first != last && *first == '+')
        ++first;
    auto [end, ec] = std::from_chars(first, last, *value);
    if (ec != std::errc() || end != last || !std::isfinite(*value))
        return Fail("\"" + std::string(t.text) + "\" is not a number");
    return true;
}

bool XParser::ReadCount(uint32_t* value, uint32_t limit)
{
    float f;
    if (!ReadFloat(&f))
        return false;
    if (f < 0 || f != std::floor(f) || f >= static_cast<float>(limit))
        return Fail("a count or index is out of range");
    *value = static_cast<uint32_t>(f);
    return true;
}

// After an object's type word: an optional name, the opening brace, an optional guid.
bool XParser::OpenBody()
{
    mLastName.clear();
    XToken t = mTokens.Next();
    if (t.kind == XToken::kWord) {
        mLastName = std::string(t.text);
        t = mTokens.Next();
    }
    if (t.kind != XToken::kOpen)
        return Fail("\"{\" was expected");
    if (mTokens.Peek().kind == XToken::kGuid)
        mTokens.Next();
    return true;
}

// After an opening brace: everything up to the matching closing brace.
bool XParser::SkipBody()
{
    for (int depth = 1; depth > 0;) {
        XToken t = mTokens.Next();
        if (t.kind == XToken::kOpen)
            ++depth;
        else if (t.kind == XToken::kClose)
            --depth;
        else if (t.kind == XToken::kEnd || t.kind == XToken::kBad)
            return Fail("unterminated object");
    }
    return true;
}

bool XParser::CloseBody()
{
    SkipSeparators();
    if (mTokens.Next().kind != XToken::kClose)
        return Fail("\"}\" was expected");
    return true;
}

// After the opening brace of a reference: "{ name }" or "{ name <guid> }" or "{ <guid> }".
bool XParser::SkipReference(std::string* name)
{
    XToken t = mTokens.Next();
    if (t.kind == XToken::kWord) {
        *name = std::string(t.text);
        t = mTokens.Next();
    }
    if (t.kind == XToken::kGuid)
        t = mTokens.Next();
    if (t.kind != XToken::kClose)
        return Fail("malformed reference");
    return true;
}

template <typename OnChild, typename OnReference>
bool XParser::ParseChildren(const char* inside, OnChild onChild, OnReference onReference)
{
    if (mDepth == kMaxNesting)
        return Fail("objects are nested more than " + std::to_string(kMaxNesting) + " deep");
    ++mDepth;
    bool ok = true;
    while (ok) {
        SkipSeparators();
        XToken t = mTokens.Next();
        if (t.kind == XToken::kClose)
            break;
        if (t.kind == XToken::kOpen) {
            std::string name;
            ok = SkipReference(&name) && onReference(name);
        } else if (t.kind == XToken::kEnd) {
            ok = Fail("the file ends inside an object");
        } else if (t.kind != XToken::kWord) {
            ok = Fail(std::string("an object was expected in ") + inside);
        } else {
            ok = OpenBody() && onChild(t.text);
        }
    }
    --mDepth;
    return ok;
}

bool XParser::Parse()
{
    for (;;) {
        XToken t = mTokens.Next();
        if (t.kind == XToken::kEnd)
            break;
        if (t.kind != XToken::kWord)
            return Fail("an object was expected");
        if (t.text == "template") {
            if (!OpenBody() || !SkipBody())
                return false;
        } else if (t.text == "Frame") {
            if (!OpenBody() || !ParseFrame(-1))
                return false;
        } else if (t.text == "Mesh") {
            if (!OpenBody() || !ParseMesh(-1))
                return false;
        } else if (t.text == "Material") {
            MeshMaterial m;
            if (!OpenBody())
                return false;
            std::string name = mLastName;
            if (!ParseMaterial(&m))
                return false;
            mNamedMaterials[name] = m;
        } else if (!OpenBody() || !SkipBody()) {
            return false;
        }
    }
    if (meshes.empty())
        return Fail("the file holds no mesh");
    return true;
}

bool XParser::ParseFrame(int parent)
{
    int self = static_cast<int>(frames.size());
    frames.push_back({parent, MatrixIdentity()});
    auto child = [&](std::string_view type) {
        if (type == "FrameTransformMatrix") {
            Matrix m;
            for (int i = 0; i < 16; ++i)
                if (!ReadFloat(&m.m[i / 4][i % 4]))
                    return false;
            frames[self].local = m;
            return CloseBody();
        }
        if (type == "Frame")
            return ParseFrame(self);
        if (type == "Mesh")
            return ParseMesh(self);
        return SkipBody();
    };
    return ParseChildren("a frame", child, [](const std::string&) { return true; });
}

bool XParser::ParseMesh(int frame)
{
    RawMesh mesh;
    mesh.frame = frame;
    uint32_t count;
    if (!ReadCount(&count, Fits(3)))
        return false;
    mesh.positions.resize(count);
    for (auto& p : mesh.positions)
        if (!ReadVector(&p))
            return false;
    if (!ReadCount(&count, Fits(4)))
        return false;
    mesh.faces.resize(count);
    for (auto& face : mesh.faces) {
        uint32_t corners;
        if (!ReadCount(&corners, Fits(1)))
            return false;
        if (corners < 3)
            return Fail("a face needs at least three corners");
        face.resize(corners);
        for (auto& index : face)
            if (!ReadCount(&index, static_cast<uint32_t>(mesh.positions.size())))
                return false;
    }
    auto child = [&](std::string_view type) {
        if (type == "MeshNormals")
            return ParseNormals(&mesh);
        if (type == "MeshTextureCoords")
            return ParseTextureCoords(&mesh);
        if (type == "MeshVertexColors")
            return ParseVertexColours(&mesh);
        if (type == "MeshMaterialList")
            return ParseMaterialList(&mesh);
        return SkipBody();
    };
    if (!ParseChildren("a mesh", child, [](const std::string&) { return true; }))
        return false;
    if (mesh.materials.empty()) {
        mesh.materials.push_back(DefaultMaterial());
        mesh.faceMaterials.assign(mesh.faces.size(), 0);
    }
    meshes.push_back(std::move(mesh));
    return true;
}

bool XParser::ParseNormals(RawMesh* mesh)
{
    uint32_t count;
    if (!ReadCount(&count, Fits(3)))
        return false;
    mesh->normals.resize(count);
    for (auto& n : mesh->normals)
        if (!ReadVector(&n))
            return false;
    if (!ReadCount(&count, Fits(4)))
        return false;
    if (count != mesh->faces.size())
        return Fail("the normals name a different number of faces");
    mesh->normalFaces.resize(count);
    for (uint32_t f = 0; f < count; ++f) {
        uint32_t corners;
        if (!ReadCount(&corners, Fits(1)))
            return false;
        if (corners != mesh->faces[f].size())
            return Fail("a face of the normals has a different number of corners");
        mesh->normalFaces[f].resize(corners);
        for (auto& index : mesh->normalFaces[f])
            if (!ReadCount(&index, static_cast<uint32_t>(mesh->normals.size())))
                return false;
    }
    return CloseBody();
}

bool XParser::ParseTextureCoords(RawMesh* mesh)
{
    uint32_t count;
    if (!ReadCount(&count, Fits(2)))
        return false;
    if (count != mesh->positions.size())
        return Fail("texture coordinates do not match the vertices");
    mesh->uvs.resize(count);
    for (auto& uv : mesh->uvs)
        if (!ReadFloat(&uv.x) || !ReadFloat(&uv.y))
            return false;
    return CloseBody();
}

bool XParser::ParseVertexColours(RawMesh* mesh)
{
    uint32_t count;
    if (!ReadCount(&count, Fits(5)))
        return false;
    mesh->colours.assign(mesh->positions.size(), 0xFFFFFFFFu);
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t index;
        float c[4];
        if (!ReadCount(&index, static_cast<uint32_t>(mesh->positions.size())))
            return false;
        for (float& channel : c)
            if (!ReadFloat(&channel))
                return false;
        auto byte = [](float v) {
            return static_cast<uint32_t>(std::lround(std::fmin(std::fmax(v, 0.0f), 1.0f) * 255));
        };
        mesh->colours[index] = MakeArgb(byte(c[3]), byte(c[0]), byte(c[1]), byte(c[2]));
    }
    return CloseBody();
}

bool XParser::ParseMaterialList(RawMesh* mesh)
{
    uint32_t materialCount, indexCount;
    if (!ReadCount(&materialCount, Fits(1)) || !ReadCount(&indexCount, Fits(1)))
        return false;
    if (indexCount > mesh->faces.size())
        return Fail("the material list names more faces than the mesh has");
    if (materialCount == 0 && !mesh->faces.empty())
        return Fail("the material list holds no material");
    mesh->faceMaterials.resize(indexCount);
    for (auto& index : mesh->faceMaterials)
        if (!ReadCount(&index, materialCount))
            return false;
    // Faces the list leaves out take its last entry.
    mesh->faceMaterials.resize(mesh->faces.size(), indexCount ? mesh->faceMaterials.back() : 0);
    auto child = [&](std::string_view type) {
        if (type != "Material")
            return SkipBody();
        std::string name = mLastName;
        MeshMaterial m;
        if (!ParseMaterial(&m))
            return false;
        if (!name.empty())
            mNamedMaterials[name] = m;
        mesh->materials.push_back(m);
        return true;
    };
    auto reference = [&](const std::string& name) {
        auto found = mNamedMaterials.find(name);
        if (found == mNamedMaterials.end())
            return Fail("unknown material \"" + name + "\"");
        mesh->materials.push_back(found->second);
        return true;
    };
    if (!ParseChildren("a material list", child, reference))
        return false;
    if (mesh->materials.size() != materialCount)
        return Fail("the material list holds " + std::to_string(mesh->materials.size()) + " materials, not " +
                    std::to_string(materialCount));
    return true;
}

bool XParser::ParseMaterial(MeshMaterial* material)
{
    Material& m = material->material;
    if (!ReadFloat(&m.diffuse.r) || !ReadFloat(&m.diffuse.g) || !ReadFloat(&m.diffuse.b) || !ReadFloat(&m.diffuse.a))
        return false;
    if (!ReadFloat(&m.power))
        return false;
    if (!ReadFloat(&m.specular.r) || !ReadFloat(&m.specular.g) || !ReadFloat(&m.specular.b))
        return false;
    if (!ReadFloat(&m.emissive.r) || !ReadFloat(&m.emissive.g) || !ReadFloat(&m.emissive.b))
        return false;
    m.specular.a = m.emissive.a = 1.0f;
    auto child = [&](std::string_view type) {
        if (type != "TextureFilename")
            return SkipBody();
        SkipSeparators();
        XToken name = mTokens.Next();
        if (name.kind != XToken::kString)
            return Fail("a texture file name was expected");
        material->textureFilename = std::string(name.text);
        return CloseBody();
    };
    auto noReference = [&](const std::string&) { return Fail("an object was expected in a material"); };
    return ParseChildren("a material", child, noReference);
}

// Turns the parsed meshes into one vertex and index buffer.
class MeshBuilder {
public:
    MeshBuilder(const std::vector<RawMesh>& meshes, const std::vector<FrameNode>& frames) : mFrames(frames)
    {
        for (const auto& m : meshes) {
            mNormals = mNormals || !m.normalFaces.empty();
            mColours = mColours || !m.colours.empty();
            mUvs = mUvs || !m.uvs.empty();
        }
        mFvf = kFvfXyz | (mNormals ? kFvfNormal : 0u) | (mColours ? kFvfDiffuse : 0u) | (mUvs ? kFvfTex1 : 0u);
        for (const auto& m : meshes)
            Add(m);
    }

    Mesh* Finish() { return Mesh::Create(mFvf, std::move(mVertices), std::move(mIndices), std::move(mAttributes)); }
    std::vector<MeshMaterial> materials;

private:
    Matrix WorldOf(int frame) const
    {
        Matrix world = MatrixIdentity();
        for (; frame >= 0; frame = mFrames[frame].parent)
            world = MatrixMultiply(world, mFrames[frame].local);
        return world;
    }

    template <typename T>
    void Put(const T& value)
    {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
        mVertices.insert(mVertices.end(), bytes, bytes + sizeof value);
    }

    void Add(const RawMesh& m)
    {
        Matrix world = WorldOf(m.frame);
        uint32_t base = static_cast<uint32_t>(mVertices.size() / FvfVertexSize(mFvf));
        bool hasNormals = !m.normalFaces.empty();
        // The normal each file vertex carries; a vertex met with another normal is repeated.
        std::vector<uint32_t> normalOf(m.positions.size(), kUnset);
        std::map<std::pair<uint32_t, uint32_t>, uint32_t> repeats;
        std::vector<std::pair<uint32_t, uint32_t>> extra;  // (file vertex, normal)
        auto sameNormal = [&](uint32_t a, uint32_t b) {
            return std::memcmp(&m.normals[a], &m.normals[b], sizeof(Vector3)) == 0;
        };
        auto resolve = [&](uint32_t face, uint32_t corner) -> uint32_t {
            uint32_t p = m.faces[face][corner];
            if (!hasNormals)
                return p;
            uint32_t n = m.normalFaces[face][corner];
            if (normalOf[p] == kUnset)
                normalOf[p] = n;
            if (normalOf[p] == n || sameNormal(normalOf[p], n))
                return p;
            auto [it, inserted] = repeats.emplace(std::make_pair(p, n), 0u);
            if (inserted) {
                it->second = static_cast<uint32_t>(m.positions.size() + extra.size());
                extra.emplace_back(p, n);
            }
            return it->second;
        };
        uint32_t materialBase = static_cast<uint32_t>(materials.size());
        for (uint32_t f = 0; f < m.faces.size(); ++f) {
            uint32_t first = resolve(f, 0);
            for (uint32_t k = 1; k + 1 < m.faces[f].size(); ++k) {
                mIndices.push_back(base + first);
                mIndices.push_back(base + resolve(f, k));
                mIndices.push_back(base + resolve(f, k + 1));
                mAttributes.push_back(materialBase + m.faceMaterials[f]);
            }
        }
        for (uint32_t i = 0; i < m.positions.size(); ++i)
            PutVertex(m, world, i, normalOf[i]);
        for (auto [p, n] : extra)
            PutVertex(m, world, p, n);
        materials.insert(materials.end(), m.materials.begin(), m.materials.end());
    }

    void PutVertex(const RawMesh& m, const Matrix& world, uint32_t p, uint32_t n)
    {
        Put(Vec3TransformCoord(m.positions[p], world));
        if (mNormals)
            Put(n == kUnset ? Vector3{} : Vec3TransformNormal(m.normals[n], world));
        if (mColours)
            Put(m.colours.empty() ? Color{0xFFFFFFFFu} : m.colours[p]);
        if (mUvs)
            Put(m.uvs.empty() ? Vector2{} : m.uvs[p]);
    }

    const std::vector<FrameNode>& mFrames;
    bool mNormals = false, mColours = false, mUvs = false;
    uint32_t mFvf = 0;
    std::vector<uint8_t> mVertices;
    std::vector<uint32_t> mIndices;
    std::vector<uint32_t> mAttributes;
};

Result Refuse(const std::string& what, std::string* error)
{
    if (error)
        *error = what;
    return kFail;
}

Result Load(std::string_view text, Mesh** mesh, std::vector<MeshMaterial>* materials, std::string* error)
{
    if (!mesh || !materials)
        return kInvalidCall;
    *mesh = nullptr;
    if (text.size() < 16 || text.substr(0, 4) != "xof ")
        return Refuse("not a .x file", error);
    std::string_view format = text.substr(8, 4);
    if (format != "txt ")
        return Refuse(format == "bin " || format == "tzip" || format == "bzip"
                          ? "binary and compressed .x files are not read; write it as text"
                          : "unknown .x format \"" + std::string(format) + "\"",
                      error);
    XParser parser(text.substr(16));
    if (!parser.Parse())
        return Refuse(parser.error, error);
    MeshBuilder builder(parser.meshes, parser.frames);
    Mesh* built = builder.Finish();
    if (!built)
        return Refuse("the mesh could not be built", error);
    *mesh = built;
    *materials = std::move(builder.materials);
    return kOk;
}

// A parsed file as its mesh and materials came out of it.
struct ParsedFile {
    ParsedFile(FileStamp fileStamp, const Mesh& mesh, std::vector<MeshMaterial> fileMaterials)
        : stamp(std::move(fileStamp)), fvf(mesh.GetFvf()),
          vertices(mesh.GetVertexData(),
                   mesh.GetVertexData() + static_cast<size_t>(mesh.GetNumVertices()) * mesh.GetVertexStride()),
          indices(mesh.GetIndices()), attributes(mesh.GetAttributes()), materials(std::move(fileMaterials))
    {
    }
    FileStamp stamp;
    uint32_t fvf;
    std::vector<uint8_t> vertices;
    std::vector<uint32_t> indices;
    std::vector<uint32_t> attributes;
    std::vector<MeshMaterial> materials;
};

Mesh* Copy(const ParsedFile& file)
{
    return Mesh::Create(file.fvf, file.vertices, file.indices, file.attributes);
}

}  // namespace

Result LoadMeshFromXText(std::string_view text, Mesh** mesh, std::vector<MeshMaterial>* materials, std::string* error)
{
    return Load(text, mesh, materials, error);
}

Result LoadMeshFromX(const std::string& path, Mesh** mesh, std::vector<MeshMaterial>* materials, std::string* error)
{
    if (!mesh || !materials)
        return kInvalidCall;
    // A system entry releases its meshes and loads them again from the same files: what a file
    // was parsed into is kept while its size and time of change stay, and each load gets a copy.
    static std::map<std::filesystem::path, ParsedFile> parsed;
    const std::optional<FileStamp> stamp = StampOf(path.c_str());
    if (stamp) {
        auto found = parsed.find(stamp->path);
        if (found != parsed.end() && found->second.stamp.Matches(*stamp)) {
            *mesh = Copy(found->second);
            *materials = found->second.materials;
            return kOk;
        }
        parsed.erase(stamp->path);
    }
    std::string native = os::NativePath(path);
    // An empty file name leaves the folder, which opens but fails at the first read.
    std::error_code ignored;
    const bool folder = std::filesystem::is_directory(native, ignored);
    std::ifstream file(native, std::ios::binary);
    if (folder || !file) {
        *mesh = nullptr;
        return Refuse(folder ? "a folder, not a file" : "cannot open the file", error);
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const Result result = Load(text, mesh, materials, error);
    if (!Failed(result) && stamp)
        parsed.emplace(stamp->path, ParsedFile{*stamp, **mesh, *materials});
    return result;
}

}  // namespace gfx
