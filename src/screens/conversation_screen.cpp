// The conversation screen: the camera on the speaker, the portrait and the pages of lines.
#include "screens/conversation_screen.h"

#include <algorithm>

#include "core/camera.h"
#include "core/graphics_globals.h"
#include "core/keys.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "screens/flight_screen.h"
#include "screens/hail_box.h"
#include "ships/player_ship.h"
#include "ui/cursor.h"
#include "ui/movie_control.h"
#include "ui/text_control.h"
#include "world/world_object.h"

namespace {

constexpr int kBackdropWidth = 800;
constexpr int kBackgroundSound = 500;
constexpr int kOpenSound = 9;
constexpr int kLineX = 145;
// A page is centred on this y, one line every kLineStep.
constexpr int kPageCentreY = 530;
constexpr int kLineStep = 15;
constexpr int kMiddleButton = 2;
// The camera stands off the speaker's nose by this many sizes, a little above the plane.
constexpr float kCameraDistance = 2.5f;
constexpr float kCameraLift = 10.0f;

// The full-screen image behind a conversation in a system of each faction.
int FactionBackdrop(int faction, int current)
{
    constexpr int kBackdrops[] = {1, 38, 40, 42, 44};
    return faction >= 0 && faction < 5 ? kBackdrops[faction] : current;
}

CWorldObject* FindSpeaker(int objectId)
{
    return objectId != 0 ? gResourceManager->FindObject(objectId) : nullptr;
}

}  // namespace

CConversationScreen::CConversationScreen()
{
    mScreenId = kScreenId;
}

void CConversationScreen::SetUpCamera(CWorldObject* speaker)
{
    if (!mEntered)
        Enter();
    if (!speaker)
        return;
    mSpeakerId = speaker->mId;
    const Vec3& at = speaker->mPosition;
    const Vec3 heading = RotateVec3Z(Vec3(0.0f, 1.0f, 0.0f), speaker->mRotation.z);
    const Vec3 eye = Vec3::Sum(at, Vec3::Scaled(heading, speaker->mSize * kCameraDistance));
    gCamera.SetTarget(at.x, at.y, at.z);
    gCamera.MoveTo(eye.x, eye.y, eye.z - kCameraLift);
    gCamera.SetUp(0.0f, 0.0f, -1.0f);
    gCamera.Update();
    gCamera.Apply();
}

void CConversationScreen::Start(int questStepId, const char* keyword)
{
    if (!mEntered)
        Enter();
    mQuestStepId = questStepId;
    mFeed = 1;
    // The speaker of an earlier conversation may be gone; this one's is looked up anew.
    const QuestStepRecord* step = gGameDatabase.GetQuestStep(questStepId);
    mSpeakerId = step && FindSpeaker(step->target_object_id) ? step->target_object_id : 0;
    mLastFeed = gGameDatabase.GetMaxConversationFeed(questStepId);
    if (CMovieControl* portrait = GetMovieControl(kPortrait)) {
        portrait->spriteId = PortraitSprite(keyword);
        portrait->frameRecord.spriteId = portrait->spriteId;
    }
    gResourceManager->PlaySound(kBackgroundSound);
    ShowFeed();
    if (gPlayerShip) {
        gSoundRequest = SoundRequest{kOpenSound, &gPlayerShip->mPosition};
        gResourceManager->PlaySoundAt(gSoundRequest);
    }
    mBackdropSpriteId = FactionBackdrop(gResourceManager->mSystemType, mBackdropSpriteId);
}

void CConversationScreen::Open()
{
    gCursor.Show(true);
    gCurrentScreen = this;
}

bool CConversationScreen::IsOpen() const
{
    return gCurrentScreen == this;
}

void CConversationScreen::ShowFeed()
{
    mLines.clear();
    RowList<ConversationLineRow> rows;
    for (const ConversationLineRow* row : gGameDatabase.GetConversation(rows, mQuestStepId, mFeed))
        mLines.emplace_back(row->line);
    mLineCount = std::min(static_cast<int>(mLines.size()), kPageLineLimit);
    const int firstY = kPageCentreY - (mLineCount / 2) * kLineStep;
    for (int id = kFirstLine; id <= kLastLine; ++id) {
        CTextControl* text = GetTextControl(id);
        if (!text)
            continue;
        const int i = id - kFirstLine;
        if (i < mLineCount) {
            text->RevealTextAt(kLineX, firstY + kLineStep * i, mLines[i].c_str());
            text->visible = 1;
        } else {
            text->visible = 0;
        }
    }
    ShowCaptions(true);
}

void CConversationScreen::ShowCaptions(bool shown)
{
    for (int id : {kFirstCaption, kSecondCaption}) {
        if (CTextControl* text = GetTextControl(id))
            text->visible = shown ? 1 : 0;
    }
}

void CConversationScreen::Enter()
{
    DeleteControls();
    LoadButtons();
    LoadTextControls();
    LoadSpriteControls();
    LoadMovieControls();
    LoadObjectControls();
    mFeed = 1;
    mBackdropSpriteId = ScreenSpriteId();
    mEntered = 1;
}

int CConversationScreen::Frame()
{
    if (!mEntered)
        Enter();
    gCamera.Update();
    // Without its speaker the camera keeps looking where it looked.
    if (CWorldObject* speaker = FindSpeaker(mSpeakerId))
        gCamera.SetTarget(speaker->mPosition.x, speaker->mPosition.y, speaker->mPosition.z);
    gCamera.SetUp(0.0f, 0.0f, -1.0f);
    gCamera.Apply();
    gResourceManager->DrawScreenSprite(mBackdropSpriteId, kBackdropWidth);
    DrawObjectControls();
    gResourceManager->AnimateObjects();
    if (gShadersSupported && gGlowEnabled)
        gResourceManager->DrawGlowPass();
    DrawControls();
    return 0;
}

void CConversationScreen::End()
{
    if (gFlightScreen) {
        gFlightScreen->ReleaseMouseButtons();
        gFlightScreen->SetEntered(false);
    }
    const Vec3 ship = gPlayerShip ? gPlayerShip->mPosition : Vec3();
    gCamera.SetEye(ship.x, ship.y, gCameraHeight);
    gCamera.SetZoom(gCameraHeight);
    gCurrentScreen = gFlightScreen;
    mEntered = 0;
}

void CConversationScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
}

void CConversationScreen::OnMouseUp(int button, int x, int y)
{
    OnMouseUpControls(x, y);
    if (button == kMiddleButton)
        End();
}

void CConversationScreen::OnMouseMove(int, int)
{
}

void CConversationScreen::OnKeyDown(int key)
{
    if (key == kKeySpace) {
        if (++mFeed <= mLastFeed) {
            ShowFeed();
            return;
        }
    } else if (key != kKeyEscape) {
        return;
    }
    ShowCaptions(false);
    End();
}
