// CTextEntry: the line typed on the network and lobby screens, shown with the cursor mark "_"
// after the typed characters.
#pragma once

#include <string>

class CTextEntry {
public:
    static constexpr int kLimit = 47;

    // Backspace and Delete take the last character back; Return hands the typed line to
    // committed and starts a new one (true); any other key types its character while there is room.
    bool OnKey(int key, std::string& committed);
    // The typed characters with the cursor mark.
    std::string Shown() const { return mTyped + '_'; }
    const std::string& Typed() const { return mTyped; }
    void Clear() { mTyped.clear(); }

private:
    std::string mTyped;
};
