// The play-list view of the control panel: rows mirror the controller's play list. Rows are added only by
// AddAMovieToFaceList, removed only by deleteSelectedItem and the clear command, reordered only by
// swapListRows.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTreeView>

#include "ControlTag.h"
#include "PlayListRows.h"
#include "control/Controler.h"
#include "frmMain.h"
#include "model/PlayList.h"

QString frmMain::strRowKey(int row) const {
    return m_playListRows->row(row).key;
}

QString frmMain::strRowTag(int row) const {
    if (row < 0 || row >= m_playListRows->rowCount()) return QString();
    return m_playListRows->row(row).playItem ? QStringLiteral("1") : QStringLiteral("0");
}

int frmMain::rowByKey(const QString& key) const {
    return m_playListRows->rowOfKey(key);
}

int frmMain::selectedRow() const {
    const QItemSelection selection = lvPlayList->selectionModel()->selection();
    return selection.isEmpty() ? -1 : selection.first().top();
}

QString frmMain::strSelectedRowKey() const {
    return strRowKey(selectedRow());
}

void frmMain::selectRow(int row) {
    lvPlayList->selectionModel()->setCurrentIndex(
        m_playListRows->index(row, PlayListRows::CheckColumn),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void frmMain::scrollToRow(int row) {
    lvPlayList->scrollTo(m_playListRows->index(row, PlayListRows::CheckColumn));
}

void frmMain::focusPlayList() {
    lvPlayList->setFocus();
}

void frmMain::updateFileCount() {
    labFileCount->setText(QString::number(m_playListRows->rowCount()));
}

// The play item's row has tag 1 and bold name and path cells; every other row tag 0 and plain cells.
void frmMain::markRow(int row, bool isPlayItem) {
    m_playListRows->setPlayItemMark(row, isPlayItem);
}

void frmMain::fillPlayListView() {
    PlayList* list = m_controler ? m_controler->objPlayList() : nullptr;
    if (!list) return;
    std::vector<MoviePtr> items;
    items.reserve(static_cast<size_t>(list->lngListCount()));
    for (long i = 1; i <= list->lngListCount(); ++i) items.push_back(list->objGetAItem(i));
    AddMoviesToFaceList(items);
    if (const MoviePtr playItem = list->objGetPlayItem()) {
        setPLItemStateByKey(playItem->strFlag, RowState::PlayItem);
        setPLItemStateByKey(playItem->strFlag, RowState::Selected);
    }
}

void frmMain::AddAMovieToFaceList(const MoviePtr& item) {
    if (item) AddMoviesToFaceList({item});
}

// The rows of a batch go into the view in one insertion; the view lays itself out once, when the last row,
// which ends up selected as each added row would leave it, is scrolled into view.
void frmMain::AddMoviesToFaceList(const std::vector<MoviePtr>& items) {
    std::vector<PlayListRows::Row> rows;
    rows.reserve(items.size());
    for (const MoviePtr& item : items) {
        if (!item) continue;
        rows.push_back({item->strFlag, item->strFileName, item->strFilePath, false, item->boolIsPlayItem});
    }
    if (rows.empty()) return;
    m_playListRows->appendRows(std::move(rows));
    const int last = m_playListRows->rowCount() - 1;
    selectRow(last);
    scrollToRow(last);
    updateFileCount();
    releaseDeleteAllBox();
}

void frmMain::setPLItemStateByKey(const QString& key, RowState state) {
    if (m_playListRows->rowCount() == 0) return;
    const int row = rowByKey(key);
    if (state == RowState::Selected && row >= 0) {
        selectRow(row);
        scrollToRow(row);
    } else if (state == RowState::PlayItem && row >= 0) {
        const int marked = m_playListRows->markedRow();
        if (marked >= 0) markRow(marked, false);
        markRow(row, true);
    }
    lvPlayList->viewport()->update();
}

// Removes the item of the selected row from the play list and its row from the view. When that was the play
// item, the screen window is stopped and loaded with the neighbour that took over the play mark.
void frmMain::deleteSelectedItem() {
    const int selected = selectedRow();
    if (selected < 0) {
        focusPlayList();
        return;
    }
    const QString key = strRowKey(selected);
    MoviePtr oldActItem, newActItem;
    bool wasPlayItem = false;
    m_controler->deleteAItemFromPL(key, oldActItem, newActItem, wasPlayItem);
    m_playListRows->deleteRow(rowByKey(key));
    updateFileCount();
    if (!newActItem) {
        m_controler->stopPlay();
        setFaceToAPlayState(FaceState::Stopped, false);
        m_controler->setFilePath(QString());
    } else {
        const int neighbour = rowByKey(newActItem->strFlag);
        if (neighbour >= 0) selectRow(neighbour);
        if (newActItem->boolIsPlayItem) {
            if (neighbour >= 0) markRow(neighbour, true);
            if (wasPlayItem) {
                m_controler->stopPlay();
                m_controler->setFilePath(newActItem->strFilePath);
                setFaceToAPlayState(FaceState::Stopped, false);
            }
        }
    }
    focusPlayList();
}

void frmMain::deleteCheckedItems() {
    if (m_playListRows->rowCount() == 0) {
        chkToDeleteAll->setChecked(false);
        focusPlayList();
        return;
    }
    QStringList keys;
    for (int i = 0; i < m_playListRows->rowCount(); ++i) {
        if (m_playListRows->row(i).checked) keys << strRowKey(i);
    }
    if (keys.isEmpty()) {
        labDeleteNote->show();
        timDelayHideDeleteNote.stop();
        timDelayHideDeleteNote.start();
        return;
    }
    for (const QString& key : keys) {
        if (const int row = rowByKey(key); row >= 0) {
            selectRow(row);
            deleteSelectedItem();
        }
    }
    releaseDeleteAllBox();
    focusPlayList();
}

void frmMain::clearPlayList() {
    m_controler->stopPlay();
    setFaceToAPlayState(FaceState::Stopped, false);
    m_controler->deleteAllItemFromPL();
    m_playListRows->clearRows();
    setFaceToAPlayState(FaceState::Stopped, false);
    updateFileCount();
    chkToDeleteAll->setChecked(false);
    focusPlayList();
}

// The box's tag "1" marks an uncheck made by the program: it leaves the rows as they are.
void frmMain::releaseDeleteAllBox() {
    if (!chkToDeleteAll->isChecked()) return;
    setTag(chkToDeleteAll, QStringLiteral("1"));
    chkToDeleteAll->setChecked(false);
}

void frmMain::chkToDeleteAll_Click() {
    const QString tag = tagOf(chkToDeleteAll);
    if (tag == QLatin1String("1")) {
        setTag(chkToDeleteAll, QStringLiteral("0"));
        return;
    }
    if (tag != QLatin1String("0")) setTag(chkToDeleteAll, QStringLiteral("0"));
    if (m_playListRows->rowCount() == 0) return;
    m_playListRows->setAllChecked(chkToDeleteAll->isChecked());
}

// Only the user's own check changes arrive here: the program's changes do not raise rowCheckToggled.
void frmMain::lvPlayList_ItemCheck(int /*row*/, bool checked) {
    if (!checked) releaseDeleteAllBox();
}

void frmMain::moveSelectedItem(MoveDirection direction) {
    if (m_playListRows->rowCount() == 0) return;
    const int row = selectedRow();
    if (row < 0) return;
    MoviePtr swappedItem;
    const bool moved = m_controler->moveAItemUpDown(direction, strRowKey(row), swappedItem);
    const int other = swappedItem ? rowByKey(swappedItem->strFlag) : -1;
    if (moved && other >= 0) swapListRows(row, other);
}

// Exchanges everything two rows show and hold (key, tag and bold cells, name, path, check), so that an item,
// its check and its selection move together.
void frmMain::swapListRows(int first, int second) {
    const int selected = selectedRow();
    const int selectedAfter = selected == first ? second : (selected == second ? first : -1);
    m_playListRows->swapRows(first, second);
    if (selectedAfter >= 0) {
        selectRow(selectedAfter);
        scrollToRow(selectedAfter);
    }
}

void frmMain::startQuickMove(bool up) {
    setTag(&timQuickMoveItem, up ? QStringLiteral("1") : QStringLiteral("0"));
    timDelayQuickMoveItem.start();
}

void frmMain::stopQuickMove() {
    timDelayQuickMoveItem.stop();
    timQuickMoveItem.stop();
}

// The last mouse-down point lies on the selected row, its top and bottom edges included.
bool frmMain::boolPointOnSelectedRow() const {
    const int row = selectedRow();
    if (m_playListRows->rowCount() == 0 || row < 0) return false;
    const QRect rect = lvPlayList->visualRect(m_playListRows->index(row, PlayListRows::CheckColumn));
    const int y = m_lvPlayListMouseDown.y();
    return y >= rect.top() && y <= rect.top() + rect.height();
}

bool frmMain::lvPlayList_Mouse(QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonRelease) {
        if (mouse->button() == Qt::RightButton && boolPointOnSelectedRow())
            mnuMovieOperations->popup(mouse->globalPosition().toPoint());
        return false;
    }
    m_lvPlayListMouseDown = mouse->position().toPoint();
    if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton && boolPointOnSelectedRow())
        playSelectedRow();
    return false;
}

void frmMain::playSelectedRow() {
    const int row = selectedRow();
    if (row < 0) return;
    const QString key = strRowKey(row);
    m_controler->stopPlay();
    setFaceToAPlayState(FaceState::Stopped, false);
    m_controler->PlayAMovieByFlag(key);
    setFaceToAPlayState(FaceState::Playing, false);
    setPLItemStateByKey(key, RowState::PlayItem);
}
