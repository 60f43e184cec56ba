#pragma once

#include <cstdint>

// The player's numbered codes, with the numbers the player has always used: they are stored in the
// settings database, passed between the windows and the controller, and shown in no other form.

// The screen window's play state (lngState).
enum class PlayState : std::int32_t { Playing = 1, Stopped = 2, Paused = 3, Starting = 4 };

// The engine rule (lngPlayRuler): which engine plays a file and whether the other may take over. Other
// numbers can reach the screen window; it then stops and keeps its engine.
enum class EngineRule : std::int32_t {
    PreferRealPlayer = 0,
    PreferMediaPlayer = 1,
    RealPlayerOnly = 2,
    MediaPlayerOnly = 3,
};
constexpr bool boolIsEngineRule(EngineRule rule) {
    return rule >= EngineRule::PreferRealPlayer && rule <= EngineRule::MediaPlayerOnly;
}

// The engine on show in the screen window (lngCurrentEngine).
enum class PlayerEngine : std::int32_t { RealPlayer = 1, MediaPlayer = 2 };

// The play rule (lngRecyclePlayType): what follows the end of an item.
enum class PlayRule : std::int32_t { RepeatOne = 1, ListLoop = 2, InOrder = 3 };

// The state codes the controller reports to the control panel (setFaceToAPlayState).
enum class FaceState : std::int32_t {
    Playing = 1,
    Paused = 2,
    Stopped = 3,
    SoundOn = 4,
    Muted = 5,
    FullScreen = 6,
    Windowed = 7,
};

// The screen window's context-menu commands (clickPopuMenu).
enum class MenuCommand : std::int32_t {
    ExitFullScreen = 1,
    FullScreenTo = 2,
    Play = 3,
    Pause = 4,
    Stop = 5,
    SoundOn = 6,
    Mute = 7,
    ShowMainFace = 8,
};

// What setPLItemStateByKey does to a play-list row.
enum class RowState : std::int32_t { Selected = 1, PlayItem = 2 };

// The play button's two faces (setPlayButtonState): it offers pause while playing, play otherwise.
enum class PlayButtonState : std::int32_t { OffersPause = 1, OffersPlay = 2 };

// The control panel's recorded window state (lngLastWindowState).
enum class FaceWindowState : std::int32_t { Normal = 0, Minimised = 1, Maximised = 2 };

// Which way the play item steps (playNextPreviousPlayItem) and a list item moves (moveAItemUpDown).
enum class StepDirection : std::int32_t { Next = 1, Previous = 2 };
enum class MoveDirection : std::int32_t { Up = 1, Down = 2 };

// What stepping through the play list found (objGetNextPalyItem and objGetPreviousPalyItem).
enum class StepState : std::int32_t { Chosen = 0, AtLast = 1, Empty = 2, AtFirst = 3 };

// The keyboard's commands on the screen window and the control panel, each the same operation as the button
// or menu entry it mirrors.
enum class PlayerKey : std::int32_t {
    PlayPause,
    ToggleFullScreen,
    LeaveFullScreen,
    ToggleMute,
    SeekBack,
    SeekForward,
    VolumeUp,
    VolumeDown,
};

// Defaults that the run configuration, the screen window and the control panel share.
inline constexpr std::int16_t kDefaultVolume = 30;
inline constexpr EngineRule kDefaultEngineRule = EngineRule::RealPlayerOnly;
inline constexpr PlayRule kDefaultPlayRule = PlayRule::InOrder;

// The number behind a code, for storing and for the controls that carry numbers.
template <typename Code>
constexpr std::int32_t codeValue(Code code) {
    return static_cast<std::int32_t>(code);
}
