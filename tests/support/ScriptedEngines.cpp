#include "ScriptedEngines.h"

#include <QTimer>

namespace {
// Runs a step later from the event loop unless the engine was stopped or given a new clip meanwhile.
void schedule(QObject* owner, const int& generation, int ms, std::function<void()> step) {
    const int expected = generation;
    QTimer::singleShot(ms, owner, [&generation, expected, step = std::move(step)] {
        if (generation == expected) step();
    });
}
}  // namespace

void ScriptedRealPlayer::later(int ms, std::function<void()> step) {
    schedule(this, m_generation, ms, std::move(step));
}

void ScriptedRealPlayer::reportStopped() {
    m_loaded = false;
    m_paused = false;
    ++m_generation;
    QTimer::singleShot(0, this, [this] { emit stateChanged(kStatePlaying, kStateStopped); });
}

void ScriptedRealPlayer::setSource(const QString& path) {
    calls << QStringLiteral("setSource:") + path;
    if (m_loaded) reportStopped();
}

void ScriptedRealPlayer::play() {
    calls << QStringLiteral("play");
    if (m_paused) {
        m_paused = false;
        later(1, [this] { emit stateChanged(kStateStopped, kStatePlaying); });
        return;
    }
    later(script.afterMs, [this] {
        switch (script.outcome) {
            case EngineScript::Outcome::Plays:
                m_loaded = true;
                emit stateChanged(kStateStopped, kStatePlaying);
                if (script.endAfterMs >= 0) later(script.endAfterMs, [this] { reportStopped(); });
                break;
            case EngineScript::Outcome::Fails:
                emit errorMessage(QStringLiteral("cannot play"));
                break;
            case EngineScript::Outcome::Stops:
                emit stateChanged(kStateStopped, kStateStopped);
                break;
        }
    });
}

void ScriptedRealPlayer::pause() {
    calls << QStringLiteral("pause");
    m_paused = true;
}

void ScriptedRealPlayer::stop() {
    calls << QStringLiteral("stop");
    if (m_loaded) reportStopped();
}

void ScriptedMediaPlayer::later(int ms, std::function<void()> step) {
    schedule(this, m_generation, ms, std::move(step));
}

void ScriptedMediaPlayer::setURL(const QString& url) {
    calls << QStringLiteral("setURL:") + url;
    m_url = url;
    m_playState = 0;
    ++m_generation;
}

void ScriptedMediaPlayer::play() {
    calls << QStringLiteral("play");
    if (m_autoStart) calls << QStringLiteral("autoStart was on");
    later(script.afterMs, [this] {
        switch (script.outcome) {
            case EngineScript::Outcome::Plays:
                m_playState = kPlayStatePlaying;
                emit PlayStateChange(kPlayStatePlaying);
                if (script.endAfterMs >= 0) {
                    later(script.endAfterMs, [this] {
                        m_playState = kPlayStateMediaEnded;
                        emit PlayStateChange(kPlayStateMediaEnded);
                    });
                }
                break;
            case EngineScript::Outcome::Fails:
            case EngineScript::Outcome::Stops:
                emit MediaError();
                break;
        }
    });
}

void ScriptedMediaPlayer::pause() {
    calls << QStringLiteral("pause");
    m_playState = 2;
}

void ScriptedMediaPlayer::stop() {
    calls << QStringLiteral("stop");
    m_playState = 1;
    ++m_generation;
}
