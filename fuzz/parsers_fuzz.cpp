// Fuzz harness: the text-to-number conversions of database columns (integers, reals, colours,
// flags, texts) and every keyword parser, on rows cut from any bytes.
#include "db/parsers.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "db/column_reader.h"

namespace {
constexpr int kConversions = 7;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Newlines end columns; a column of one byte 0xFF stands for NULL.
    std::vector<std::string> texts(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            texts.emplace_back();
        else
            texts.back() += static_cast<char>(data[i]);
    }
    std::vector<char*> values;
    for (std::string& text : texts)
        values.push_back(text == "\xFF" ? nullptr : text.data());
    // Each conversion reads every column once.
    for (int conversion = 0; conversion < kConversions; ++conversion) {
        CColumnReader reader(values.data());
        char copy[52];
        for (size_t column = 0; column < values.size(); ++column) {
            switch (conversion) {
            case 0:
                reader.Int();
                break;
            case 1:
                reader.Real();
                break;
            case 2:
                reader.Bool();
                break;
            case 3:
                reader.Color();
                break;
            case 4:
                reader.FirstChar();
                break;
            case 5:
                reader.Text(copy);
                break;
            default:
                reader.Raw();
                break;
            }
        }
    }
    char alignment[8];
    for (const std::string& text : texts) {
        const char* t = text.c_str();
        ParseBool(t);
        ParseFaction(t);
        AlignmentToText(ParseAlignment(t), alignment, sizeof alignment);
        ParseQuestTriggerType(t);
        ParseObjectType(t);
        ParseCompoundClass(t);
        ParseDamageType(t);
        ParseDeviceType(t);
        ParseQuestStepType(t);
        ParseTaskType(t);
        ParseChargeType(t);
        ParseAilmentType(t);
        ParseSize(t);
        ParseWeaponType(t);
    }
    return 0;
}
