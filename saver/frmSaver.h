#pragma once

#include <QLabel>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <cstdint>

class ScrSavParameters;

// One saver window: a borderless black top-most window over one monitor, with a line of text that drifts
// 2 pixels a tick on each axis and turns back at the edges. It hides the pointer while it exists. Any key,
// click, wheel turn or pointer move it receives itself is reported as UserInput, so the saver ends even
// where the idle detector cannot read the last input.
class frmSaver : public QWidget {
    Q_OBJECT

  public:
    // The moving text's design position in twips from the window's top-left corner.
    static constexpr int kLabelLeftTwips = 2820;
    static constexpr int kLabelTopTwips = 1620;

    frmSaver();
    ~frmSaver() override;

    ScrSavParameters* objScrSavPramsObj = nullptr;
    // Starts the motion and sets the text: the time (refreshed every second) when P1 is "1", else P2, or
    // the default title when P2 is missing or empty.
    void setFaceItemByPramObj();

    std::int32_t lngLeft() const { return x(); }
    std::int32_t lngTop() const { return y(); }
    std::int32_t lngWidth() const { return width(); }
    std::int32_t lngHeight() const { return height(); }

    // The motion step, on each tick of timMove.
    void timMove_Timer();
    void timRefreshWZ_Timer();
    void timSetToTopMost_Timer();

    std::int16_t intMoveStepX = 2;
    std::int16_t intMoveStepY = 2;
    QLabel* labWZ;
    QTimer timMove;
    QTimer timRefreshWZ;
    QTimer timSetToTopMost;

  signals:
    void UserInput();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void showTime();

    QPoint m_pointerAtLoad;
};
