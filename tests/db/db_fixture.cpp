// The database test fixture: a fresh game folder per test.
#include "db/db_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "db/database_builder.h"
#include "platform/os/message_queue.h"

void DbFixture::SetUp()
{
    char pattern[] = "/tmp/varnok-db-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    mFolder = pattern;
    const std::string content = std::string(VARNOK_SOURCE_DIR) + "/content/";
    auto error = BuildDatabase(ContentFile(), {content + "varnok.sql"}, BuildMode::kReplace);
    ASSERT_FALSE(error) << *error;
    error = BuildDatabase(SaveFile(), {content + "pe.sql"}, BuildMode::kReplace);
    ASSERT_FALSE(error) << *error;
    ASSERT_TRUE(mDb.Open(ContentFile(), SaveFile()));
    os::ClearMessages();
}

void DbFixture::TearDown()
{
    mDb.Close();
    os::ClearMessages();
    std::error_code ec;
    std::filesystem::remove_all(mFolder, ec);
}

void DbFixture::Content(const std::string& sql)
{
    auto error = ApplySql(ContentFile(), sql);
    ASSERT_FALSE(error) << *error;
}

void DbFixture::Save(const std::string& sql)
{
    auto error = ApplySql(SaveFile(), sql);
    ASSERT_FALSE(error) << *error;
}
