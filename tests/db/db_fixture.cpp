// The database test fixture: a fresh game folder per test.
#include "db/db_fixture.h"

#include "platform/os/message_queue.h"

void DbFixture::SetUp()
{
    ASSERT_TRUE(mDb.Open(ContentFile(), SaveFile()));
    os::ClearMessages();
}

void DbFixture::TearDown()
{
    mDb.Close();
    os::ClearMessages();
}
