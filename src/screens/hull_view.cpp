// The hull on show: its camera and its description lines.
#include "screens/hull_view.h"

#include "core/camera.h"
#include "db/game_database.h"
#include "screens/screen_return.h"

void PlaceHullViewCamera()
{
    gCamera.SetEye(0.0f, -3.0f, 0.0f);
    gCamera.SetTarget(3.0f, 15.0f, 0.0f);
    gCamera.SetUp(0.0f, 0.0f, -1.0f);
    gCamera.Apply();
}

void ShowShipDescription(CScreen& screen, int firstTextId, int lineCount, int shipId)
{
    RowList<ShipDescriptionRow> lines;
    gGameDatabase.GetShipDescription(lines, shipId);
    auto line = lines.begin();
    for (int i = 0; i < lineCount; ++i) {
        SetScreenText(screen, firstTextId + i, line != lines.end() ? (*line)->line : "");
        if (line != lines.end())
            ++line;
    }
}
