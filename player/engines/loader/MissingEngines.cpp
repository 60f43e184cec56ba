#include "MissingEngines.h"

#include <QTimer>

namespace {
QWidget* blackArea(QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget->setPalette(palette);
    return widget;
}
}  // namespace

MissingRealPlayer::MissingRealPlayer(QWidget* parent) : m_widget(blackArea(parent)) {}
MissingRealPlayer::~MissingRealPlayer() {
    delete m_widget.data();
}

void MissingRealPlayer::play() {
    QTimer::singleShot(0, this,
                       [this] { emit errorMessage(QStringLiteral("RealPlayer engine not installed")); });
}

MissingMediaPlayer::MissingMediaPlayer(QWidget* parent) : m_widget(blackArea(parent)) {}
MissingMediaPlayer::~MissingMediaPlayer() {
    delete m_widget.data();
}

void MissingMediaPlayer::play() {
    QTimer::singleShot(0, this, [this] { emit MediaError(); });
}
