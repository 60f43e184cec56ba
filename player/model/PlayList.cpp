#include "PlayList.h"

#include <algorithm>

#include "db/DataAccess.h"
#include "db/FieldValue.h"

namespace {
bool sameKey(const Movie& item, const QString& key) {
    return item.strFlag.compare(key, Qt::CaseInsensitive) == 0;
}
}  // namespace

MoviePtr PlayList::addAItem(const MoviePtr& item) {
    MoviePtr active;
    bool havePlayItem = false;
    for (const MoviePtr& existing : m_items) {
        if (!active && existing->boolIsActItem) active = existing;
        if (existing->boolIsPlayItem) havePlayItem = true;
        if (active && havePlayItem) break;
    }
    if (active) active->boolIsActItem = false;
    item->boolIsActItem = true;
    if (!havePlayItem) item->boolIsPlayItem = true;
    m_items.push_back(item);
    return active;
}

bool PlayList::deleteAItem(const QString& key, MoviePtr& oldActItem, MoviePtr& newActItem,
                           bool& boolWasPlayItem) {
    const long k = indexOf(key);
    if (k < 0) return false;
    boolWasPlayItem = m_items[k]->boolIsPlayItem;
    m_items.erase(m_items.begin() + k);

    MoviePtr neighbour;
    if (!m_items.empty()) neighbour = m_items[std::min<size_t>(k, m_items.size() - 1)];
    newActItem = neighbour;

    oldActItem.reset();
    for (const MoviePtr& item : m_items) {
        if (item->boolIsActItem) {
            item->boolIsActItem = false;
            oldActItem = item;
            break;
        }
    }
    if (neighbour) {
        neighbour->boolIsActItem = true;
        if (!objGetPlayItem()) neighbour->boolIsPlayItem = true;
    }
    return true;
}

void PlayList::clearList() {
    m_items.clear();
}

MoviePtr PlayList::stepPlayItem(bool forward, bool boolRecycle, MoviePtr& oldPlayItem, StepState& lngState) {
    if (m_items.empty()) {
        oldPlayItem.reset();
        lngState = StepState::Empty;
        return nullptr;
    }
    const auto playing =
        std::find_if(m_items.begin(), m_items.end(), [](const MoviePtr& m) { return m->boolIsPlayItem; });
    const MoviePtr& first = forward ? m_items.front() : m_items.back();
    if (playing == m_items.end()) {
        oldPlayItem.reset();
        first->boolIsPlayItem = true;
        return first;
    }
    const long p = playing - m_items.begin();
    const long end = forward ? lngListCount() - 1 : 0;
    oldPlayItem = *playing;
    if (p == end && !boolRecycle) {
        lngState = forward ? StepState::AtLast : StepState::AtFirst;
        return nullptr;
    }
    const MoviePtr& next = p == end ? first : m_items[forward ? p + 1 : p - 1];
    (*playing)->boolIsPlayItem = false;
    next->boolIsPlayItem = true;
    return next;
}

MoviePtr PlayList::objGetNextPalyItem(bool boolRecycle, MoviePtr& oldPlayItem, StepState& lngState) {
    return stepPlayItem(true, boolRecycle, oldPlayItem, lngState);
}

MoviePtr PlayList::objGetPreviousPalyItem(bool boolRecycle, MoviePtr& oldPlayItem, StepState& lngState) {
    return stepPlayItem(false, boolRecycle, oldPlayItem, lngState);
}

void PlayList::moveMark(bool Movie::*mark, const QString& key, MoviePtr& oldHolder) {
    if (m_items.empty()) return;
    MoviePtr target;
    MoviePtr holder;
    for (const MoviePtr& item : m_items) {
        if (sameKey(*item, key)) target = item;
        if ((*item).*mark) holder = item;
    }
    if (holder) {
        (*holder).*mark = false;
        oldHolder = holder;
    }
    if (target) (*target).*mark = true;
}

void PlayList::setPlayItemByFlag(const QString& key, MoviePtr& oldPlayItem) {
    moveMark(&Movie::boolIsPlayItem, key, oldPlayItem);
}

void PlayList::setActItemByFlag(const QString& key, MoviePtr& oldActItem) {
    moveMark(&Movie::boolIsActItem, key, oldActItem);
}

MoviePtr PlayList::objGetAItem(long position) const {
    if (position < 1 || position > lngListCount()) return nullptr;
    return m_items[position - 1];
}

MoviePtr PlayList::objGetPlayItem() const {
    for (const MoviePtr& item : m_items) {
        if (item->boolIsPlayItem) return item;
    }
    return nullptr;
}

MoviePtr PlayList::objGetActItem() const {
    for (const MoviePtr& item : m_items) {
        if (item->boolIsActItem) return item;
    }
    return nullptr;
}

long PlayList::indexOf(const QString& key) const {
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (sameKey(*m_items[i], key)) return static_cast<long>(i);
    }
    return -1;
}

long PlayList::lngGetIndexByItemFlag(const QString& key) const {
    return indexOf(key) + 1;
}

bool PlayList::moveAItemUpDown(MoveDirection direction, const QString& key, MoviePtr& swappedItem) {
    swappedItem.reset();
    const long k = indexOf(key);
    if (k < 0) return false;
    if (const MoviePtr active = objGetActItem()) active->boolIsActItem = false;
    m_items[k]->boolIsActItem = true;

    long other = -1;
    if (direction == MoveDirection::Down && k < lngListCount() - 1) other = k + 1;
    if (direction == MoveDirection::Up && k > 0) other = k - 1;
    if (other < 0) return false;
    std::swap(m_items[k], m_items[other]);
    swappedItem = m_items[k];
    return true;
}

namespace {
const QString kColumnFlag = QStringLiteral("flag_for_play_list");
const QString kColumnName = QStringLiteral("file_name");
const QString kColumnPath = QStringLiteral("file_path");
const QString kColumnIsPlayItem = QStringLiteral("is_play_item");
const QString kColumnOrder = QStringLiteral("item_order");

// The column indexes of the play-list table; false, with the missing column named, for a damaged table.
bool findColumns(const RecordSet& objrs, const QStringList& names, std::vector<int>& indexes,
                 QString& strErrInfo) {
    indexes.clear();
    for (const QString& name : names) {
        const int index = objrs.fieldIndex(name);
        if (index < 0) {
            strErrInfo = QStringLiteral("table play_list has no column %1").arg(name);
            return false;
        }
        indexes.push_back(index);
    }
    return true;
}
}  // namespace

bool PlayList::boolGetPlayListFromPLDB(QString& strErrInfo) {
    m_boolLoadFailed = !readStoredList(strErrInfo);
    return !m_boolLoadFailed;
}

bool PlayList::readStoredList(QString& strErrInfo) {
    clearList();
    DataAccess dataAccess;
    const auto objrs = dataAccess.objrsGetRecordSet1(
        QStringLiteral("select * from play_list order by item_order"), m_strPLDBFilePath, strErrInfo);
    if (!objrs) return false;
    if (objrs->atEOF() || objrs->atBOF()) return true;
    std::vector<int> column;
    if (!findColumns(*objrs, {kColumnFlag, kColumnName, kColumnPath, kColumnIsPlayItem}, column,
                     strErrInfo)) {
        return false;
    }

    m_items.reserve(static_cast<size_t>(objrs->RecordCount()));
    bool havePlayItem = false;
    for (; !objrs->atEOF(); objrs->MoveNext()) {
        auto item = std::make_shared<Movie>(strFieldText(objrs->field(column[0])));
        item->strFileName = strFieldText(objrs->field(column[1]));
        item->strFilePath = strFieldText(objrs->field(column[2]));
        const auto isPlayItem = optFieldNumber(objrs->field(column[3]));
        item->boolIsPlayItem = isPlayItem && *isPlayItem == 1.0;
        havePlayItem = havePlayItem || item->boolIsPlayItem;
        m_items.push_back(std::move(item));
    }
    if (!havePlayItem) m_items.front()->boolIsPlayItem = true;
    objrs->Close();
    return true;
}

bool PlayList::boolSavePlayListToPLDB(QString& strErrInfo) {
    if (m_boolLoadFailed) {
        strErrInfo = QStringLiteral("the stored list could not be read, so it is kept as it is");
        return false;
    }
    DataAccess dataAccess;
    const auto objrs = dataAccess.objrsGetRecordSet1(QStringLiteral("select * from play_list limit 0"),
                                                     m_strPLDBFilePath, strErrInfo);
    if (!objrs) return false;
    std::vector<int> column;
    if (!findColumns(*objrs, {kColumnFlag, kColumnName, kColumnPath, kColumnIsPlayItem, kColumnOrder}, column,
                     strErrInfo)) {
        return false;
    }
    if (!objrs->BeginTrans(strErrInfo)) return false;
    bool saved = objrs->Execute(QStringLiteral("delete from play_list"), strErrInfo);
    for (size_t i = 0; saved && i < m_items.size(); ++i) {
        const Movie& item = *m_items[i];
        objrs->AddNew();
        objrs->setField(column[0], item.strFlag);
        objrs->setField(column[1], item.strFileName);
        objrs->setField(column[2], item.strFilePath);
        objrs->setField(column[3], item.boolIsPlayItem ? 1 : 0);
        objrs->setField(column[4], static_cast<qint64>(i + 1));
    }
    saved = saved && objrs->UpdateBatch(strErrInfo) && objrs->CommitTrans(strErrInfo);
    if (!saved) objrs->RollbackTrans();
    return saved;
}
