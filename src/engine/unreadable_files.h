// One line on stderr for each game file that cannot be used, once per file for the whole run:
// the game runs on without it, and a player or content author learns which file to fix.
#pragma once

#include <string>

// Prints "varnok: cannot use <file> (<why>)" the first time that file fails; later failures of
// the same file print nothing. gamePath is the path as the content names it ("raster\\x.png").
void ReportUnreadableFile(const std::string& gamePath, const std::string& why);
