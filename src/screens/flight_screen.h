// The in-flight screen: the screen of play, which steers the ship from the held keys, runs the
// world pass, draws the heads-up display, the message log, the hail box and the options panel,
// and changes system with its backdrop.
#pragma once

#include <string>
#include <vector>

#include "core/draw_records.h"
#include "ui/flight_view.h"
#include "ui/screen.h"

class CWorldObject;

class CFlightScreen : public CScreen, public CFlightView {
public:
    static constexpr int kScreenId = 6;
    // Controls of the screen's rows.
    static constexpr int kDeathNotice = 20;
    static constexpr int kTargetView = 90;
    static constexpr int kWeaponLabel = 300;
    static constexpr int kTargetName = 302;
    static constexpr int kCenterMessage = 303;
    static constexpr int kTargetPanel = 310;
    static constexpr int kTargetMeter = 311;
    static constexpr int kVelocityText = 312;
    static constexpr int kXText = 313;
    static constexpr int kYText = 314;
    static constexpr int kFramesText = 315;
    static constexpr int kShieldMeter = 317;
    static constexpr int kArmorMeter = 318;
    static constexpr int kHullMeter = 319;
    static constexpr int kEnergyMeter = 320;
    static constexpr int kFuelMeter = 321;
    static constexpr int kCargoMeter = 322;
    static constexpr int kFirstLogText = 324;
    static constexpr int kHailBox = 330;
    static constexpr int kTargetFrame = 331;
    static constexpr int kFirstHailText = 332;
    static constexpr int kSystemName = 349;
    static constexpr int kGalaxyMapButton = 344;
    static constexpr int kInfoButton = 345;
    static constexpr int kOptionsButton = 346;
    static constexpr int kShipAndCrewButton = 347;
    static constexpr int kQuestLogButton = 348;
    static constexpr int kOptionsPanel = 1150;
    static constexpr int kQuitButton = 1151;
    static constexpr int kMainMenuButton = 1152;
    static constexpr int kBrightnessSlider = 1153;
    static constexpr int kVolumeSlider = 1154;
    static constexpr int kSoundBox = 1155;
    static constexpr int kWireFrameBox = 1156;
    static constexpr int kFrameCounterBox = 1157;
    static constexpr int kCoordinatesBox = 1158;
    static constexpr int kVelocityBox = 1159;
    static constexpr int kCloseOptionsButton = 1160;
    static constexpr int kRespawnButton = 1161;
    static constexpr int kGlowBox = 1162;
    static constexpr int kAutoBrakeBox = 1163;
    static constexpr int kHailPortrait = 1450;
    static constexpr int kHailPortraitFrame = 1451;
    static constexpr int kHailLineLimit = 12;

    CFlightScreen();

    void Enter() override;
    int Frame() override;
    void OnMouseUp(int button, int x, int y) override;
    void OnMouseDown(int button, int x, int y) override;
    void OnMouseMove(int x, int y) override;
    void OnKeyDown(int key) override;

    // A steering key was released, whichever screen is current.
    void OnKeyUp(int key) override;
    // Camera height steps of 20, between -20 and -100; only while this screen is current.
    void ZoomIn() override;
    void ZoomOut() override;

    // Enters the system and sets the backdrop and glow textures of its faction and the scales.
    void SetSystemBackdrop(int systemId) override;
    void SetSystemExtents(const Vec3& boundary, const Vec3& outer) override;
    // Makes the object the ship's target and shows it in the target panel; null clears it.
    void SetTarget(CWorldObject* object) override;

    // The message log, the centre message and the hail box.
    void PostMessage(const std::string& text) override;
    void ShowCenterMessage(const char* text) override;
    void ClearCenterMessage() override;
    void Hail(const char* const* lines, int lineCount, const char* keyword) override;
    void CloseHail() override;
    bool IsHailOpen() const override { return mHailOpen != 0; }
    int HailLineCount() const { return mHailLineCount; }

    // The settings, held by the options panel's controls.
    int GetBrightness() const;
    void SetBrightness(int value);
    int GetVolume() const;
    void SetVolume(int value);
    bool IsSoundOn() const;
    void SetSoundOn(bool on);
    bool IsWireframeOn() const;
    void SetWireframe(bool on);
    bool AreCoordinatesShown() const;
    void ShowCoordinates(bool shown);
    bool IsFrameCounterShown() const;
    void ShowFrameCounter(bool shown);
    bool IsVelocityShown() const;
    void ShowVelocity(bool shown);
    bool IsGlowOn() const;
    void SetGlow(bool on);
    bool IsAutoBrakeOn() const;
    void SetAutoBrake(bool on);
    bool IsOptionsPanelShown() const;

    const MeshDrawRecord& BackdropPlane() const { return mBackdropPlane; }
    const MeshDrawRecord& GlowPlane() const { return mGlowPlane; }
    const MeshDrawRecord& BoundaryPlane() const { return mBoundaryPlane; }
    const Vec3& SystemExtent() const { return mSystemExtent; }
    int GlowValue() const { return static_cast<int>(mGlowValue); }

    bool ThrustKey() const { return mThrustKey != 0; }
    bool BrakeKey() const { return mBrakeKey != 0; }
    bool TurnRightKey() const { return mTurnRightKey != 0; }
    bool TurnLeftKey() const { return mTurnLeftKey != 0; }
    bool FireHeld() const { return mFireHeld != 0; }
    bool RightButtonHeld() const { return mRightButtonHeld != 0; }
    // Forgets the held mouse buttons, whose releases went to another screen.
    void ReleaseMouseButtons() { mFireHeld = mRightButtonHeld = 0; }

protected:
    void PulseGlow();
    void ShowDeathPanel();
    void PlaceCamera();
    void DrawPlanes();
    void UpdateHud();
    void UpdateMeters();
    void UpdateTexts();
    void ShowWeaponLabel();
    void ShowSelectedWeaponName();
    void ShowMessageLog();
    void ScrollHail();
    void PlaceTargetView();
    void ShowTarget(CWorldObject* object, bool spin);
    void ClearTargetPanel();
    void TargetNearestEnemy();
    void OpenScreen(CScreen* screen);
    void Respawn();
    // Opens or closes the options panel; Esc also shows the centre message when it closes.
    void ToggleOptionsPanel(bool byEscape);
    void ShowOptionControls(bool shown);
    void OnOptionPressed(int control);
    void SaveSettings() const;
    void LoadSettings();

    // The planes behind the flight plane; the records point at the fields below.
    MeshDrawRecord mBackdropPlane;
    MeshDrawRecord mGlowPlane;
    MeshDrawRecord mBoundaryPlane;
    Vec3 mBoundaryScale;
    // The system's size with the room beyond its boundary.
    Vec3 mSystemExtent;
    // Set when the death panel appears; a release on quit is ignored until the next press.
    unsigned char mClickGuard = 0;
    unsigned char mThrustKey = 0;
    unsigned char mBrakeKey = 0;
    unsigned char mTurnRightKey = 0;
    unsigned char mTurnLeftKey = 0;
    // Grown in a float so that small frame steps still move it; drawn as a whole number.
    float mGlowValue = 150.0f;
    int mGlowAlpha = 150;
    unsigned char mGlowRising = 1;
    Vec3 mGlowPlanePosition{0.0f, 20.0f, 48.0f};
    Vec3 mBackdropPosition{0.0f, 0.0f, 50.0f};
    Vec3 mBackdropRotation;
    Vec3 mBackdropScale{1550.0f, 1550.0f, 50.0f};
    int mBackdropAlpha = 255;
    uint8_t mMeshFlags = 0;
    uint32_t mBackdropColour = 0xFFFFFFFFu;
    unsigned char mFireHeld = 0;
    unsigned char mRightButtonHeld = 0;
    unsigned char mHailOpen = 0;
    int mHailLineCount = 0;
    int mHailLinesShown = 0;
    int mHailScrollMs = 0;
    std::vector<std::string> mHailLines;
};

extern CFlightScreen* gFlightScreen;
// The flight camera's eye z, kept across screens.
extern float gCameraHeight;
