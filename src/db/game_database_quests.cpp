// Quest, step, conversation and trigger queries (content database).
#include "db/game_database.h"

#include "db/parsers.h"
#include "db/query_shapes.h"

namespace {

void FillQuest(QuestRecord& r, CColumnReader& in)
{
    r.quest_id = in.Int();
    in.Text(r.quest_name);
    r.experience_reward = in.Int();
    r.credit_reward = in.Int();
    r.min_level = in.Int();
    r.max_level = in.Int();
    r.prereq_quest_id = in.Int();
    in.Text(r.alignment);
    in.Text(r.complete_quest_string);
    r.target_mesh_id = in.Int();
}

void FillQuestLine(QuestLineRow& r, CColumnReader& in)
{
    r.quest_description_id = in.Int();
    r.quest_id = in.Int();
    r.line_num = in.Int();
    in.Text(r.line);
}

void FillQuestStepId(QuestStepIdRow& r, CColumnReader& in)
{
    r.quest_step_id = in.Int();
    r.quest_id = in.Int();
}

void FillQuestStep(QuestStepRecord& r, CColumnReader& in)
{
    r.quest_step_id = in.Int();
    r.quest_id = in.Int();
    r.device_id = in.Int();
    r.system_id = in.Int();
    r.quest_step_sequence = in.Int();
    in.Text(r.begin_step_string);
    in.Text(r.complete_step_string);
    r.quest_step_type = ParseQuestStepType(in.Raw());
    r.x_pos = in.Real();
    r.y_pos = in.Real();
    r.mesh_id = in.Int();
    r.compound_type = ParseCompoundClass(in.Raw());
    r.compound_amount = in.Int();
    r.target_object_id = in.Int();
    in.Text(r.display_alignment);
    r.conversation = in.Bool();
}

void FillDisabledWormhole(DisabledWormholeRow& r, CColumnReader& in)
{
    r.quest_step_id = in.Int();
    r.wormhole_object_id = in.Int();
}

void FillConversationLine(ConversationLineRow& r, CColumnReader& in)
{
    r.quest_step_conversation_id = in.Int();
    r.quest_step_id = in.Int();
    r.line_num = in.Int();
    r.feed = in.Int();
    in.Text(r.line);
}

void FillQuestOffer(QuestOfferRow& r, CColumnReader& in)
{
    r.quest_id = in.Int();
    r.prereq_quest_id = in.Int();
}

void FillSystemId(int32_t& r, CColumnReader& in)
{
    r = in.Int();
}

void FillQuestTriggerId(QuestTriggerIdRow& r, CColumnReader& in)
{
    r.quest_trigger_id = in.Int();
    r.system_id = in.Int();
    r.prereq_quest_id = in.Int();
}

void FillQuestTrigger(QuestTriggerRecord& r, CColumnReader& in)
{
    r.quest_trigger_id = in.Int();
    r.quest_id = in.Int();
    r.system_id = in.Int();
    r.quest_trigger_type = ParseQuestTriggerType(in.Raw());
    r.x_pos = in.Real();
    r.y_pos = in.Real();
    r.distance = in.Real();
    r.device_id = in.Int();
    r.object_id = in.Int();
    r.prereq_quest_id = in.Int();
    r.remove_quest_id = in.Int();
}

void FillStateTriggerId(StateTriggerIdRow& r, CColumnReader& in)
{
    r.state_trigger_id = in.Int();
    r.system_id = in.Int();
}

void FillStateTrigger(StateTriggerRecord& r, CColumnReader& in)
{
    r.state_trigger_id = in.Int();
    r.quest_id = in.Int();
    r.quest_step_id = in.Int();
    r.system_id = in.Int();
    r.new_system_id = in.Int();
}

}  // namespace

QuestRecord* CGameDatabase::GetQuest(int32_t questId)
{
    return RunRecord<QuestRecord, 10, FillQuest>(
        mContent,
        FormatSql("select q.quest_id, q.quest_name, q.experience_reward,  q.credit_reward, q.min_level, "
                  "q.max_level,  q.prereq_quest_id, a.alignment,  q.complete_quest_string, q.target_mesh_id  "
                  "from quest q, quest_alignment a  where q.quest_id = a.quest_id  and q.quest_id = %d",
                  questId),
        mQuest);
}

RowList<QuestLineRow>& CGameDatabase::GetQuestDescription(RowList<QuestLineRow>& out, int32_t questId)
{
    return RunList<QuestLineRow, 4, FillQuestLine>(
        mContent,
        FormatSql("select quest_description_id,  quest_id, line_num, line  from quest_description  "
                  "where quest_id = %d  order by line_num",
                  questId),
        mQuestDescription, out);
}

RowList<QuestStepIdRow>& CGameDatabase::GetQuestStepIds(RowList<QuestStepIdRow>& out, int32_t questId)
{
    return RunList<QuestStepIdRow, 2, FillQuestStepId>(
        mContent,
        FormatSql("select quest_step_id, quest_id  from quest_step  where quest_id = %d  "
                  "order by quest_step_sequence",
                  questId),
        mQuestStepIds, out);
}

QuestStepRecord* CGameDatabase::GetQuestStep(int32_t questStepId)
{
    return RunRecord<QuestStepRecord, 16, FillQuestStep>(
        mContent,
        FormatSql("select quest_step_id, quest_id, device_id,  system_id, quest_step_sequence, "
                  "begin_step_string,  complete_step_string, quest_step_type, x_pos, y_pos, mesh_id, "
                  "compound_type, compound_amount, target_object_id,  display_alignment, conversation  "
                  "from quest_step  where quest_step_id = %d",
                  questStepId),
        mQuestStep);
}

RowList<DisabledWormholeRow>& CGameDatabase::GetDisabledWormholes(RowList<DisabledWormholeRow>& out,
                                                                  int32_t questStepId)
{
    return RunList<DisabledWormholeRow, 2, FillDisabledWormhole>(
        mContent,
        FormatSql("select quest_step_id, wormhole_object_id  from quest_step_disabled  where quest_step_id = %d",
                  questStepId),
        mDisabledWormholes, out);
}

RowList<ConversationLineRow>& CGameDatabase::GetConversation(RowList<ConversationLineRow>& out, int32_t questStepId,
                                                             int32_t feed)
{
    return RunList<ConversationLineRow, 5, FillConversationLine>(
        mContent,
        FormatSql("select quest_step_conversation_id,  quest_step_id, line_num, feed, line  "
                  "from quest_step_conversation  where quest_step_id = %d  and feed = %d  order by line_num",
                  questStepId, feed),
        mConversation, out);
}

RowList<ConversationLineRow>& CGameDatabase::GetConversationFeeds(RowList<ConversationLineRow>& out,
                                                                  int32_t questStepId)
{
    return RunList<ConversationLineRow, 5, FillConversationLine>(
        mContent,
        FormatSql("select quest_step_conversation_id,  quest_step_id, line_num, feed, line  "
                  "from quest_step_conversation  where quest_step_id = %d  and feed > 0  "
                  "order by feed, line_num",
                  questStepId),
        mConversationFeeds, out);
}

int32_t CGameDatabase::GetMaxConversationFeed(int32_t questStepId)
{
    return RunScalar(
        mContent, FormatSql("select max(feed)  from quest_step_conversation  where quest_step_id = %d ", questStepId),
        mMaxConversationFeed, 0);
}

RowList<QuestOfferRow>& CGameDatabase::GetOfferedQuests(RowList<QuestOfferRow>& out, int32_t level,
                                                        const char* alignment)
{
    return RunList<QuestOfferRow, 2, FillQuestOffer>(
        mContent,
        FormatSql("select q.quest_id, q.prereq_quest_id  from quest q, quest_alignment a  where q.min_level <= %d  "
                  "and q.max_level >= %d  and q.quest_id = a.quest_id  and a.alignment = '%q'",
                  level, level, alignment),
        mOfferedQuests, out);
}

int32_t CGameDatabase::GetPreviousQuestId(int32_t questId)
{
    return RunScalar(mContent, FormatSql("select quest_id  from quest_ties  where next_quest_id = %d", questId),
                     mPreviousQuestId, 0);
}

int32_t CGameDatabase::GetNextQuestId(int32_t questId)
{
    return RunScalar(mContent, FormatSql("select next_quest_id  from quest_ties  where quest_id = %d", questId),
                     mNextQuestId, 0);
}

std::list<int32_t>& CGameDatabase::GetQuestSystems(std::list<int32_t>& out, const char* alignment,
                                                   const std::vector<int32_t>& questIds)
{
    std::string quests = IdList(questIds);
    RowList<int32_t> rows;
    RunList<int32_t, 1, FillSystemId>(
        mContent,
        FormatSql("select system_id from quest_step s, quest_alignment a where s.quest_id = a.quest_id "
                  "and a.alignment = '%q' and s.quest_id in (  select quest_id from quest "
                  "where prereq_quest_id in( %s ) ) and s.quest_id not in ( %s ) and s.quest_id not in "
                  "( select quest_id from quest_trigger where remove_quest_id in ( %s ) ) and system_id not in "
                  "( select system_id from state_trigger where quest_id in ( %s ) ) and quest_step_sequence = 1;",
                  alignment, quests.c_str(), quests.c_str(), quests.c_str(), quests.c_str()),
        mQuestSystems, rows);
    out.clear();
    for (const int32_t* systemId : rows)
        out.push_back(*systemId);
    return out;
}

RowList<QuestTriggerIdRow>& CGameDatabase::GetQuestTriggerIds(RowList<QuestTriggerIdRow>& out, int32_t systemId,
                                                              const char* alignment)
{
    return RunList<QuestTriggerIdRow, 3, FillQuestTriggerId>(
        mContent,
        FormatSql("select qt.quest_trigger_id, qt.system_id, qt.prereq_quest_id from quest_trigger qt, quest q, "
                  "quest_alignment a where qt.system_id = %d and q.quest_id = qt.quest_id "
                  "and a.quest_id = q.quest_id and a.alignment = '%q'",
                  systemId, alignment),
        mQuestTriggerIds, out);
}

RowList<QuestTriggerIdRow>& CGameDatabase::GetTriggersOfQuest(RowList<QuestTriggerIdRow>& out, int32_t questId)
{
    return RunList<QuestTriggerIdRow, 3, FillQuestTriggerId>(
        mContent,
        FormatSql("select quest_trigger_id, system_id, prereq_quest_id from quest_trigger where quest_id = %d",
                  questId),
        mTriggersOfQuest, out);
}

QuestTriggerRecord* CGameDatabase::GetQuestTrigger(int32_t questTriggerId)
{
    return RunRecord<QuestTriggerRecord, 11, FillQuestTrigger>(
        mContent,
        FormatSql("select quest_trigger_id, quest_id, system_id, quest_trigger_type, x_pos, y_pos, "
                  "distance,device_id,object_id,prereq_quest_id, remove_quest_id from quest_trigger "
                  "where quest_trigger_id = %d",
                  questTriggerId),
        mQuestTrigger);
}

RowList<StateTriggerIdRow>& CGameDatabase::GetStateTriggerIds(RowList<StateTriggerIdRow>& out, int32_t systemId)
{
    return RunList<StateTriggerIdRow, 2, FillStateTriggerId>(
        mContent, FormatSql("select state_trigger_id, system_id from state_trigger where system_id = %d", systemId),
        mStateTriggerIds, out);
}

StateTriggerRecord* CGameDatabase::GetStateTrigger(int32_t stateTriggerId)
{
    return RunRecord<StateTriggerRecord, 5, FillStateTrigger>(
        mContent,
        FormatSql("select state_trigger_id, quest_id, quest_step_id, system_id, new_system_id from state_trigger "
                  "where state_trigger_id = %d",
                  stateTriggerId),
        mStateTrigger);
}
