// The typed line of the network and lobby screens.
#include "net/text_entry.h"

#include "core/keys.h"
#include "ui/keyboard.h"

bool CTextEntry::OnKey(int key, std::string& committed)
{
    if (key == kKeyBackspace || key == kKeyDelete) {
        if (!mTyped.empty())
            mTyped.pop_back();
        return false;
    }
    if (key == kKeyReturn) {
        committed = mTyped;
        mTyped.clear();
        return true;
    }
    const char typed = gKeyboard.TranslateKey(key);
    if (typed != '\0' && static_cast<int>(mTyped.size()) < kLimit)
        mTyped += typed;
    return false;
}
