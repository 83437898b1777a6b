// The game started on damaged content, through its own entry, in a child process: it ends with a
// clear message, or runs on and names the file or row it could not use; it never crashes or hangs,
// and the pilot saved in pe.dat is there afterwards: byte for byte, or as the game saved it again
// after flying it.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "app/entry.h"
#include "app/frame.h"
#include "app/globals.h"
#include "core/keys.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/input/input.h"
#include "platform/os/message_queue.h"
#include "reliability/child_process.h"
#include "reliability/saved_pilot.h"
#include "screens/flight_screen.h"
#include "screens/main_menu_screen.h"
#include "screens/new_pilot_screen.h"
#include "screens/store_screen.h"
#include "support/game_folder.h"
#include "support/scoped_global.h"
#include "support/screen_cases.h"
#include "ui/button.h"
#include "ui/input_devices.h"
#include "ui/mouse_over_button.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The game folder's shared file, made the folder's own so it can be damaged: the folder's link to
// the built game becomes a folder of links, and the file's link is taken away.
fs::path OwnFile(const GameFolder& folder, const std::string& relativePath)
{
    const fs::path shared = folder.Path() / fs::path(relativePath).parent_path();
    if (fs::is_symlink(shared)) {
        const fs::path built = fs::read_symlink(shared);
        fs::remove(shared);
        fs::create_directory(shared);
        for (const fs::directory_entry& entry : fs::directory_iterator(built))
            fs::create_symlink(entry.path(), shared / entry.path().filename());
    }
    const fs::path file = folder.Path() / relativePath;
    const std::string bytes = Bytes(file);
    fs::remove(file);
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

int AppendRow(void* user, int columns, char** values, char**)
{
    for (int i = 0; i < columns; ++i)
        *static_cast<std::string*>(user) += std::string(values[i] ? values[i] : "NULL") + "|";
    return 0;
}

// Who the saved pilot is, read as SQLite reads it: id, hull, name and fitted devices; empty when
// unreadable.
std::string SavedPilot(const GameFolder& folder)
{
    std::string pilot;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(folder.SaveFile().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
        sqlite3_exec(db,
                     "select player_id, ship_id, character_name, engine_device_id, shield_device_id, armor_device_id "
                     "from player",
                     &AppendRow, &pilot, nullptr);
    sqlite3_close(db);
    return pilot;
}

void Truncate(const fs::path& file)
{
    fs::resize_file(file, fs::file_size(file) / 3);
}

void Overwrite(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void MakeReadOnly(const fs::path& path)
{
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

// The pilot carries the device in its first slot, and the content's table loses the device's row.
void Carry(const GameFolder& folder, int deviceId, const char* table)
{
    const std::string id = std::to_string(deviceId);
    folder.Save("insert into player_device select player_id, 0, " + id + ", -1 from player");
    folder.Content(std::string("delete from ") + table + " where device_id = " + id);
}

// The pilot's page is damaged where a plain read does not look: its count of fragmented bytes.
void DamageThePlayerPage(const GameFolder& folder)
{
    std::string offset;
    sqlite3* db = nullptr;
    sqlite3_open_v2(folder.SaveFile().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_exec(db, "select (rootpage - 1) * page_size + 7 from sqlite_master, pragma_page_size where name = 'player'",
                 &AppendRow, &offset, nullptr);
    sqlite3_close(db);
    std::fstream(folder.SaveFile(), std::ios::binary | std::ios::in | std::ios::out)
        .seekp(std::stol(offset))
        .put('\5');
}

// A text mesh whose vertex count promises far more than the file holds.
const char kCorruptMesh[] = "xof 0302txt 0032\nMesh {\n 2147483647;\n 1.0; 2.0; 3.0;,\n 4.0; 5.0;";

// The menu through the game's own loop, then flight over the first system, where the world's
// meshes and sounds load. The exit code is the game's.
int PlayTheMenuThenFly();
// The saved pilot taken off by the menu's Continue, thrusting for a while.
int PlayContinueAndThrust();
// The saved pilot taken off by Continue, then flown into each wormhole of its system, all of which
// lead where no pilot can go: the run fails (5) when one carried it away anyway.
int PlayContinueIntoTheWormholes();
// The new-pilot screen shown for a while: the run fails (5) when the hull on show has no ship row.
int PlayTheNewPilotScreen();
// The new-pilot screen's points spent and Create clicked, as a player makes a pilot.
int PlayCreate();
// The saved pilot taken off by Continue, then the Outfitter opened.
int PlayTheStore();

struct Damage {
    const char* name;
    void (*apply)(const GameFolder& folder);
    // What the message names: the file, or the row; empty when the game needs to say nothing.
    const char* named;
    // Either the game ends as a failure with its message, or it runs on with the file logged.
    bool endsAsFailure;
    int (*play)() = &PlayTheMenuThenFly;
    // The pilot flies, so the shutdown saves it again: its row must still be there, as it was.
    bool savedAgain = false;
};

void PrintTo(const Damage& damage, std::ostream* out)
{
    *out << damage.name;
}

// The fixture's pilot flies the first offered hull (the highest id) from the first system.
constexpr int kPilotSystem = 1;

const Damage kDamages[] = {
    {"missing_image", [](const GameFolder& f) { fs::remove(OwnFile(f, "raster/screen_menu.png")); },
     "raster/screen_menu.png", false},
    {"truncated_image", [](const GameFolder& f) { Truncate(OwnFile(f, "raster/back_union.png")); },
     "raster/back_union.png", false},
    {"corrupt_mesh", [](const GameFolder& f) { Overwrite(OwnFile(f, "x/planet.x"), kCorruptMesh); }, "x/planet.x",
     false},
    // Mesh 17 is the hull the fixture's pilot flies.
    {"mesh_file_null", [](const GameFolder& f) { f.Content("update mesh set mesh_file = NULL where mesh_id = 17"); },
     "cannot use x/ (mesh 17: ", false, &PlayContinueAndThrust, true},
    {"sound_file_null", [](const GameFolder& f) { f.Content("update sound set sound_file = NULL where sound_id = 5"); },
     "cannot use sound/ (", false},
    {"zero_byte_sound", [](const GameFolder& f) { Overwrite(OwnFile(f, "sound/loop_menu.wav"), ""); },
     "sound/loop_menu.wav", false},
    {"missing_content_database", [](const GameFolder& f) { fs::remove(f.ContentFile()); }, "config/varnok.dat", true},
    {"garbage_content_database", [](const GameFolder& f) { Overwrite(f.ContentFile(), std::string(4096, '\x5a')); },
     "config/varnok.dat", true},
    {"read_only_save_database", [](const GameFolder& f) { MakeReadOnly(f.SaveFile()); }, "config/pe.dat", true},
    {"read_only_config_folder", [](const GameFolder& f) { MakeReadOnly(f.Path() / "config"); }, "config/pe.dat", true},
    {"saved_off_every_map", [](const GameFolder& f) { f.Save("update player set x_pos = 1e999"); },
     "it starts at the new pilot's point", false, &PlayContinueAndThrust, true},
    {"button_sprite_row_missing", [](const GameFolder& f) { f.Content("delete from sprite where sprite_id = 3002"); },
     "no sprite row for sprite 3002", true},
    {"continue_button_row_missing", [](const GameFolder& f) { f.Content("delete from button where control_id = 5"); },
     "control 5 of screen 1", false},
    {"small_font_rows_missing", [](const GameFolder& f) { f.Content("delete from font where font_size = 'small'"); },
     "no font rows of size small", true},
    {"settings_row_missing", [](const GameFolder& f) { f.Save("delete from settings"); }, "no settings row", false,
     &PlayTheMenuThenFly, true},
    {"quest_step_left_out",
     [](const GameFolder& f) { f.Content("update quest_step set quest_step_sequence = 9 where quest_step_id = 13"); },
     "no step 3 of quest 1", true, &PlayContinueAndThrust, true},
    {"hull_row_missing",
     [](const GameFolder& f) { f.Content("delete from ship where ship_id = (select max(ship_id) from create_ship)"); },
     "has no ship row", false, &PlayContinueAndThrust},
    {"engine_row_missing",
     [](const GameFolder& f) {
         f.Content(
             "delete from engine where device_id = (select engine_device_id from create_ship where ship_id = "
             "(select max(ship_id) from create_ship))");
     },
     "no engine row for device", true, &PlayContinueAndThrust, true},
    {"engine_fuel_distance_tiny", [](const GameFolder& f) { f.Content("update engine set dist_per_fuel_unit = 1e-7"); },
     "", false, &PlayContinueAndThrust, true},
    {"model_spin_huge",
     [](const GameFolder& f) { f.Content("update object_control set x_rotv = 1e9, y_rotv = 1e9, z_rotv = 1e9"); }, "",
     false, &PlayTheNewPilotScreen},
    {"wormhole_to_missing_system",
     [](const GameFolder& f) {
         f.Content(
             "update wormhole_object set jump_system_id = 999 where object_id in (select object_id from object "
             "where system_id = " +
             std::to_string(kPilotSystem) + ")");
     },
     "which has no system row", false, &PlayContinueIntoTheWormholes, true},
    {"systems_without_width",
     [](const GameFolder& f) {
         f.Content("update system set x_dimension = 0 where system_id <> " + std::to_string(kPilotSystem));
     },
     "has no width or height", false, &PlayContinueIntoTheWormholes, true},
    {"saved_in_missing_system", [](const GameFolder& f) { f.Save("update player set system_id = 999"); },
     "was saved in system 999, which has no system row", false, &PlayContinueAndThrust, true},
    {"station_row_missing",
     [](const GameFolder& f) {
         f.Content(
             "delete from station where station_id in (select station_id from station_object_xref x, object o "
             "where o.object_id = x.object_id and o.system_id = " +
             std::to_string(kPilotSystem) + ")");
     },
     "no station row for object", true, &PlayContinueAndThrust, true},
    {"offered_hull_row_missing",
     [](const GameFolder& f) { f.Content("delete from ship where ship_id = (select max(ship_id) from create_ship)"); },
     "is not offered: it has no ship row", false, &PlayTheNewPilotScreen},
    {"first_system_without_height",
     [](const GameFolder& f) {
         f.Content("update system set y_dimension = NULL where system_id = " + std::to_string(kPilotSystem));
     },
     "system 1, where pilots start, has no width or height", true, &PlayContinueAndThrust, true},
    // The fixture's pilot and a pilot made now start with the first offered hull's weapons, 11 and 23.
    {"saved_weapon_device_row_missing", [](const GameFolder& f) { f.Content("delete from device_main where device_id = 23"); },
     "weapon device 23 has no device_main row", true, &PlayContinueAndThrust},
    {"saved_weapon_kind_row_missing",
     [](const GameFolder& f) { f.Content("delete from projectile_weapon where device_id = 23"); },
     "weapon device 23 has no row in any weapon table", true, &PlayContinueAndThrust},
    {"starting_weapon_kind_row_missing",
     [](const GameFolder& f) { f.Content("delete from projectile_weapon where device_id = 11"); },
     "weapon device 11 has no row in any weapon table", true, &PlayCreate},
    {"no_offered_hull_has_a_ship_row",
     [](const GameFolder& f) { f.Content("delete from ship where ship_id in (select ship_id from create_ship)"); },
     "no create_ship hull has a ship row", true, &PlayCreate},
    {"zero_byte_control_image", [](const GameFolder& f) { Overwrite(OwnFile(f, "raster/button_long.png"), ""); },
     "raster/button_long.png", true},
    {"screen_row_missing", [](const GameFolder& f) { f.Content("delete from screen where screen_id = 1"); },
     "no screen row for screen 1", true},
    {"backdrop_sprite_row_missing", [](const GameFolder& f) { f.Content("delete from sprite where sprite_id = 2"); },
     "no sprite row for sprite 2, the backdrop of screen 1", true},
    // Devices the pilot carries whose rows are gone: a save would drop them.
    {"carried_device_main_row_missing", [](const GameFolder& f) { Carry(f, 103, "device_main"); },
     "device 103 has no device_main row", true, &PlayContinueAndThrust},
    {"carried_weapon_kind_row_missing", [](const GameFolder& f) { Carry(f, 105, "beam_weapon"); },
     "weapon device 105 has no row in any weapon table", true, &PlayContinueAndThrust},
    {"carried_id_without_rows", [](const GameFolder& f) { Carry(f, 9999, "device_main"); },
     "device 9999 has no device_main row", true, &PlayContinueAndThrust},
    {"save_player_page_damaged", &DamageThePlayerPage, "config/pe.dat: it is damaged", true, &PlayContinueAndThrust},
    // Rows named as what needs them is built. Quest 1 starts in the first system, where station
    // 1001 and nebula 1009 are; sprite 251 and sound 20 are the fixture's weapons'.
    {"quest_without_steps", [](const GameFolder& f) { f.Content("delete from quest_step where quest_id = 1"); },
     "no step 1 of quest 1", true, &PlayContinueAndThrust, true},
    {"station_xref_row_missing",
     [](const GameFolder& f) { f.Content("delete from station_object_xref where object_id = 1001"); },
     "object 1001 of system 1 has no row", true, &PlayContinueAndThrust, true},
    {"nebula_row_missing", [](const GameFolder& f) { f.Content("delete from nebula_object where object_id = 1009"); },
     "object 1009 of system 1 has no row", true, &PlayContinueAndThrust, true},
    {"nebula_sprite_row_missing", [](const GameFolder& f) { f.Content("delete from sprite where sprite_id = 220"); },
     "nebula 1009 names sprite 220, which has no sprite row", false, &PlayContinueAndThrust, true},
    {"shot_sprite_row_missing", [](const GameFolder& f) { f.Content("delete from sprite where sprite_id = 251"); },
     "names sprite 251, which has no sprite row", false, &PlayContinueAndThrust, true},
    {"launch_sound_row_missing", [](const GameFolder& f) { f.Content("delete from sound where sound_id = 20"); },
     "names launch sound 20, which has no sound row", false, &PlayContinueAndThrust, true},
    {"offered_weapon_kind_row_missing", [](const GameFolder& f) { f.Content("delete from beam_weapon where device_id = 10"); },
     "device 10 is not offered: it has no row in any weapon table", false, &PlayTheStore, true},
};

// Frames of the game until it asks to quit; then the game stops. The status the game exits with:
// that of a failure posted at any time, else 0.
int RunFramesThenStop(int frames)
{
    for (int frame = 0; frame < frames && !os::QuitPosted(); ++frame)
        RunFrame();
    StopGame();
    int status = 0;
    os::Message message;
    while (os::PeekMessage(&message)) {
        if (message.type == os::MessageType::kQuit && message.param != 0)
            status = message.param;
    }
    return status;
}

// The menu's Continue, clicked as a player does, after the menu has been shown.
void ClickContinue()
{
    gCurrentScreen = gMainMenuScreen;
    RunFrame();
    const CButton* button = gMainMenuScreen->GetButton(CMainMenuScreen::kContinueButton);
    if (!button)
        return;
    const int x = button->flippedX ? button->x - 2 : button->x + 2;
    gMainMenuScreen->OnMouseDown(0, x, button->y + 2);
    gMainMenuScreen->OnMouseUp(0, x, button->y + 2);
}

int PlayContinueAndThrust()
{
    if (StartGame(gfx::Backend::kHeadless)) {
        StopGame();
        return 1;
    }
    ClickContinue();
    gDirectInput->Feed(input::DeviceKind::kKeyboard, kKeyW, input::kPressedBit);
    return RunFramesThenStop(60);
}

int PlayContinueIntoTheWormholes()
{
    if (StartGame(gfx::Backend::kHeadless)) {
        StopGame();
        return 1;
    }
    ClickContinue();
    std::vector<Vec3> wormholes;
    for (const auto& [id, wormhole] : gResourceManager->mWormholes)
        wormholes.push_back(wormhole->mPosition);
    const int system = gResourceManager->mCurrentSystemId;
    for (const Vec3& wormhole : wormholes) {
        if (!gPlayerShip || os::QuitPosted())
            break;
        gPlayerShip->mPosition = gPlayerShip->mDestination = wormhole;
        for (int frame = 0; frame < 5; ++frame)
            RunFrame();
        if (gResourceManager->mCurrentSystemId != system) {
            StopGame();
            return 5;
        }
    }
    return RunFramesThenStop(10);
}

int PlayTheNewPilotScreen()
{
    if (StartGame(gfx::Backend::kHeadless)) {
        StopGame();
        return 1;
    }
    gNewPilotScreen->SetPilotName("Spin Pilot");
    gCurrentScreen = gNewPilotScreen;
    RunFrame();
    if (!gGameDatabase.GetShip(gNewPilotScreen->CurrentShipId())) {
        StopGame();
        return 5;
    }
    return RunFramesThenStop(30);
}

int PlayCreate()
{
    if (StartGame(gfx::Backend::kHeadless)) {
        StopGame();
        return 1;
    }
    gNewPilotScreen->SetPilotName("New Pilot");
    gCurrentScreen = gNewPilotScreen;
    RunFrame();
    const auto click = [](const auto* control) {
        if (control) {
            gNewPilotScreen->OnMouseDown(0, control->x + 2, control->y + 2);
            gNewPilotScreen->OnMouseUp(0, control->x + 2, control->y + 2);
        }
    };
    for (int point = 0; point < CNewPilotScreen::kStartingPoints; ++point)
        click(gNewPilotScreen->GetMouseOverButton(CNewPilotScreen::kFirstSkillButton));
    click(gNewPilotScreen->GetButton(CNewPilotScreen::kCreateButton));
    return RunFramesThenStop(30);
}

int PlayTheStore()
{
    if (StartGame(gfx::Backend::kHeadless)) {
        StopGame();
        return 1;
    }
    ClickContinue();
    gCurrentScreen = gStoreScreen;
    return RunFramesThenStop(5);
}

int PlayTheMenuThenFly()
{
    GameOptions options;
    options.backend = gfx::Backend::kHeadless;
    options.maxFrames = 30;
    if (const int code = GameMain(options); code != 0)
        return code;
    if (StartGame(gfx::Backend::kHeadless)) {
        StopGame();
        return 1;
    }
    gFlightScreen->SetSystemBackdrop(1);
    gCurrentScreen = gFlightScreen;
    return RunFramesThenStop(30);
}

class DamagedContentTest : public ::testing::TestWithParam<Damage> {
protected:
    void SetUp() override
    {
        SaveANewPilot(folder);
        ASSERT_FALSE(HasFailure());
    }
    void TearDown() override
    {
        fs::permissions(folder.Path() / "config", fs::perms::owner_all, fs::perm_options::add);
        os::ClearMessages();
    }

    GameFolder folder;
    ScopedGlobal<audio::Backend> soundBackend{gSoundBackend};
};

TEST_P(DamagedContentTest, EndsWithAMessageOrRunsOnAndNeverTouchesTheSave)
{
    const Damage& damage = GetParam();
    damage.apply(folder);
    const std::string saved = Bytes(folder.SaveFile());
    ASSERT_FALSE(saved.empty());
    const std::string pilot = SavedPilot(folder);
    ASSERT_FALSE(pilot.empty());

    const ChildEnd end = RunInChild(
        [&damage] {
            ObeyFilePermissions();
            return damage.play();
        },
        (folder.Path() / "errors.txt").string(), std::chrono::seconds(30));

    ASSERT_FALSE(end.hung) << "the game hangs";
    ASSERT_EQ(end.signal, 0) << "the game crashes\n" << end.errors;
    if (damage.endsAsFailure) {
        EXPECT_NE(end.exitCode, 0) << end.errors;
        // A failure stops the game where it happens: nothing fails after the line that names it,
        // and it is told once.
        const std::string lastLine = end.errors.substr(end.errors.rfind('\n', end.errors.size() - 2) + 1);
        EXPECT_NE(lastLine.find(damage.named), std::string::npos) << "more failed after it:\n" << end.errors;
        EXPECT_EQ(end.errors.find(lastLine), end.errors.size() - lastLine.size()) << "told again:\n" << end.errors;
    } else {
        EXPECT_EQ(end.exitCode, 0) << end.errors;
    }
    if (*damage.named != '\0') {
        EXPECT_NE(end.errors.find(damage.named), std::string::npos) << "no message names it:\n" << end.errors;
    }
    if (damage.savedAgain) {
        EXPECT_EQ(SavedPilot(folder), pilot) << "the pilot was not saved again whole";
    } else {
        EXPECT_EQ(Bytes(folder.SaveFile()), saved) << "pe.dat changed";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDamage, DamagedContentTest, ::testing::ValuesIn(kDamages),
                         [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

}  // namespace
