// Screen, control, resource file, font and host queries (content database).
#include "db/game_database.h"

#include <cstdio>

#include "db/parsers.h"
#include "db/query_shapes.h"

namespace {

void FillScreen(ScreenRecord& r, CColumnReader& in)
{
    r.screen_id = in.Int();
    in.Text(r.screen_name);
    r.sprite_id = in.Int();
}

void FillControlId(ControlIdRow& r, CColumnReader& in)
{
    r.screen_id = in.Int();
    r.control_id = in.Int();
    r.id = in.Int();
}

void FillObjectControlId(ObjectControlIdRow& r, CColumnReader& in)
{
    r.screen_id = in.Int();
    r.object_control_id = in.Int();
}

void FillDragButton(DragButtonRecord& r, CColumnReader& in)
{
    r.control_id = in.Int();
    r.snap_set = in.Int();
    r.x_pos = in.Int();
    r.y_pos = in.Int();
    r.visible = in.Bool();
    r.sprite_id = in.Int();
    r.screen_id = in.Int();
    r.drag_button_id = in.Int();
    r.color_mod = in.Color();
    r.down_sound_id = in.Int();
    r.up_sound_id = in.Int();
    r.snap_sound_id = in.Int();
}

void FillSnapControl(SnapControlRecord& r, CColumnReader& in)
{
    r.control_id = in.Int();
    r.snap_set = in.Int();
    r.sprite_id = in.Int();
    r.x_pos = in.Int();
    r.y_pos = in.Int();
    r.visible = in.Bool();
    r.screen_id = in.Int();
    r.color_mod = in.Color();
    r.snap_control_id = in.Int();
}

void FillButton(ButtonRecord& r, CColumnReader& in)
{
    r.control_id = in.Int();
    r.x_pos = in.Int();
    r.y_pos = in.Int();
    r.visible = in.Bool();
    r.text_size = ParseSize(in.Raw());
    r.button_id = in.Int();
    in.Text(r.button_text);
    r.sprite_id = in.Int();
    r.screen_id = in.Int();
    r.color_mod = in.Color();
    r.down_color_mod = in.Color();
    r.down_sound_id = in.Int();
    r.up_sound_id = in.Int();
}

void FillSpriteControl(SpriteControlRecord& r, CColumnReader& in)
{
    r.control_id = in.Int();
    r.x_pos = in.Int();
    r.y_pos = in.Int();
    r.visible = in.Bool();
    r.sprite_control_id = in.Int();
    r.sprite_id = in.Int();
    r.screen_id = in.Int();
    r.color_mod = in.Color();
}

void FillMovieControl(MovieControlRecord& r, CColumnReader& in)
{
    r.control_id = in.Int();
    r.x_pos = in.Int();
    r.y_pos = in.Int();
    r.visible = in.Bool();
    r.movie_control_id = in.Int();
    r.sprite_id = in.Int();
    r.screen_id = in.Int();
    r.color_mod = in.Color();
    r.frame_size = in.Int();
    r.grid = in.Int();
}

void FillMouseOverButton(MouseOverButtonRecord& r, CColumnReader& in)
{
    r.control_id = in.Int();
    r.x_pos = in.Int();
    r.y_pos = in.Int();
    r.visible = in.Bool();
    r.text_size = ParseSize(in.Raw());
    r.mouse_over_button_id = in.Int();
    in.Text(r.button_text);
    r.sprite_id = in.Int();
    r.screen_id = in.Int();
    r.color_mod = in.Color();
    r.down_color_mod = in.Color();
    r.down_sound_id = in.Int();
    r.up_sound_id = in.Int();
    r.over_color_mod = in.Color();
    r.over_sound_id = in.Int();
}

void FillTextControl(TextControlRecord& r, CColumnReader& in)
{
    r.control_id = in.Int();
    r.x_pos = in.Int();
    r.y_pos = in.Int();
    r.visible = in.Bool();
    r.text_size = ParseSize(in.Raw());
    r.text_id = in.Int();
    in.Text(r.text);
    r.color_mod = in.Color();
    r.screen_id = in.Int();
}

void FillCheckBox(CheckBoxRecord& r, CColumnReader& in)
{
    r.control_id = in.Int();
    r.x_pos = in.Int();
    r.y_pos = in.Int();
    r.visible = in.Bool();
    r.text_size = ParseSize(in.Raw());
    r.checkbox_id = in.Int();
    in.Text(r.checkbox_text);
    r.sprite_id = in.Int();
    r.checked_sprite_id = in.Int();
    r.checked = in.Bool();
    r.screen_id = in.Int();
    r.sound_id = in.Int();
    r.color_mod = in.Color();
}

void FillSlider(SliderRecord& r, CColumnReader& in)
{
    r.control_id = in.Int();
    r.screen_id = in.Int();
    r.x_pos = in.Int();
    r.y_pos = in.Int();
    r.visible = in.Bool();
    r.color_mod = in.Color();
    r.text_size = ParseSize(in.Raw());
    r.slider_id = in.Int();
    in.Text(r.slider_text);
    r.slider_sprite_id = in.Int();
    r.meter_sprite_id = in.Int();
    r.current_meter_number = in.Int();
    r.max_meter_number = in.Int();
    r.sound_id = in.Int();
    r.horizontal = in.Bool();
}

void FillObjectControl(ObjectControlRecord& r, CColumnReader& in)
{
    r.object_control_id = in.Int();
    r.screen_id = in.Int();
    r.mesh_id = in.Int();
    r.x_pos = in.Real();
    r.y_pos = in.Real();
    r.z_pos = in.Real();
    r.x_rot = in.Real();
    r.y_rot = in.Real();
    r.z_rot = in.Real();
    r.x_rotv = in.Real();
    r.y_rotv = in.Real();
    r.z_rotv = in.Real();
    r.scale = in.Real();
    r.velocity = in.Real();
    r.orbit = in.Bool();
    r.x_orb = in.Real();
    r.y_orb = in.Real();
    r.z_orb = in.Real();
    r.visible = in.Bool();
}

// The file names are kept as game paths with their folder in front.
template <const char* kFolder>
void FillResourceFile(ResourceFileRecord& r, CColumnReader& in)
{
    r.id = in.Int();
    std::snprintf(r.path, sizeof r.path, "%s\\%s", kFolder, in.Raw());
}

constexpr char kSoundFolder[] = "sound";
constexpr char kMeshFolder[] = "x";
constexpr char kSpriteFolder[] = "raster";

void FillFontGlyph(FontGlyphRow& r, CColumnReader& in)
{
    r.font_size = ParseSize(in.Raw());
    r.font_char = in.FirstChar();
    r.sprite_id = in.Int();
}

void FillHost(HostRow& r, CColumnReader& in)
{
    r.host_id = in.Int();
    in.Text(r.host_description);
    in.Text(r.host_address);
    r.host_port = in.Int();
}

}  // namespace

ScreenRecord* CGameDatabase::GetScreen(int32_t screenId)
{
    return RunRecord<ScreenRecord, 3, FillScreen>(
        mContent, FormatSql("select screen_id, screen_name, sprite_id  from screen  where screen_id = %d", screenId),
        mScreen);
}

RowList<ControlIdRow>& CGameDatabase::GetButtonIds(RowList<ControlIdRow>& out, int32_t screenId)
{
    return RunList<ControlIdRow, 3, FillControlId>(
        mContent,
        FormatSql("select c.screen_id, c.control_id, b.button_id  from control c, button b  where c.screen_id = %d  "
                  "and b.control_id = c.control_id",
                  screenId),
        mButtonIds, out);
}

RowList<ControlIdRow>& CGameDatabase::GetSpriteControlIds(RowList<ControlIdRow>& out, int32_t screenId)
{
    return RunList<ControlIdRow, 3, FillControlId>(
        mContent,
        FormatSql("select c.screen_id, c.control_id, s.sprite_control_id  from control c, sprite_control s  "
                  "where c.screen_id = %d  and s.control_id = c.control_id",
                  screenId),
        mSpriteControlIds, out);
}

RowList<ControlIdRow>& CGameDatabase::GetMovieControlIds(RowList<ControlIdRow>& out, int32_t screenId)
{
    return RunList<ControlIdRow, 3, FillControlId>(
        mContent,
        FormatSql("select c.screen_id, c.control_id, m.movie_control_id  from control c, movie_control m  "
                  "where c.screen_id = %d  and m.control_id = c.control_id",
                  screenId),
        mMovieControlIds, out);
}

RowList<ControlIdRow>& CGameDatabase::GetMouseOverButtonIds(RowList<ControlIdRow>& out, int32_t screenId)
{
    return RunList<ControlIdRow, 3, FillControlId>(
        mContent,
        FormatSql("select c.screen_id, c.control_id, b.mouse_over_button_id  from control c, mouse_over_button b  "
                  "where c.screen_id = %d  and b.control_id = c.control_id",
                  screenId),
        mMouseOverButtonIds, out);
}

RowList<ControlIdRow>& CGameDatabase::GetTextControlIds(RowList<ControlIdRow>& out, int32_t screenId)
{
    return RunList<ControlIdRow, 3, FillControlId>(
        mContent,
        FormatSql("select c.screen_id, c.control_id, t.text_id  from control c, text_control t  "
                  "where c.screen_id = %d  and c.control_id = t.control_id",
                  screenId),
        mTextControlIds, out);
}

RowList<ControlIdRow>& CGameDatabase::GetCheckBoxIds(RowList<ControlIdRow>& out, int32_t screenId)
{
    return RunList<ControlIdRow, 3, FillControlId>(
        mContent,
        FormatSql("select c.screen_id, c.control_id, cb.checkbox_id  from control c, checkbox cb  "
                  "where c.screen_id = %d  and c.control_id = cb.control_id",
                  screenId),
        mCheckBoxIds, out);
}

RowList<ControlIdRow>& CGameDatabase::GetSliderIds(RowList<ControlIdRow>& out, int32_t screenId)
{
    return RunList<ControlIdRow, 3, FillControlId>(
        mContent,
        FormatSql("select c.screen_id, c.control_id, s.slider_id  from control c, slider s  "
                  "where c.screen_id = %d  and c.control_id = s.control_id",
                  screenId),
        mSliderIds, out);
}

RowList<ControlIdRow>& CGameDatabase::GetDragButtonIds(RowList<ControlIdRow>& out, int32_t screenId)
{
    return RunList<ControlIdRow, 3, FillControlId>(
        mContent,
        FormatSql("select c.screen_id, c.control_id, d.drag_button_id  from control c, drag_button d  "
                  "where c.screen_id = %d  and d.control_id = c.control_id",
                  screenId),
        mDragButtonIds, out);
}

RowList<ControlIdRow>& CGameDatabase::GetSnapControlIds(RowList<ControlIdRow>& out, int32_t screenId)
{
    return RunList<ControlIdRow, 3, FillControlId>(
        mContent,
        FormatSql("select c.screen_id, c.control_id, s.snap_control_id  from control c, snap_control s  "
                  "where c.screen_id = %d  and s.control_id = c.control_id",
                  screenId),
        mSnapControlIds, out);
}

RowList<ObjectControlIdRow>& CGameDatabase::GetObjectControlIds(RowList<ObjectControlIdRow>& out, int32_t screenId)
{
    return RunList<ObjectControlIdRow, 2, FillObjectControlId>(
        mContent, FormatSql("select screen_id, object_control_id  from object_control  where screen_id = %d", screenId),
        mObjectControlIds, out);
}

int32_t CGameDatabase::FindControlWithoutKind(int32_t screenId)
{
    return RunScalar(mContent,
                     FormatSql("select min(control_id) from control where screen_id = %d and control_id not in ( "
                               "select control_id from button union select control_id from mouse_over_button "
                               "union select control_id from text_control union select control_id from checkbox "
                               "union select control_id from slider union select control_id from sprite_control "
                               "union select control_id from movie_control union select control_id from drag_button "
                               "union select control_id from snap_control ) having count(*) > 0",
                               screenId),
                     mControlWithoutKind, kNoControl);
}

DragButtonRecord* CGameDatabase::GetDragButton(int32_t controlId)
{
    return RunRecordOrNull<DragButtonRecord, 12, FillDragButton>(
        mContent,
        FormatSql("select c.control_id, d.snap_set, c.x_pos, c.y_pos,  c.visible, d.sprite_id, c.screen_id, "
                  "d.drag_button_id,  c.color_mod, d.down_sound_id, d.up_sound_id, d.snap_sound_id  "
                  "from drag_button d, control c  where c.control_id = d.control_id  and c.control_id = %d",
                  controlId),
        mDragButton);
}

SnapControlRecord* CGameDatabase::GetSnapControl(int32_t controlId)
{
    return RunRecordOrNull<SnapControlRecord, 9, FillSnapControl>(
        mContent,
        FormatSql("select c.control_id, s.snap_set, s.sprite_id, c.x_pos,  c.y_pos, c.visible, c.screen_id, "
                  "c.color_mod, s.snap_control_id  from snap_control s, control c  "
                  "where c.control_id = s.control_id  and c.control_id = %d",
                  controlId),
        mSnapControl);
}

ButtonRecord* CGameDatabase::GetButton(int32_t controlId)
{
    return RunRecordOrNull<ButtonRecord, 13, FillButton>(
        mContent,
        FormatSql("select c.control_id, c.x_pos, c.y_pos,  c.visible, c.text_size, b.button_id,  b.button_text, "
                  "b.sprite_id, c.screen_id,  c.color_mod, b.down_color_mod, b.down_sound_id,  b.up_sound_id  "
                  "from button b, control c  where c.control_id = b.control_id  and c.control_id = %d",
                  controlId),
        mButton);
}

SpriteControlRecord* CGameDatabase::GetSpriteControl(int32_t controlId)
{
    return RunRecordOrNull<SpriteControlRecord, 8, FillSpriteControl>(
        mContent,
        FormatSql("select c.control_id, c.x_pos, c.y_pos,  c.visible, s.sprite_control_id,  s.sprite_id, "
                  "c.screen_id, c.color_mod  from sprite_control s, control c  "
                  "where c.control_id = s.control_id  and c.control_id = %d",
                  controlId),
        mSpriteControl);
}

MovieControlRecord* CGameDatabase::GetMovieControl(int32_t controlId)
{
    return RunRecordOrNull<MovieControlRecord, 10, FillMovieControl>(
        mContent,
        FormatSql("select c.control_id, c.x_pos, c.y_pos,  c.visible, m.movie_control_id,  m.sprite_id, "
                  "c.screen_id, c.color_mod,  m.frame_size, m.grid  from movie_control m, control c  "
                  "where c.control_id = m.control_id  and c.control_id = %d",
                  controlId),
        mMovieControl);
}

MouseOverButtonRecord* CGameDatabase::GetMouseOverButton(int32_t controlId)
{
    return RunRecord<MouseOverButtonRecord, 15, FillMouseOverButton>(
        mContent,
        FormatSql("select c.control_id, c.x_pos, c.y_pos,  c.visible, c.text_size, b.mouse_over_button_id,  "
                  "b.button_text, b.sprite_id, c.screen_id,  c.color_mod, b.down_color_mod, b.down_sound_id,  "
                  "b.up_sound_id, b.over_color_mod, b.over_sound_id  from mouse_over_button b, control c  "
                  "where c.control_id = b.control_id  and c.control_id = %d",
                  controlId),
        mMouseOverButton);
}

TextControlRecord* CGameDatabase::GetTextControl(int32_t controlId)
{
    return RunRecord<TextControlRecord, 9, FillTextControl>(
        mContent,
        FormatSql("select c.control_id, c.x_pos, c.y_pos,  c.visible, c.text_size, t.text_id,  t.text, "
                  "c.color_mod, c.screen_id  from text_control t, control c  "
                  "where c.control_id = t.control_id  and c.control_id = %d",
                  controlId),
        mTextControl);
}

CheckBoxRecord* CGameDatabase::GetCheckBox(int32_t controlId)
{
    return RunRecord<CheckBoxRecord, 13, FillCheckBox>(
        mContent,
        FormatSql("select c.control_id, c.x_pos, c.y_pos,  c.visible, c.text_size, cb.checkbox_id,  "
                  "cb.checkbox_text, cb.sprite_id,  cb.checked_sprite_id, cb.checked,  c.screen_id, cb.sound_id, "
                  "c.color_mod  from checkbox cb, control c  where c.control_id = cb.control_id  "
                  "and c.control_id = %d",
                  controlId),
        mCheckBox);
}

SliderRecord* CGameDatabase::GetSlider(int32_t controlId)
{
    return RunRecord<SliderRecord, 15, FillSlider>(
        mContent,
        FormatSql("select c.control_id, c.screen_id, c.x_pos, c.y_pos,  c.visible, c.color_mod, c.text_size, "
                  "s.slider_id,  s.slider_text, s.slider_sprite_id, s.meter_sprite_id,  s.current_meter_number, "
                  "s.max_meter_number, s.sound_id, s.horizontal  from slider s, control c  "
                  "where c.control_id = %d  and c.control_id = s.control_id",
                  controlId),
        mSlider);
}

ObjectControlRecord* CGameDatabase::GetObjectControl(int32_t objectControlId)
{
    return RunRecord<ObjectControlRecord, 19, FillObjectControl>(
        mContent,
        FormatSql("select object_control_id, screen_id, mesh_id,  x_pos, y_pos, z_pos, x_rot, y_rot, z_rot,  "
                  "x_rotv, y_rotv, z_rotv, scale, velocity,  orbit, x_orb, y_orb, z_orb, visible  "
                  "from object_control  where object_control_id = %d",
                  objectControlId),
        mObjectControl);
}

ResourceFileRecord* CGameDatabase::GetSound(int32_t soundId)
{
    return RunRecord<ResourceFileRecord, 2, FillResourceFile<kSoundFolder>>(
        mContent, FormatSql("select sound_id, sound_file  from sound  where sound_id = %d", soundId), mSound);
}

ResourceFileRecord* CGameDatabase::GetMesh(int32_t meshId)
{
    return RunRecord<ResourceFileRecord, 2, FillResourceFile<kMeshFolder>>(
        mContent, FormatSql("select mesh_id, mesh_file  from mesh  where mesh_id = %d", meshId), mMesh);
}

ResourceFileRecord* CGameDatabase::GetSprite(int32_t spriteId)
{
    return RunRecord<ResourceFileRecord, 2, FillResourceFile<kSpriteFolder>>(
        mContent, FormatSql("select sprite_id, sprite_file  from sprite  where sprite_id = %d", spriteId), mSprite);
}

RowList<FontGlyphRow>& CGameDatabase::GetFontGlyphs(RowList<FontGlyphRow>& out, const char* fontSize)
{
    return RunList<FontGlyphRow, 3, FillFontGlyph>(
        mContent, FormatSql("select font_size, font_char, sprite_id  from font  where font_size = '%q'", fontSize),
        mFontGlyphs, out);
}

RowList<HostRow>& CGameDatabase::GetHosts(RowList<HostRow>& out)
{
    return RunList<HostRow, 4, FillHost>(
        mContent, "select host_id, host_description, host_address, host_port from host ", mHosts, out);
}

void CGameDatabase::AddHost(const char* address)
{
    RunOrQuit(mContent,
              FormatSql("insert into host (host_address, host_description, host_port) "
                        "values ('%q', 'User Added Host', 6734)",
                        address),
              &IgnoreRow, nullptr);
}
