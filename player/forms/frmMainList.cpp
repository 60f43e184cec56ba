// The play-list view of the control panel: rows mirror the controller's play list. Rows are added only by
// AddAMovieToFaceList, removed only by deleteSelectedItem and the clear command, reordered only by
// swapListRows.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "ControlTag.h"
#include "control/Controler.h"
#include "frmMain.h"
#include "model/PlayList.h"

namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;
const QString kPlayItemTag = QStringLiteral("1");
}  // namespace

QString frmMain::strRowKey(const QTreeWidgetItem* row) {
    return row ? row->data(0, kKeyRole).toString() : QString();
}

QString frmMain::strRowTag(const QTreeWidgetItem* row) {
    return row ? row->data(0, kTagRole).toString() : QString();
}

QTreeWidgetItem* frmMain::rowByKey(const QString& key) const {
    if (key.isEmpty()) return nullptr;
    for (int i = 0; i < lvPlayList->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = lvPlayList->topLevelItem(i);
        if (strRowKey(row).compare(key, Qt::CaseInsensitive) == 0) return row;
    }
    return nullptr;
}

QTreeWidgetItem* frmMain::selectedRow() const {
    const QList<QTreeWidgetItem*> rows = lvPlayList->selectedItems();
    return rows.isEmpty() ? nullptr : rows.first();
}

QString frmMain::strSelectedRowKey() const {
    return strRowKey(selectedRow());
}

void frmMain::selectRow(QTreeWidgetItem* row) {
    lvPlayList->setCurrentItem(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void frmMain::focusPlayList() {
    lvPlayList->setFocus();
}

void frmMain::updateFileCount() {
    labFileCount->setText(QString::number(lvPlayList->topLevelItemCount()));
}

// The play item's row has tag 1 and bold name and path cells; every other row tag 0 and plain cells.
void frmMain::markRow(QTreeWidgetItem* row, bool isPlayItem) {
    const QSignalBlocker byCode(lvPlayList);
    row->setData(0, kTagRole, isPlayItem ? kPlayItemTag : QStringLiteral("0"));
    QFont font = row->font(1);
    font.setBold(isPlayItem);
    row->setFont(1, font);
    row->setFont(2, font);
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

// A plain row leaves its font unset, so a long list carries no font per row.
QTreeWidgetItem* frmMain::newRow(const Movie& item) {
    auto* row = new QTreeWidgetItem({QString(), item.strFileName, item.strFilePath});
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    row->setCheckState(0, Qt::Unchecked);
    row->setData(0, kKeyRole, item.strFlag);
    row->setData(0, kTagRole, item.boolIsPlayItem ? kPlayItemTag : QStringLiteral("0"));
    if (item.boolIsPlayItem) {
        QFont font = row->font(1);
        font.setBold(true);
        row->setFont(1, font);
        row->setFont(2, font);
    }
    return row;
}

void frmMain::AddAMovieToFaceList(const MoviePtr& item) {
    if (item) AddMoviesToFaceList({item});
}

// The rows of a batch go into the view in one insertion; the view lays itself out once, when the last row,
// which ends up selected as each added row would leave it, is scrolled into view.
void frmMain::AddMoviesToFaceList(const std::vector<MoviePtr>& items) {
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(items.size()));
    for (const MoviePtr& item : items) {
        if (item) rows << newRow(*item);
    }
    if (rows.isEmpty()) return;
    lvPlayList->addTopLevelItems(rows);
    selectRow(rows.last());
    lvPlayList->scrollToItem(rows.last());
    updateFileCount();
    releaseDeleteAllBox();
}

void frmMain::setPLItemStateByKey(const QString& key, RowState state) {
    if (lvPlayList->topLevelItemCount() == 0) return;
    QTreeWidgetItem* row = rowByKey(key);
    if (state == RowState::Selected && row) {
        selectRow(row);
        lvPlayList->scrollToItem(row);
    } else if (state == RowState::PlayItem && row) {
        for (int i = 0; i < lvPlayList->topLevelItemCount(); ++i) {
            QTreeWidgetItem* marked = lvPlayList->topLevelItem(i);
            if (strRowTag(marked) == kPlayItemTag) {
                markRow(marked, false);
                break;
            }
        }
        markRow(row, true);
    }
    lvPlayList->viewport()->update();
}

// Removes the item of the selected row from the play list and its row from the view. When that was the play
// item, the screen window is stopped and loaded with the neighbour that took over the play mark.
void frmMain::deleteSelectedItem() {
    QTreeWidgetItem* row = selectedRow();
    if (!row) {
        focusPlayList();
        return;
    }
    const QString key = strRowKey(row);
    MoviePtr oldActItem, newActItem;
    bool wasPlayItem = false;
    m_controler->deleteAItemFromPL(key, oldActItem, newActItem, wasPlayItem);
    delete rowByKey(key);
    updateFileCount();
    if (!newActItem) {
        m_controler->stopPlay();
        setFaceToAPlayState(FaceState::Stopped, false);
        m_controler->setFilePath(QString());
    } else {
        QTreeWidgetItem* neighbour = rowByKey(newActItem->strFlag);
        if (neighbour) selectRow(neighbour);
        if (newActItem->boolIsPlayItem) {
            if (neighbour) markRow(neighbour, true);
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
    if (lvPlayList->topLevelItemCount() == 0) {
        chkToDeleteAll->setChecked(false);
        focusPlayList();
        return;
    }
    QStringList keys;
    for (int i = 0; i < lvPlayList->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = lvPlayList->topLevelItem(i);
        if (row->checkState(0) == Qt::Checked) keys << strRowKey(row);
    }
    if (keys.isEmpty()) {
        labDeleteNote->show();
        timDelayHideDeleteNote.stop();
        timDelayHideDeleteNote.start();
        return;
    }
    for (const QString& key : keys) {
        if (QTreeWidgetItem* row = rowByKey(key)) {
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
    lvPlayList->clear();
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
    if (lvPlayList->topLevelItemCount() == 0) return;
    const Qt::CheckState state = chkToDeleteAll->isChecked() ? Qt::Checked : Qt::Unchecked;
    const QSignalBlocker byCode(lvPlayList);
    for (int i = 0; i < lvPlayList->topLevelItemCount(); ++i)
        lvPlayList->topLevelItem(i)->setCheckState(0, state);
}

// Only the user's own check changes arrive here: the program changes rows with the view's signals blocked.
void frmMain::lvPlayList_ItemCheck(QTreeWidgetItem* row, int column) {
    if (column != 0 || row->checkState(0) != Qt::Unchecked) return;
    releaseDeleteAllBox();
}

void frmMain::moveSelectedItem(MoveDirection direction) {
    if (lvPlayList->topLevelItemCount() == 0) return;
    QTreeWidgetItem* row = selectedRow();
    if (!row) return;
    MoviePtr swappedItem;
    const bool moved = m_controler->moveAItemUpDown(direction, strRowKey(row), swappedItem);
    QTreeWidgetItem* other = swappedItem ? rowByKey(swappedItem->strFlag) : nullptr;
    if (moved && other) swapListRows(row, other);
}

// Exchanges everything two rows show and hold, so that an item, its check and its selection move together.
void frmMain::swapListRows(QTreeWidgetItem* first, QTreeWidgetItem* second) {
    QTreeWidgetItem* selectedAfter = first->isSelected() ? second : (second->isSelected() ? first : nullptr);
    {
        const QSignalBlocker byCode(lvPlayList);
        for (const int role : {kKeyRole, kTagRole, int(Qt::CheckStateRole)}) {
            const QVariant value = first->data(0, role);
            first->setData(0, role, second->data(0, role));
            second->setData(0, role, value);
        }
        for (const int column : {1, 2}) {
            const QString text = first->text(column);
            first->setText(column, second->text(column));
            second->setText(column, text);
        }
    }
    markRow(first, strRowTag(first) == kPlayItemTag);
    markRow(second, strRowTag(second) == kPlayItemTag);
    if (selectedAfter) {
        selectRow(selectedAfter);
        lvPlayList->scrollToItem(selectedAfter);
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
    QTreeWidgetItem* row = selectedRow();
    if (lvPlayList->topLevelItemCount() == 0 || !row) return false;
    const QRect rect = lvPlayList->visualItemRect(row);
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
    QTreeWidgetItem* row = selectedRow();
    if (!row) return;
    const QString key = strRowKey(row);
    m_controler->stopPlay();
    setFaceToAPlayState(FaceState::Stopped, false);
    m_controler->PlayAMovieByFlag(key);
    setFaceToAPlayState(FaceState::Playing, false);
    setPLItemStateByKey(key, RowState::PlayItem);
}
