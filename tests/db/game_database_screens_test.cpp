// Screen, control, resource file, font and host queries.
#include "db/game_database.h"

#include <gtest/gtest.h>

#include "db/db_fixture.h"
#include "db/game_enums.h"
#include "platform/os/message_queue.h"

namespace {

using DbScreens = DbFixture;

TEST_F(DbScreens, EveryQueryRunsAgainstTheSchema)
{
    RowList<ControlIdRow> ids;
    RowList<ObjectControlIdRow> objects;
    RowList<FontGlyphRow> glyphs;
    RowList<HostRow> hosts;
    mDb.GetScreen(1);
    mDb.GetButtonIds(ids, 1);
    mDb.GetSpriteControlIds(ids, 1);
    mDb.GetMovieControlIds(ids, 1);
    mDb.GetMouseOverButtonIds(ids, 1);
    mDb.GetTextControlIds(ids, 1);
    mDb.GetCheckBoxIds(ids, 1);
    mDb.GetSliderIds(ids, 1);
    mDb.GetDragButtonIds(ids, 1);
    mDb.GetSnapControlIds(ids, 1);
    mDb.GetObjectControlIds(objects, 1);
    mDb.GetDragButton(1);
    mDb.GetSnapControl(1);
    mDb.GetButton(1);
    mDb.GetSpriteControl(1);
    mDb.GetMovieControl(1);
    mDb.GetMouseOverButton(1);
    mDb.GetTextControl(1);
    mDb.GetCheckBox(1);
    mDb.GetSlider(1);
    mDb.GetObjectControl(1);
    mDb.GetSound(1);
    mDb.GetMesh(1);
    mDb.GetSprite(1);
    mDb.GetFontGlyphs(glyphs, "small");
    mDb.GetHosts(hosts);
    mDb.AddHost("127.0.0.1");
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(DbScreens, ControlIdListsJoinTheirKindTable)
{
    Content(
        "insert into control (control_id, screen_id) values (2, 1), (3, 1), (4, 2), (5, 1);"
        "insert into button (button_id, control_id) values (20, 2), (30, 3), (40, 4);"
        "insert into checkbox (checkbox_id, control_id) values (50, 5);");
    RowList<ControlIdRow> ids;
    mDb.GetButtonIds(ids, 1);
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_EQ(ids.front()->screen_id, 1);
    EXPECT_EQ(ids.front()->control_id, 2);
    EXPECT_EQ(ids.front()->id, 20);
    EXPECT_EQ(ids.back()->id, 30);
    mDb.GetCheckBoxIds(ids, 1);
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(ids.front()->id, 50);
}

TEST_F(DbScreens, MouseOverButtonReadsEveryColumnInPlace)
{
    Content(
        "insert into control values (7, 3, 11, 12, 'true', 'large', '11223344');"
        "insert into mouse_over_button values (70, 7, 'Go', 13, '55667788', 14, 15, '99aabbcc', 16);");
    MouseOverButtonRecord* b = mDb.GetMouseOverButton(7);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->control_id, 7);
    EXPECT_EQ(b->x_pos, 11);
    EXPECT_EQ(b->y_pos, 12);
    EXPECT_TRUE(b->visible);
    EXPECT_EQ(b->text_size, kSizeLarge);
    EXPECT_EQ(b->mouse_over_button_id, 70);
    EXPECT_STREQ(b->button_text, "Go");
    EXPECT_EQ(b->sprite_id, 13);
    EXPECT_EQ(b->screen_id, 3);
    EXPECT_EQ(b->color_mod, 0x11223344u);
    EXPECT_EQ(b->down_color_mod, 0x55667788u);
    EXPECT_EQ(b->down_sound_id, 14);
    EXPECT_EQ(b->up_sound_id, 15);
    EXPECT_EQ(b->over_color_mod, 0x99aabbccu);
    EXPECT_EQ(b->over_sound_id, 16);
}

TEST_F(DbScreens, SliderAndDragButtonReadEveryColumnInPlace)
{
    Content(
        "insert into control values (8, 4, 21, 22, 'true', 'medium', 'ff000001');"
        "insert into slider values (80, 8, 'Volume', 23, 24, 25, 26, 27, 'true');"
        "insert into control values (9, 5, 31, 32, 'false', 'small', 'ff000002');"
        "insert into drag_button values (90, 9, 33, 34, 35, 36, 37);");
    SliderRecord* s = mDb.GetSlider(8);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->screen_id, 4);
    EXPECT_EQ(s->x_pos, 21);
    EXPECT_EQ(s->y_pos, 22);
    EXPECT_EQ(s->color_mod, 0xff000001u);
    EXPECT_EQ(s->text_size, kSizeMedium);
    EXPECT_EQ(s->slider_id, 80);
    EXPECT_STREQ(s->slider_text, "Volume");
    EXPECT_EQ(s->slider_sprite_id, 23);
    EXPECT_EQ(s->meter_sprite_id, 24);
    EXPECT_EQ(s->current_meter_number, 25);
    EXPECT_EQ(s->max_meter_number, 26);
    EXPECT_EQ(s->sound_id, 27);
    EXPECT_TRUE(s->horizontal);
    DragButtonRecord* d = mDb.GetDragButton(9);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->snap_set, 33);
    EXPECT_EQ(d->x_pos, 31);
    EXPECT_FALSE(d->visible);
    EXPECT_EQ(d->sprite_id, 34);
    EXPECT_EQ(d->screen_id, 5);
    EXPECT_EQ(d->drag_button_id, 90);
    EXPECT_EQ(d->color_mod, 0xff000002u);
    EXPECT_EQ(d->down_sound_id, 35);
    EXPECT_EQ(d->up_sound_id, 36);
    EXPECT_EQ(d->snap_sound_id, 37);
}

TEST_F(DbScreens, ObjectControlReadsTheOrbitCentreAndVisibility)
{
    Content(
        "insert into object_control values (4, 4, 57, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 'true', 12, 13, 14, "
        "'false')");
    ObjectControlRecord* o = mDb.GetObjectControl(4);
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->mesh_id, 57);
    EXPECT_FLOAT_EQ(o->x_pos, 1);
    EXPECT_FLOAT_EQ(o->z_rotv, 9);
    EXPECT_FLOAT_EQ(o->scale, 10);
    EXPECT_FLOAT_EQ(o->velocity, 11);
    EXPECT_TRUE(o->orbit);
    EXPECT_FLOAT_EQ(o->x_orb, 12);
    EXPECT_FLOAT_EQ(o->y_orb, 13);
    EXPECT_FLOAT_EQ(o->z_orb, 14);
    EXPECT_FALSE(o->visible);
}

TEST_F(DbScreens, ResourceFilesGetTheirFolderInFront)
{
    Content(
        "insert into sound values (4, 'engine.wav'); insert into mesh values (5, 'hull.x');"
        "insert into sprite values (6, 'cursor.png');");
    EXPECT_STREQ(mDb.GetSound(4)->path, "sound\\engine.wav");
    EXPECT_EQ(mDb.GetSound(4)->id, 4);
    EXPECT_STREQ(mDb.GetMesh(5)->path, "x\\hull.x");
    EXPECT_STREQ(mDb.GetSprite(6)->path, "raster\\cursor.png");
    EXPECT_EQ(mDb.GetSprite(7), nullptr);
}

TEST_F(DbScreens, AVeryLongFileNameIsCutToThePathField)
{
    std::string name(400, 'f');
    Content("insert into sprite values (1, '" + name + "')");
    ResourceFileRecord* sprite = mDb.GetSprite(1);
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(std::string(sprite->path), "raster\\" + name.substr(0, sizeof sprite->path - 8));
}

TEST_F(DbScreens, FontGlyphsTakeTheFirstCharacterOrZero)
{
    Content(
        "insert into font values ('small', 'A', 65), ('small', '', 0), ('medium', 'B', 66),"
        "('small', 'xyz', 120);");
    RowList<FontGlyphRow> glyphs;
    mDb.GetFontGlyphs(glyphs, "small");
    ASSERT_EQ(glyphs.size(), 3u);
    auto it = glyphs.begin();
    EXPECT_EQ((*it)->font_char, 'A');
    EXPECT_EQ((*it)->font_size, kSizeSmall);
    EXPECT_EQ((*it)->sprite_id, 65);
    EXPECT_EQ((*++it)->font_char, '\0');
    EXPECT_EQ((*++it)->font_char, 'x');
    EXPECT_EQ(mDb.GetFontGlyphs(glyphs, "medium").front()->font_size, kSizeMedium);
}

TEST_F(DbScreens, AHostAddressIsStoredExactlyAsTypedWhateverItHolds)
{
    mDb.AddHost("it's.here");
    mDb.AddHost("x', 'y', 1); delete from host; --");
    EXPECT_FALSE(os::QuitPosted());
    RowList<HostRow> hosts;
    mDb.GetHosts(hosts);
    ASSERT_EQ(hosts.size(), 2u);
    EXPECT_STREQ(hosts.front()->host_address, "it's.here");
    EXPECT_STREQ(hosts.front()->host_description, "User Added Host");
    EXPECT_EQ(hosts.front()->host_port, 6734);
    EXPECT_GT(hosts.front()->host_id, 0);
    EXPECT_STREQ(hosts.back()->host_address, "x', 'y', 1); delete from host; --");
}

}  // namespace
