// Keyword columns to numbers: each parser compares case-sensitively, in its table's order, first match wins.
#pragma once

#include <cstddef>
#include <cstdint>

// Null reads as the empty text, so it gets each parser's default.
bool ParseBool(const char* text);          // "true" only; anything else false
int32_t ParseFaction(const char* text);    // default union (0)
int32_t ParseAlignment(const char* text);  // default neutral (0)
int32_t ParseQuestTriggerType(const char* text);
int32_t ParseObjectType(const char* text);
int32_t ParseCompoundClass(const char* text);
int32_t ParseDamageType(const char* text);
int32_t ParseDeviceType(const char* text);  // default 6, an unknown device
int32_t ParseQuestStepType(const char* text);
int32_t ParseTaskType(const char* text);
int32_t ParseChargeType(const char* text);  // default shield (0)
int32_t ParseAilmentType(const char* text);
int32_t ParseSize(const char* text);  // default small (0)
int32_t ParseWeaponType(const char* text);

// The keyword of an alignment; any value outside 1..4 writes "neutral". Copies at most size - 1 characters.
void AlignmentToText(int32_t alignment, char* destination, size_t size);
const char* AlignmentKeyword(int32_t alignment);
