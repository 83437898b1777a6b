// A bare game folder with both databases built from content/*.sql, and a database object on them.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "db/game_database.h"
#include "support/game_folder.h"

class DbFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds rows (or any SQL) to the content or save database; an error fails the test.
    void Content(const std::string& sql) { folder.Content(sql); }
    void Save(const std::string& sql) { folder.Save(sql); }

    std::string ContentFile() const { return folder.ContentFile(); }
    std::string SaveFile() const { return folder.SaveFile(); }

    GameFolder folder{GameFolder::Kind::kBare};
    CGameDatabase mDb;
};
