// Building the database files: the content database from scratch, the save database only when absent.
#include "db/database_builder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "db/game_database.h"

namespace {

namespace fs = std::filesystem;

class DatabaseBuilder : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/varnok-makedb-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        mFolder = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(mFolder, ec);
    }

    std::string Write(const std::string& name, const std::string& text)
    {
        std::string path = mFolder + "/" + name;
        std::ofstream(path) << text;
        return path;
    }

    static std::string Bytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string mFolder;
};

const std::string kPeSql = std::string(VARNOK_SOURCE_DIR) + "/content/pe.sql";
const std::string kMakedb = std::string(VARNOK_GAME_DIR) + "/../tools/makedb";

TEST_F(DatabaseBuilder, TheBuildToolLeavesAnExistingSaveDatabaseByteForByte)
{
    std::string save = mFolder + "/config/pe.dat";
    std::string command = kMakedb + " --keep-existing " + save + " " + kPeSql;
    ASSERT_EQ(std::system(command.c_str()), 0);
    ASSERT_TRUE(fs::exists(save));
    ASSERT_FALSE(ApplySql(save, "insert into player (player_id, character_name) values (3, 'Mine')"));
    std::string before = Bytes(save);
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Bytes(save), before);
}

TEST_F(DatabaseBuilder, ScriptsRunInOrderIntoAFreshFileEachTime)
{
    std::string schema = Write("schema.sql", "create table t (n integer);");
    std::string rows = Write("rows.sql", "insert into t values (1);");
    std::string out = mFolder + "/out.dat";
    ASSERT_FALSE(BuildDatabase(out, {schema, rows}, BuildMode::kReplace));
    // A rebuild starts from nothing: the schema would fail on an existing table.
    auto again = BuildDatabase(out, {schema, rows}, BuildMode::kReplace);
    EXPECT_FALSE(again) << *again;
    EXPECT_TRUE(ApplySql(out, "create table t (n integer)").has_value());
}

TEST_F(DatabaseBuilder, AFailingScriptLeavesNoFileBehind)
{
    std::string schema = Write("schema.sql", "create table t (n integer);");
    std::string broken = Write("broken.sql", "insert into missing values (1);");
    std::string out = mFolder + "/out.dat";
    auto error = BuildDatabase(out, {schema, broken}, BuildMode::kReplace);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("broken.sql"), std::string::npos) << *error;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_FALSE(fs::exists(out + ".partial"));
    EXPECT_TRUE(BuildDatabase(out, {mFolder + "/nothing.sql"}, BuildMode::kReplace).has_value());
}

TEST_F(DatabaseBuilder, TheShippedSaveDatabaseHoldsItsPoolAndSettings)
{
    std::string content = mFolder + "/varnok.dat";
    std::string save = mFolder + "/pe.dat";
    ASSERT_FALSE(BuildDatabase(content, {std::string(VARNOK_SOURCE_DIR) + "/content/varnok.sql"}, BuildMode::kReplace));
    ASSERT_FALSE(BuildDatabase(save, {kPeSql}, BuildMode::kKeepExisting));
    CGameDatabase db;
    ASSERT_TRUE(db.Open(content, save));
    EXPECT_EQ(db.NewPlayerId(), 0);
    EXPECT_EQ(db.GetCurrentPlayerId(), -1);
    EXPECT_NE(db.LoadSettings(), nullptr);
}

}  // namespace
