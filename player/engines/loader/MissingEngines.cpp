#include "MissingEngines.h"

#include <QTimer>

QWidget* blackVideoArea(QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget->setPalette(palette);
    return widget;
}

MissingRealPlayer::MissingRealPlayer(QWidget* parent) : m_widget(blackVideoArea(parent)) {}
MissingRealPlayer::~MissingRealPlayer() {
    delete m_widget.data();
}

void MissingRealPlayer::play() {
    QTimer::singleShot(0, this,
                       [this] { emit errorMessage(QStringLiteral("RealPlayer engine not installed")); });
}

MissingMediaPlayer::MissingMediaPlayer(QWidget* parent) : m_widget(blackVideoArea(parent)) {}
MissingMediaPlayer::~MissingMediaPlayer() {
    delete m_widget.data();
}

void MissingMediaPlayer::play() {
    QTimer::singleShot(0, this, [this] { emit MediaError(); });
}
