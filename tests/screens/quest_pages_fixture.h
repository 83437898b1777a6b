// Missions of the tests' own, added to the content the game has open, for the screens that show
// them: the mission log, the mission board and the galaxy map.
#pragma once

#include <string>
#include <vector>

#include "game_screens_fixture.h"
#include "quests/quest.h"
#include "quests/quest_step.h"
#include "ships/player_ship.h"
#include "ui/text_control.h"

struct StepRow {
    const char* type;
    int systemId;
};

class QuestPagesTest : public GameScreensTest {
protected:
    // A mission for the pilot's hull alignment, of levels 1 to 50 with description lines "Line 1".."Line n" and the steps,
    // whose texts are "Begin s" and "Done s" for sequence s.
    void AddQuest(int questId, int lines, const std::vector<StepRow>& steps, int prereq = 0, int credits = 77,
                  int experience = 33)
    {
        const std::string id = std::to_string(questId);
        Content("insert into quest (quest_id, quest_name, experience_reward, credit_reward, min_level, max_level, "
                "prereq_quest_id, complete_quest_string, target_mesh_id) values (" +
                id + ", 'Mission " + id + "', " + std::to_string(experience) + ", " + std::to_string(credits) +
                ", 1, 50, " + std::to_string(prereq) + ", 'Done.', 0);");
        Content("insert into quest_alignment (quest_id, alignment) values (" + id + ", '" + gPlayerShip->mAlignment +
                "');");
        for (int line = 1; line <= lines; ++line)
            Content("insert into quest_description (quest_description_id, quest_id, line_num, line) values (" +
                    std::to_string(questId * 100 + line) + ", " + id + ", " + std::to_string(line) + ", 'Line " +
                    std::to_string(line) + "');");
        for (size_t i = 0; i < steps.size(); ++i) {
            const std::string sequence = std::to_string(i + 1);
            Content("insert into quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, "
                    "system_id, begin_step_string, complete_step_string, x_pos, y_pos, mesh_id, compound_type, "
                    "compound_amount, target_object_id, display_alignment, conversation) values (" +
                    std::to_string(questId * 100 + static_cast<int>(i) + 1) + ", " + id + ", " + sequence + ", '" +
                    steps[i].type + "', 0, " + std::to_string(steps[i].systemId) + ", 'Begin " + sequence +
                    "', 'Done " + sequence + "', 0.0, 0.0, 0, 'common', 0, 0, 'probe', 'false');");
        }
    }
    // Closes the quests to everyone else: the shipped offers are for other levels from now on.
    void OnlyOwnQuests() { Content("update quest set min_level = 99 where quest_id < 1000;"); }

    static std::string Text(CScreen& screen, int id)
    {
        const CTextControl* text = screen.GetTextControl(id);
        return text ? text->text : "<no control " + std::to_string(id) + ">";
    }
    static bool Shown(CScreen& screen, int id)
    {
        const CTextControl* text = screen.GetTextControl(id);
        return text && text->visible;
    }
};
