// Rows and records of quests, their steps, conversations and triggers.
#pragma once

#include <cstdint>

struct QuestRecord {
    int32_t quest_id;
    char quest_name[52];
    int32_t experience_reward;
    int32_t credit_reward;
    int32_t min_level;
    int32_t max_level;
    int32_t prereq_quest_id;
    char alignment[50];
    char complete_quest_string[102];
    int32_t target_mesh_id;
};

struct QuestLineRow {
    int32_t quest_description_id;
    int32_t quest_id;
    int32_t line_num;
    char line[100];
};

struct QuestStepIdRow {
    int32_t quest_step_id;
    int32_t quest_id;
};

struct QuestStepRecord {
    int32_t quest_step_id;
    int32_t quest_id;
    int32_t device_id;
    int32_t system_id;
    int32_t quest_step_sequence;
    char begin_step_string[200];
    char complete_step_string[200];
    int32_t quest_step_type;  // QuestStepType
    float x_pos;
    float y_pos;
    int32_t mesh_id;
    int32_t compound_type;  // CompoundClass
    int32_t compound_amount;
    int32_t target_object_id;
    char display_alignment[50];
    bool conversation;
};

struct DisabledWormholeRow {
    int32_t quest_step_id;
    int32_t wormhole_object_id;
};

struct ConversationLineRow {
    int32_t quest_step_conversation_id;
    int32_t quest_step_id;
    int32_t line_num;
    int32_t feed;
    char line[100];
};

struct QuestOfferRow {
    int32_t quest_id;
    int32_t prereq_quest_id;
};

struct QuestTriggerIdRow {
    int32_t quest_trigger_id;
    int32_t system_id;
    int32_t prereq_quest_id;
};

struct QuestTriggerRecord {
    int32_t quest_trigger_id;
    int32_t quest_id;
    int32_t system_id;
    int32_t quest_trigger_type;  // QuestTriggerType
    float x_pos;
    float y_pos;
    float distance;
    int32_t device_id;
    int32_t object_id;
    int32_t prereq_quest_id;
    int32_t remove_quest_id;
};

struct StateTriggerIdRow {
    int32_t state_trigger_id;
    int32_t system_id;
};

struct StateTriggerRecord {
    int32_t state_trigger_id;
    int32_t quest_id;
    int32_t quest_step_id;
    int32_t system_id;
    int32_t new_system_id;
};
