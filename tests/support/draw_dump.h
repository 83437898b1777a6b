// The headless device's recorded draws as stable text, and its comparison with a dump stored
// under tests/, so a change to what a screen draws shows up as a diff reviewed like code.
#pragma once

#include <filesystem>
#include <string>

#include "platform/gfx/headless/headless_device.h"

// Every draw and copy the device recorded, one block each. Textures are named by the file they
// came from (through the resource manager's caches), surfaces by the game's targets; whatever
// has no name is numbered in order of appearance. No pointers and no times, so the text is the
// same run to run. Long vertex lists are cut to their first vertices and a hash of all of them.
std::string DumpDraws(const gfx::headless::HeadlessDevice& device);

// Empty when text equals the stored dump; else a readable account of where they first differ.
// With VARNOK_UPDATE_DUMPS=1 in the environment the dump is rewritten instead, and the answer
// says so (it starts "rewrote").
std::string CompareWithDump(const std::filesystem::path& dump, const std::string& text);
