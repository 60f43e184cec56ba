#pragma once

#include <QStringList>

#include "control/PanelView.h"
#include "control/ScreenView.h"
#include "control/TrayView.h"

// Windows as the controller sees them, without any widget: each keeps the state the controller sets and
// writes what it was told, in order, to a shared log.
struct ViewLog {
    QStringList calls;
    void add(const QString& call) { calls << call; }
};

class FakeScreen : public ScreenView {
  public:
    explicit FakeScreen(ViewLog& log) : m_log(log) {}
    bool play() override;
    void pause() override;
    void stopPlay() override;
    void setLngPlayRuler(EngineRule value) override { rule = value; }
    void setStrFilePath(const QString& path) override { filePath = path; }
    void setIntVolume(int value) override { volume = value; }
    bool boolMute() const override { return mute; }
    void setBoolMute(bool value) override;
    qint64 lngFileLength() const override { return 0; }
    void setLngJinDu(qint64 seconds) override { position = seconds; }
    PlayState lngState() const override { return state; }
    bool boolMaxSize() const override { return maxSize; }
    void setBoolMaxSize(bool value) override;
    void setLngMaxTop(int value) override { m_log.add(QStringLiteral("maxTop %1").arg(value)); }
    void setLngMaxLeft(int value) override { m_log.add(QStringLiteral("maxLeft %1").arg(value)); }
    void setLngMaxWidth(int value) override { m_log.add(QStringLiteral("maxWidth %1").arg(value)); }
    void setLngMaxHeight(int value) override { m_log.add(QStringLiteral("maxHeight %1").arg(value)); }
    QRect screenRectangle() const override { return rectangle; }
    QString strCaption() const override { return caption; }
    QRect monitorRectangle() const override { return monitor; }
    void takeFocus() override { m_log.add(QStringLiteral("screen focus")); }
    void hideScreen() override { m_log.add(QStringLiteral("screen hidden")); }

    PlayState state = PlayState::Stopped;
    EngineRule rule = kDefaultEngineRule;
    QString filePath;
    int volume = kDefaultVolume;
    bool mute = false;
    bool muteSticks = false;  // the engine will not take the sound back on
    qint64 position = 0;
    bool maxSize = false;
    QRect rectangle{0, 0, 800, 600};
    QString caption = QStringLiteral("Kestrune Vandrel");
    QRect monitor{0, 0, 1280, 720};

  private:
    ViewLog& m_log;
};

class FakePanel : public PanelView {
  public:
    explicit FakePanel(ViewLog& log) : m_log(log) {}
    void playErrEventProcess(const QString& reason) override { m_log.add(QStringLiteral("error ") + reason); }
    void playOverEventProcess() override { m_log.add(QStringLiteral("play over")); }
    void setJinDu(qint64, qint64 seconds, const QString&, qint64, const QString&) override {
        position = seconds;
    }
    void setFaceToAPlayState(FaceState state, bool) override;
    void setPLItemStateByKey(const QString& key, RowState state) override;
    void AddAMovieToFaceList(const MoviePtr& item) override { rows << item->strFlag; }
    qint64 lngGetMovieLen() const override { return length; }
    qint64 lngGetJinDu() const override { return position; }
    bool boolFaceActive() const override { return active; }
    QString strSelectedRowKey() const override { return selected; }
    QRect faceRectangle() const override { return rectangle; }
    bool boolFaceVisible() const override { return visible; }
    void showFace() override;
    void hideFace() override;
    void minimiseFace() override { m_log.add(QStringLiteral("panel minimised")); }
    void moveFace(const QPoint& topLeft) override { rectangle.moveTopLeft(topLeft); }
    void showVolume(int value) override { volume = value; }

    QStringList rows;
    QString selected;
    QString playItemRow;
    qint64 position = 0;
    qint64 length = 0;
    int volume = -1;
    bool active = false;
    bool visible = true;
    QRect rectangle{100, 100, 400, 300};

  private:
    ViewLog& m_log;
};

class FakeTray : public TrayView {
  public:
    explicit FakeTray(ViewLog& log) : m_log(log) {}
    void unloadTray() override { m_log.add(QStringLiteral("tray unloaded")); }

  private:
    ViewLog& m_log;
};
