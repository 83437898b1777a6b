// A temporary game folder with both databases built from content/*.sql, and a database object on them.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "db/game_database.h"

class DbFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds rows (or any SQL) to the content or save database; fails the test on an error.
    void Content(const std::string& sql);
    void Save(const std::string& sql);

    std::string ContentFile() const { return mFolder + "/config/varnok.dat"; }
    std::string SaveFile() const { return mFolder + "/config/pe.dat"; }

    std::string mFolder;
    CGameDatabase mDb;
};
