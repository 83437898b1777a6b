// The screen base's default operations.
#include "ui/screen.h"

void CScreen::OnDrop(int, int)
{
}
