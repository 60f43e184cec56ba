#pragma once

#include <optional>

#include "model/PlayerCodes.h"

class QKeyEvent;

// The player's keys, the same on the screen window and the control panel: Space plays or pauses, F or Enter
// toggles full screen, Esc leaves it, M toggles the sound, Left and Right seek, Up and Down change the
// volume. With Ctrl, Alt or Meta held a key is none of these. A window sees a key only when its focused
// control has no use for it (the list's arrows, a text box's letters).
std::optional<PlayerKey> playerKeyOf(const QKeyEvent& event);
