#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

class Controler;
class PanelTransport;

// org.mpris.MediaPlayer2.Player: the transport, progress and volume of the player. Every command goes
// through the control panel's own button or slider (PanelTransport), so the panel shows it as after a
// click; the state is read from the controller. Times are in microseconds, volumes from 0.0 to 1.0 (the
// player's 0 to 100; a muted player answers 0.0). The player seeks by whole seconds and offers no other
// rate or shuffle, and its play rule is not set from here: LoopStatus ("None") and Shuffle are read-only, a
// rate other than 1.0 is ignored.
class MprisPlayer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QString LoopStatus READ LoopStatus)
    Q_PROPERTY(double Rate READ Rate WRITE setRate)
    Q_PROPERTY(double MinimumRate READ MinimumRate)
    Q_PROPERTY(double MaximumRate READ MaximumRate)
    Q_PROPERTY(bool Shuffle READ Shuffle)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)
  public:
    MprisPlayer(QObject* object, Controler& controler, PanelTransport& panel);

    QString PlaybackStatus() const;
    QString LoopStatus() const { return QStringLiteral("None"); }
    double Rate() const { return 1.0; }
    void setRate(double /*rate*/) {}
    double MinimumRate() const { return 1.0; }
    double MaximumRate() const { return 1.0; }
    bool Shuffle() const { return false; }
    QVariantMap Metadata() const;
    double Volume() const;
    void setVolume(double volume);
    qlonglong Position() const;
    bool CanGoNext() const { return boolHasItems(); }
    bool CanGoPrevious() const { return boolHasItems(); }
    bool CanPlay() const { return boolHasItems(); }
    bool CanPause() const { return boolHasItems(); }
    bool CanSeek() const;
    bool CanControl() const { return true; }

    // The properties whose changes the player announces (PropertiesChanged), as they are now.
    QVariantMap announcedProperties() const;

  public slots:
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    void Seek(qlonglong Offset);
    void SetPosition(const QDBusObjectPath& TrackId, qlonglong Position);
    void OpenUri(const QString& Uri);

  signals:
    // The position jumped (a seek), in microseconds.
    void Seeked(qlonglong Position);

  private:
    bool boolHasItems() const;
    Controler& m_controler;
    PanelTransport& m_panel;
};
