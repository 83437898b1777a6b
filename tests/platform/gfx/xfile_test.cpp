// Loading text .x files written by the test into a temporary folder.
#include "platform/gfx/xfile.h"

#include <cstring>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/gfx/math.h"

namespace gfx {
namespace {

namespace fs = std::filesystem;

class XFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mDir = fs::temp_directory_path() /
               ("varnok_xfile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(mDir / "x");
    }
    void TearDown() override
    {
        if (mMesh)
            mMesh->Release();
        fs::remove_all(mDir);
    }

    std::string Write(const std::string& name, const std::string& text)
    {
        fs::path p = mDir / "x" / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }

    Result Load(const std::string& text)
    {
        if (mMesh)
            mMesh->Release();
        mMesh = nullptr;
        mError.clear();
        return LoadMeshFromX(Write("test.x", text), &mMesh, &mMaterials, &mError);
    }

    Vector3 Position(uint32_t i) const
    {
        Vector3 p;
        std::memcpy(&p, mMesh->GetVertexData() + i * mMesh->GetVertexStride(), sizeof p);
        return p;
    }

    template <typename T>
    T Field(uint32_t vertex, uint32_t offset) const
    {
        T value;
        std::memcpy(&value, mMesh->GetVertexData() + vertex * mMesh->GetVertexStride() + offset, sizeof value);
        return value;
    }

    fs::path mDir;
    Mesh* mMesh = nullptr;
    std::vector<MeshMaterial> mMaterials;
    std::string mError;
};

// A box lid: a quad of material 0 ("+" texture) and a triangle of material 1 ("-" texture),
// with normals, uvs, a template declaration and comments.
const char kTwoMaterials[] = R"(xof 0302txt 0032
template Vector {
 <3D82AB5E-62DA-11cf-AB39-0020AF71E433>
 FLOAT x;
 FLOAT y;
 FLOAT z;
}
// the lid
Material Hull {
 1.000000;0.500000;0.250000;1.000000;;
 8.000000;
 0.100000;0.200000;0.300000;;
 0.000000;0.000000;0.400000;;
 TextureFilename {
  "+hull.png";
 }
}
Mesh Lid {
 5;
 0.0;0.0;2.0;,
 1.0;0.0;2.0;,
 1.0;1.0;2.0;,
 0.0;1.0;2.0;,
 0.5;2.0;-3.0;;
 2;
 4;0,1,2,3;,
 3;3,2,4;;
 MeshNormals {
  2;
  0.0;0.0;-1.0;,
  0.0;1.0;0.0;;
  2;
  4;0,0,0,0;,
  3;1,1,1;;
 }
 MeshTextureCoords {
  5;
  0.0;1.0;,
  1.0;1.0;,
  1.0;0.0;,
  0.0;0.0;,
  0.5;0.5;;
 }
 MeshMaterialList {
  2;
  2;
  0,
  1;;
  { Hull }
  Material {
   0.5;0.5;0.5;0.5;;
   0.0;
   0.0;0.0;0.0;;
   0.0;0.0;0.0;;
   TextureFilename { "-hull.png"; }
  }
 }
}
)";

TEST_F(XFileTest, TwoMaterialsKeepOrderNamesAndSubsets)
{
    ASSERT_EQ(Load(kTwoMaterials), kOk) << mError;
    ASSERT_NE(mMesh, nullptr);
    ASSERT_EQ(mMaterials.size(), 2u);
    EXPECT_EQ(mMaterials[0].textureFilename, "+hull.png");
    EXPECT_EQ(mMaterials[1].textureFilename, "-hull.png");
    EXPECT_FLOAT_EQ(mMaterials[0].material.diffuse.g, 0.5f);
    EXPECT_FLOAT_EQ(mMaterials[0].material.power, 8.0f);
    EXPECT_FLOAT_EQ(mMaterials[0].material.specular.b, 0.3f);
    EXPECT_FLOAT_EQ(mMaterials[0].material.emissive.b, 0.4f);
    EXPECT_FLOAT_EQ(mMaterials[1].material.diffuse.a, 0.5f);

    EXPECT_EQ(mMesh->GetFvf(), uint32_t(kFvfXyz | kFvfNormal | kFvfTex1));
    // Vertex 3 and 2 carry the lid's normal and the triangle's: both are repeated.
    EXPECT_EQ(mMesh->GetNumVertices(), 7u);
    EXPECT_EQ(mMesh->GetNumFaces(), 3u);
    EXPECT_EQ(mMesh->GetAttributes(), (std::vector<uint32_t>{0, 0, 1}));
    // The quad becomes a fan in the file's winding; the triangle uses the repeats.
    EXPECT_EQ(mMesh->GetIndices(), (std::vector<uint32_t>{0, 1, 2, 0, 2, 3, 5, 6, 4}));
    // The file's own coordinates: no axis flipped.
    Vector3 p4 = Position(4);
    EXPECT_FLOAT_EQ(p4.x, 0.5f);
    EXPECT_FLOAT_EQ(p4.y, 2.0f);
    EXPECT_FLOAT_EQ(p4.z, -3.0f);
    Vector3 p5 = Position(5);
    EXPECT_FLOAT_EQ(p5.x, 0.0f);
    EXPECT_FLOAT_EQ(p5.y, 1.0f);
    EXPECT_FLOAT_EQ(Field<Vector3>(0, 12).z, -1.0f);
    EXPECT_FLOAT_EQ(Field<Vector3>(5, 12).y, 1.0f);
    EXPECT_FLOAT_EQ(Field<Vector2>(1, 24).x, 1.0f);
    EXPECT_FLOAT_EQ(Field<Vector2>(1, 24).y, 1.0f);
    EXPECT_FLOAT_EQ(Field<Vector2>(6, 24).x, 1.0f);  // repeat of vertex 2 keeps its uv
    EXPECT_FLOAT_EQ(Field<Vector2>(6, 24).y, 0.0f);
}

TEST_F(XFileTest, FramesApplyTheirTransformsAndMeshesMerge)
{
    const char text[] = R"(xof 0303txt 0032
Frame Root {
 FrameTransformMatrix {
  2.0,0.0,0.0,0.0,
  0.0,2.0,0.0,0.0,
  0.0,0.0,2.0,0.0,
  0.0,0.0,0.0,1.0;;
 }
 Frame Child {
  FrameTransformMatrix {
   1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 10.0,0.0,0.0,1.0;;
  }
  Mesh A {
   3; 0;0;0;, 1;0;0;, 0;1;0;;
   1; 3;0,1,2;;
   MeshMaterialList { 1; 1; 0;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; TextureFilename { "a.png"; } } }
  }
 }
}
Mesh B {
 3; 0;0;5;, 1;0;5;, 0;1;5;;
 1; 3;2,1,0;;
 MeshVertexColors { 1; 1; 1.0;0.0;0.0;1.0;;; }
}
)";
    ASSERT_EQ(Load(text), kOk) << mError;
    // The child's offset applies first, then the root's scale.
    EXPECT_FLOAT_EQ(Position(1).x, 22.0f);
    EXPECT_FLOAT_EQ(Position(2).y, 2.0f);
    // Mesh B follows with its own (default) material as id 1.
    EXPECT_EQ(mMesh->GetNumVertices(), 6u);
    EXPECT_EQ(mMesh->GetIndices(), (std::vector<uint32_t>{0, 1, 2, 5, 4, 3}));
    EXPECT_EQ(mMesh->GetAttributes(), (std::vector<uint32_t>{0, 1}));
    ASSERT_EQ(mMaterials.size(), 2u);
    EXPECT_EQ(mMaterials[0].textureFilename, "a.png");
    EXPECT_EQ(mMaterials[1].textureFilename, "");
    EXPECT_FLOAT_EQ(Position(3).z, 5.0f);
    EXPECT_EQ(mMesh->GetFvf(), uint32_t(kFvfXyz | kFvfDiffuse));
    EXPECT_EQ(Field<uint32_t>(4, 12), 0xFFFF0000u);
    EXPECT_EQ(Field<uint32_t>(0, 12), 0xFFFFFFFFu);
}

TEST_F(XFileTest, MaterialListShorterThanTheFacesRepeatsItsLastEntry)
{
    const char text[] = R"(xof 0302txt 0032
Mesh {
 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;;
 3; 3;0,1,2;, 3;0,2,3;, 3;0,1,3;;
 MeshMaterialList { 2; 2; 1, 0;;
  Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; }
  Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; }
 }
}
)";
    ASSERT_EQ(Load(text), kOk) << mError;
    EXPECT_EQ(mMesh->GetAttributes(), (std::vector<uint32_t>{1, 0, 0}));
}

TEST_F(XFileTest, NormalisingALoadedMeshThroughItsLock)
{
    // Radius 5 around (1, 2, 3): two opposite points on each axis.
    const char text[] = R"(xof 0302txt 0032
Mesh {
 6; 6;2;3;, -4;2;3;, 1;7;3;, 1;-3;3;, 1;2;8;, 1;2;-2;;
 2; 3;0,2,4;, 3;1,3,5;;
}
)";
    ASSERT_EQ(Load(text), kOk) << mError;
    void* data;
    ASSERT_EQ(mMesh->LockVertexBuffer(0, &data), kOk);
    Vector3 centre;
    float radius;
    uint32_t stride = FvfVertexSize(mMesh->GetFvf());
    ComputeBoundingSphere(data, mMesh->GetNumVertices(), stride, &centre, &radius);
    EXPECT_FLOAT_EQ(centre.x, 1.0f);
    EXPECT_FLOAT_EQ(centre.y, 2.0f);
    EXPECT_FLOAT_EQ(centre.z, 3.0f);
    EXPECT_FLOAT_EQ(radius, 5.0f);
    ASSERT_EQ(mMesh->UnlockVertexBuffer(), kOk);
}

TEST_F(XFileTest, BackslashPathsAreAccepted)
{
    Write("box.x", kTwoMaterials);
    fs::path old = fs::current_path();
    fs::current_path(mDir);
    Result r = LoadMeshFromX("x\\box.x", &mMesh, &mMaterials, &mError);
    fs::current_path(old);
    EXPECT_EQ(r, kOk) << mError;
}

TEST_F(XFileTest, MissingFileFailsCleanly)
{
    mMesh = reinterpret_cast<Mesh*>(1);  // must be overwritten with null
    EXPECT_EQ(LoadMeshFromX((mDir / "x" / "none.x").string(), &mMesh, &mMaterials, &mError), kFail);
    EXPECT_EQ(mMesh, nullptr);
    EXPECT_NE(mError.find("cannot open"), std::string::npos);
}

TEST_F(XFileTest, MalformedFilesFailWithAReason)
{
    struct Case {
        const char* what;
        std::string text;
        const char* reason;
    };
    const std::string head = "xof 0302txt 0032\n";
    const Case cases[] = {
        {"empty", "", "not a .x file"},
        {"other header", "hello world, not a mesh at all\n", "not a .x file"},
        {"binary", "xof 0302bin 0032\x01\x02", "binary"},
        {"no mesh", head + "Material M { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; }\n", "no mesh"},
        {"truncated", head + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1", "number"},
        {"unterminated", head + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\n", "ends inside"},
        {"index past the vertices", head + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,3;; }", "out of range"},
        {"two-corner face", head + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 2;0,1;; }", "three corners"},
        {"not a number", head + "Mesh { 3; 0;0;0;, 1;zero;0;, 0;1;0;; 1; 3;0,1,2;; }", "not a number"},
        {"huge count", head + "Mesh { 4000000000; 0;0;0;; }", "out of range"},
        {"negative count", head + "Mesh { -3; 0;0;0;; }", "out of range"},
        {"material count",
         head + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\n"
                " MeshMaterialList { 2; 1; 0;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; } } }",
         "materials"},
        {"material index",
         head + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\n"
                " MeshMaterialList { 1; 1; 1;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; } } }",
         "out of range"},
        {"unknown reference",
         head + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\n MeshMaterialList { 1; 1; 0;; { Nowhere } } }",
         "Nowhere"},
        {"uv count", head + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\n MeshTextureCoords { 2; 0;0;, 1;1;; } }",
         "texture coordinates"},
        {"normal faces",
         head + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\n MeshNormals { 1; 0;0;1;; 2; 3;0,0,0;, 3;0,0,0;; } }",
         "normals"},
        {"open string", head + "Material M { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; TextureFilename { \"a.png; } }\n",
         "file name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Load(c.text), kFail);
        EXPECT_EQ(mMesh, nullptr);
        EXPECT_NE(mError.find(c.reason), std::string::npos) << mError;
    }
}

TEST_F(XFileTest, NestingIsBoundedSoHostileFilesAreRefusedNotOverflowed)
{
    auto nested = [](int frames) {
        std::string text = "xof 0302txt 0032\n";
        for (int i = 0; i < frames; ++i)
            text += "Frame {\n";
        text +=
            "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\n"
            " MeshMaterialList { 1; 1; 0;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; } } }\n";
        for (int i = 0; i < frames; ++i)
            text += "}\n";
        return text;
    };
    // Deep enough for any real model.
    ASSERT_EQ(Load(nested(60)), kOk) << mError;
    EXPECT_EQ(mMesh->GetNumFaces(), 1u);
    // The file found by fuzzing that overflowed the stack.
    for (int frames : {65, 40000}) {
        EXPECT_EQ(Load(nested(frames)), kFail) << frames;
        EXPECT_EQ(mMesh, nullptr);
        EXPECT_NE(mError.find("nested more than 64 deep"), std::string::npos) << mError;
    }
}

TEST_F(XFileTest, FromMemoryNeedsItsOutputs)
{
    EXPECT_EQ(LoadMeshFromXText(kTwoMaterials, nullptr, &mMaterials), kInvalidCall);
    EXPECT_EQ(LoadMeshFromXText(kTwoMaterials, &mMesh, nullptr), kInvalidCall);
    EXPECT_EQ(LoadMeshFromXText(kTwoMaterials, &mMesh, &mMaterials), kOk);
    EXPECT_EQ(mMesh->GetNumFaces(), 3u);
}

}  // namespace
}  // namespace gfx
