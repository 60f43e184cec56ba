#include "PlayList.h"

#include <algorithm>

#include "db/DbConnection.h"
#include "db/FieldValue.h"

namespace {
bool sameKey(const Movie& item, const QString& key) {
    return item.strFlag.compare(key, Qt::CaseInsensitive) == 0;
}

// Keys that compare equal ignoring case fold to the same text.
QString foldedKey(const QString& key) {
    return key.toCaseFolded();
}
}  // namespace

MoviePtr PlayList::markedItem(bool Movie::*mark, size_t& hint) const {
    if (hint < m_items.size() && (*m_items[hint]).*mark) return m_items[hint];
    for (size_t i = 0; i < m_items.size(); ++i) {
        if ((*m_items[i]).*mark) {
            hint = i;
            return m_items[i];
        }
    }
    return nullptr;
}

void PlayList::countKey(const QString& key, int change) {
    const QString folded = foldedKey(key);
    int& count = m_keyCounts[folded];
    count += change;
    if (count <= 0) m_keyCounts.remove(folded);
}

MoviePtr PlayList::addAItem(const MoviePtr& item) {
    MoviePtr active = markedItem(&Movie::boolIsActItem, m_actHint);
    const bool havePlayItem = markedItem(&Movie::boolIsPlayItem, m_playHint) != nullptr;
    if (active) active->boolIsActItem = false;
    item->boolIsActItem = true;
    if (!havePlayItem) item->boolIsPlayItem = true;
    m_items.push_back(item);
    countKey(item->strFlag, 1);
    m_actHint = m_items.size() - 1;
    if (!havePlayItem) m_playHint = m_actHint;
    return active;
}

long PlayList::lngItemsWithFlag(const QString& key) const {
    return m_keyCounts.value(foldedKey(key), 0);
}

void PlayList::setItemFlag(const MoviePtr& item, const QString& key) {
    countKey(item->strFlag, -1);
    item->strFlag = key;
    countKey(key, 1);
}

bool PlayList::deleteAItem(const QString& key, MoviePtr& oldActItem, MoviePtr& newActItem,
                           bool& boolWasPlayItem) {
    const long k = indexOf(key);
    if (k < 0) return false;
    boolWasPlayItem = m_items[k]->boolIsPlayItem;
    countKey(m_items[k]->strFlag, -1);
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
    m_keyCounts.clear();
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
    if (!m_keyCounts.contains(foldedKey(key))) return -1;
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

bool PlayList::boolGetPlayListFromPLDB(QString& strErrInfo) {
    m_boolLoadFailed = !readStoredList(strErrInfo);
    return !m_boolLoadFailed;
}

// The rows are read one by one into items, without a copy of the table in between.
bool PlayList::readStoredList(QString& strErrInfo) {
    clearList();
    DbConnection db;
    if (!db.open(m_strPLDBFilePath, strErrInfo)) return false;
    const auto select = db.prepare(QStringLiteral("select flag_for_play_list, file_name, file_path, "
                                                  "is_play_item from play_list order by item_order"),
                                   strErrInfo);
    if (!select) return false;
    bool havePlayItem = false;
    strErrInfo.clear();
    while (select->next(strErrInfo)) {
        auto item = std::make_shared<Movie>(select->text(0));
        item->strFileName = select->text(1);
        item->strFilePath = select->text(2);
        const auto isPlayItem = optFieldNumber(select->value(3));
        item->boolIsPlayItem = isPlayItem && *isPlayItem == 1.0;
        havePlayItem = havePlayItem || item->boolIsPlayItem;
        countKey(item->strFlag, 1);
        m_items.push_back(std::move(item));
    }
    if (!strErrInfo.isEmpty()) {
        clearList();
        return false;
    }
    if (!havePlayItem && !m_items.empty()) m_items.front()->boolIsPlayItem = true;
    return true;
}

// One transaction: the old rows go and the new ones come through one prepared statement, or nothing changes.
bool PlayList::boolSavePlayListToPLDB(QString& strErrInfo) {
    if (m_boolLoadFailed) {
        strErrInfo = QStringLiteral("the stored list could not be read, so it is kept as it is");
        return false;
    }
    DbConnection db;
    if (!db.open(m_strPLDBFilePath, strErrInfo)) return false;
    const auto insert =
        db.prepare(QStringLiteral("insert into play_list (flag_for_play_list, file_name, "
                                  "file_path, is_play_item, item_order) values (?, ?, ?, ?, ?)"),
                   strErrInfo);
    if (!insert || !db.exec("BEGIN IMMEDIATE", strErrInfo)) return false;
    bool saved = db.exec("delete from play_list", strErrInfo);
    for (size_t i = 0; saved && i < m_items.size(); ++i) {
        const Movie& item = *m_items[i];
        insert->bindText(1, item.strFlag);
        insert->bindText(2, item.strFileName);
        insert->bindText(3, item.strFilePath);
        insert->bindInteger(4, item.boolIsPlayItem ? 1 : 0);
        insert->bindInteger(5, static_cast<qint64>(i + 1));
        saved = insert->run(strErrInfo);
    }
    saved = saved && db.exec("COMMIT", strErrInfo);
    if (!saved) db.rollback();
    return saved;
}
