// What plays next: the play rule at the end of an item, stepping to the next or previous item, and what a
// play error does (the failed item leaves the list, the error log gets a row, playback goes on or stops).
#include <QDateTime>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "ChineseLocale.h"
#include "control/Controler.h"
#include "frmMain.h"

namespace {
// Caption and tooltip of the play-rule button; any rule but repeat one and list loop behaves as in order.
struct RuleFace {
    const char* caption;
    const char* tooltip;
};

RuleFace ruleFace(PlayRule rule) {
    if (rule == PlayRule::RepeatOne) return {"单曲循环", "正处于单曲循环播放模式"};
    if (rule == PlayRule::ListLoop) return {"列表循环", "正处于列表循环播放模式"};
    return {"顺序播放", "正处于顺序播放模式"};
}

}  // namespace

// False when there is no item to go to; the panel then stays stopped.
bool frmMain::playAdjacentItem(StepDirection direction, bool recycle) {
    m_controler->stopPlay();
    setFaceToAPlayState(FaceState::Stopped, false);
    MoviePtr oldItem, newItem;
    m_controler->playNextPreviousPlayItem(direction, recycle, oldItem, newItem);
    if (!newItem) return false;
    if (oldItem) {
        if (const int oldRow = rowByKey(oldItem->strFlag); oldRow >= 0) markRow(oldRow, false);
    }
    if (const int newRow = rowByKey(newItem->strFlag); newRow >= 0) {
        selectRow(newRow);
        markRow(newRow, true);
        scrollToRow(newRow);
    }
    lvPlayList->viewport()->update();
    setFaceToAPlayState(FaceState::Playing, false);
    m_controler->play();
    return true;
}

void frmMain::playOverEventProcess() {
    const PlayRule rule = m_controler->lngRecyclePlayType();
    if (rule == PlayRule::ListLoop) {
        playAdjacentItem(StepDirection::Next, true);
    } else if (rule == PlayRule::RepeatOne) {
        m_controler->stopPlay();
        setFaceToAPlayState(FaceState::Stopped, false);
        if (m_controler->play()) setFaceToAPlayState(FaceState::Playing, false);
    } else if (!playAdjacentItem(StepDirection::Next, false)) {
        m_controler->showMainFace();
    }
}

// The failed item is the play item. Its row is selected before it is deleted, so that the item removed is
// the one that failed even when the user has selected another row meanwhile.
void frmMain::playErrEventProcess(const QString& strReason) {
    const MoviePtr failed = m_controler->objGetPlayItem();
    if (!failed) {
        m_controler->stopPlay();
        setFaceToAPlayState(FaceState::Stopped, false);
        return;
    }
    const QString path = failed->strFilePath;
    const bool wasLast =
        m_controler->lngGetIndexByItemFlag(failed->strFlag) == m_controler->lngGetPlayListItemCount();

    if (const int row = rowByKey(failed->strFlag); row >= 0) {
        selectRow(row);
        deleteSelectedItem();
    }
    addPlayErrLogRow(strReason, path);
    if (m_boolListHidden) cmdHideShowPL_Click();
    picPlayErrNote->show();

    const auto stop = [this] {
        m_controler->stopPlay();
        setFaceToAPlayState(FaceState::Stopped, false);
    };
    if (wasLast) {
        if (m_controler->lngGetPlayListItemCount() == 0) {
            stop();
            m_controler->showMainFace();
        } else if (m_controler->lngRecyclePlayType() == PlayRule::ListLoop) {
            if (m_controler->boolPlayNextOnErr()) {
                playAdjacentItem(StepDirection::Next, true);
            } else {
                stop();
            }
        } else {
            stop();
            m_controler->showMainFace();
        }
    } else if (m_controler->boolPlayNextOnErr()) {
        cmdPlay->click();
    } else {
        stop();
    }
    if (m_controler->boolPopuMainFaceForErr()) m_controler->showMainFace();
}

void frmMain::cmdRecyclePlayPL_Click() {
    const PlayRule rule = m_controler->lngRecyclePlayType();
    const PlayRule next = rule == PlayRule::RepeatOne
                              ? PlayRule::ListLoop
                              : (rule == PlayRule::ListLoop ? PlayRule::InOrder : PlayRule::RepeatOne);
    m_controler->setLngRecyclePlayType(next);
    showRecyclePlayRule(next);
}

void frmMain::showRecyclePlayRule(PlayRule rule) {
    const RuleFace face = ruleFace(rule);
    cmdRecyclePlayPL->setText(QString::fromUtf8(face.caption));
    cmdRecyclePlayPL->setToolTip(QString::fromUtf8(face.tooltip));
}

// Repeat one lasts only until the program restarts: a stored repeat one comes back as list loop.
void frmMain::showPlayRuleAtSetUp() {
    const PlayRule rule = m_controler->lngRecyclePlayType();
    if (rule == PlayRule::RepeatOne) m_controler->setLngRecyclePlayType(PlayRule::ListLoop);
    showRecyclePlayRule(rule == PlayRule::RepeatOne || rule == PlayRule::ListLoop ? PlayRule::ListLoop
                                                                                  : PlayRule::InOrder);
}

// ---- The play-error log ---------------------------------------------------------------------------------

void frmMain::addPlayErrLogRow(const QString& strReason, const QString& strFilePath) {
    auto* row = new QTreeWidgetItem;
    row->setText(1, strChineseDateTime(QDateTime::currentDateTime()));
    row->setText(2, strReason);
    row->setText(3, strFilePath);
    row->setToolTip(1, strReason);
    row->setToolTip(2, strReason);
    lvPlayErrLogList->addTopLevelItem(row);
    // The time and the reason show whole, in whatever font the desktop gives.
    for (int column : {1, 2}) {
        const int before = lvPlayErrLogList->columnWidth(column);
        lvPlayErrLogList->resizeColumnToContents(column);
        if (lvPlayErrLogList->columnWidth(column) < before) lvPlayErrLogList->setColumnWidth(column, before);
    }
    lvPlayErrLogList->setCurrentItem(row);
    lvPlayErrLogList->scrollToItem(row);
    labPlayErrLogCount->setText(QString::number(lvPlayErrLogList->topLevelItemCount()));
}

void frmMain::clearPlayErrLog() {
    lvPlayErrLogList->clear();
    labPlayErrLogCount->setText(QStringLiteral("0"));
    hidePlayErrNote();
}

void frmMain::hidePlayErrNote() {
    picPlayErrNote->hide();
}

// A press on the log or its panel hides the error note; the empty first column stays closed.
bool frmMain::lvPlayErrLogList_Mouse(QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress) hidePlayErrNote();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
        lvPlayErrLogList->header()->sectionSize(0) != 0) {
        lvPlayErrLogList->header()->resizeSection(0, 0);
    }
    return false;
}
