// The speakers' portraits, shared by the hail box and the screens that show who speaks.
#pragma once

// The portrait sprite of a speaker keyword; the probe's portrait for any keyword not listed.
int PortraitSprite(const char* keyword);
