// A new pilot in the first system with an emptied world, a flight view that records what the
// quests tell the player, and quests, steps and triggers of the test's own rows.
#pragma once

#include <string>
#include <vector>

#include "quests/quest.h"
#include "quests/quest_step.h"
#include "ships/player_fixture.h"
#include "ui/text_control.h"

class QuestTest : public PlayerShipTest {
protected:
    void SetUp() override
    {
        PlayerShipTest::SetUp();
        // The centre message is a control of the in-flight screen.
        flight.LoadTextControls();
        player->mPosition = Vec3(0.0f, 0.0f, 30.0f);
    }

    // A quest row with its alignment and, in order, steps of the given types in system 1 with
    // ids questId * 10 + 1, + 2, ...
    void AddQuest(int questId, const std::vector<const char*>& stepTypes, const std::string& stepColumns = "")
    {
        Content("INSERT INTO quest VALUES (" + std::to_string(questId) + ", 'Test Quest', 30, 200, 1, 10, 0, " +
                "'Well done.', 0); INSERT INTO quest_alignment VALUES (" + std::to_string(questId) + ", 'lawful');");
        for (size_t i = 0; i < stepTypes.size(); ++i)
            AddStep(questId * 10 + static_cast<int>(i) + 1, questId, static_cast<int>(i) + 1, stepTypes[i],
                    stepColumns);
    }
    // A step row; `columns` replaces the defaults of device, system, texts, point, compounds,
    // target and flag when given as "device, system, 'begin', 'done', x, y, 'class', amount, target,
    // 'flag'".
    void AddStep(int stepId, int questId, int sequence, const char* type, const std::string& columns = "")
    {
        const std::string values =
            columns.empty() ? "0, 1, 'Begin " + std::to_string(stepId) + "', 'Done " + std::to_string(stepId) +
                                  "', 0.0, 0.0, 'common', 0, 0, 'false'"
                            : columns;
        Content("INSERT INTO quest_step (quest_step_id, quest_id, quest_step_sequence, quest_step_type, device_id, "
                "system_id, begin_step_string, complete_step_string, x_pos, y_pos, compound_type, compound_amount, "
                "target_object_id, conversation) SELECT " +
                std::to_string(stepId) + ", " + std::to_string(questId) + ", " + std::to_string(sequence) + ", '" +
                type + "', " + values + ";");
    }
    std::string CenterMessage() const
    {
        const CTextControl* text = flight.GetTextControl(CFlightScreen::kCenterMessage);
        return text && text->visible ? text->text : "<hidden>";
    }
    void Carry(int deviceId) { ASSERT_TRUE(player->AddCarriedDevice(gGameDatabase.CreateDevice(deviceId))); }
    std::vector<int> CarriedIds() const
    {
        std::vector<int> ids;
        for (int slot = 0; slot < player->mCarriedCount; ++slot)
            ids.push_back(player->mCarried[slot]->mDeviceId);
        return ids;
    }
    // Finished, under way, or failed (gone from both maps).
    int StateOf(int questId) const
    {
        return player->mCompletedQuests.count(questId) ? kQuestComplete
               : player->mActiveQuests.count(questId)  ? kQuestRunning
                                                       : kQuestFailed;
    }
    // Runs the pilot's quest update until the quest leaves the active map or the tries run out.
    void UpdateUntilDone(int questId, int tries = 10)
    {
        for (int i = 0; i < tries && player->mActiveQuests.count(questId); ++i)
            player->UpdateQuests();
    }
};
