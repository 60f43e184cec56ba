#include "PlayerKeys.h"

#include <QKeyEvent>

std::optional<PlayerKey> playerKeyOf(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Space:
            return PlayerKey::PlayPause;
        case Qt::Key_F:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return PlayerKey::ToggleFullScreen;
        case Qt::Key_Escape:
            return PlayerKey::LeaveFullScreen;
        case Qt::Key_M:
            return PlayerKey::ToggleMute;
        case Qt::Key_Left:
            return PlayerKey::SeekBack;
        case Qt::Key_Right:
            return PlayerKey::SeekForward;
        case Qt::Key_Up:
            return PlayerKey::VolumeUp;
        case Qt::Key_Down:
            return PlayerKey::VolumeDown;
        default:
            return std::nullopt;
    }
}
