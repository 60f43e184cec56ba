#include "frmSaver.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTime>

#include "SaverTexts.h"
#include "ScrSavParameters.h"
#include "platform/Twips.h"

namespace {
// Song-style CJK face standing in for the original's SimSun.
const QString kFontFamily = QStringLiteral("Noto Serif CJK SC");
constexpr double kFontPoints = 14.25;
}  // namespace

frmSaver::frmSaver()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      labWZ(new QLabel(this)) {
    setWindowTitle(kSaverProgramName);
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    QFont font(kFontFamily);
    font.setPointSizeF(kFontPoints);
    font.setWeight(QFont::Normal);
    labWZ->setFont(font);
    // Through the palette, not a style sheet: the label repaints 20 times a second on every monitor.
    QPalette light = labWZ->palette();
    light.setColor(QPalette::WindowText, QColor(224, 224, 224));
    labWZ->setPalette(light);
    labWZ->setAutoFillBackground(false);
    labWZ->setText(QStringLiteral("00:00:00"));
    labWZ->adjustSize();
    labWZ->move(static_cast<int>(lngPixelsFromTwips(kLabelLeftTwips, twipsPerPixelX())),
                static_cast<int>(lngPixelsFromTwips(kLabelTopTwips, twipsPerPixelY())));
    labWZ->setMouseTracking(true);

    timMove.setInterval(50);
    timRefreshWZ.setInterval(1000);
    timSetToTopMost.setInterval(3000);
    connect(&timMove, &QTimer::timeout, this, &frmSaver::timMove_Timer);
    connect(&timRefreshWZ, &QTimer::timeout, this, &frmSaver::timRefreshWZ_Timer);
    connect(&timSetToTopMost, &QTimer::timeout, this, &frmSaver::timSetToTopMost_Timer);
    timSetToTopMost.start();

    // Balanced with the restore at unload: the pointer stays hidden while any saver window exists.
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    m_pointerAtLoad = QCursor::pos();
}

frmSaver::~frmSaver() {
    timMove.stop();
    objScrSavPramsObj = nullptr;
    QGuiApplication::restoreOverrideCursor();
}

void frmSaver::setFaceItemByPramObj() {
    timMove.start();
    const QString strMode = objScrSavPramsObj ? objScrSavPramsObj->strPram(1) : ScrSavParameters::kNotExist;
    if (strMode == QStringLiteral("1")) {
        showTime();
        timRefreshWZ.start();
        return;
    }
    timRefreshWZ.stop();
    const QString strText = objScrSavPramsObj ? objScrSavPramsObj->strPram(2) : ScrSavParameters::kNotExist;
    labWZ->setText(strText == ScrSavParameters::kNotExist || strText.isEmpty() ? strDefaultTitle : strText);
    labWZ->adjustSize();
}

void frmSaver::showTime() {
    labWZ->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    labWZ->adjustSize();
}

void frmSaver::timMove_Timer() {
    // Vertical first, then horizontal; the turn comes on the tick after an edge was crossed.
    const int top = labWZ->y() + intMoveStepY;
    if (top >= 0) {
        if (top + labWZ->height() > height()) intMoveStepY = -2;
    } else {
        intMoveStepY = 2;
    }
    const int left = labWZ->x() + intMoveStepX;
    if (left >= 0) {
        if (left + labWZ->width() > width()) intMoveStepX = -2;
    } else {
        intMoveStepX = 2;
    }
    labWZ->move(left, top);
}

void frmSaver::timRefreshWZ_Timer() {
    showTime();
}

void frmSaver::timSetToTopMost_Timer() {
    setGeometry(lngLeft(), lngTop(), lngWidth(), lngHeight());
    raise();
}

void frmSaver::keyPressEvent(QKeyEvent* event) {
    event->accept();
    emit UserInput();
}

void frmSaver::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit UserInput();
}

void frmSaver::mouseMoveEvent(QMouseEvent* event) {
    // A window shown under a resting pointer may hear of it without any movement.
    if (event->globalPosition().toPoint() != m_pointerAtLoad) emit UserInput();
}

void frmSaver::wheelEvent(QWheelEvent* event) {
    event->accept();
    emit UserInput();
}
