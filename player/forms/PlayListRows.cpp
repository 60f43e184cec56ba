#include "PlayListRows.h"

#include <QFont>
#include <algorithm>
#include <iterator>

namespace {
bool sameKey(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The code point as QString's case-insensitive comparison sees it.
char32_t foldedCodePoint(char32_t c) {
    if (c < 0x80) return c - U'A' < 26 ? c + (U'a' - U'A') : c;
    return QChar::toCaseFolded(c);
}
}  // namespace

bool operator==(const PlayListRows::NoCaseKey& a, const PlayListRows::NoCaseKey& b) {
    return sameKey(a.text, b.text);
}

// Texts that compare equal ignoring case fold to the same code points, so they hash alike.
size_t qHash(const PlayListRows::NoCaseKey& key, size_t seed) {
    size_t hash = seed ^ 0xcbf29ce484222325u;
    const QString& text = key.text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        hash = (hash ^ foldedCodePoint(c)) * 0x100000001b3u;
    }
    return hash;
}

PlayListRows::PlayListRows(QObject* parent) : QAbstractTableModel(parent) {}

int PlayListRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int PlayListRows::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

const PlayListRows::Row& PlayListRows::row(int row) const {
    static const Row kNoRow;
    return row >= 0 && row < rowCount() ? m_rows[static_cast<size_t>(row)] : kNoRow;
}

// The play item's name and path are bold; every other cell takes the view's font.
QVariant PlayListRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const Row& cells = at(index.row());
    const int column = index.column();
    if (role == Qt::DisplayRole) {
        if (column == NameColumn) return cells.name;
        if (column == PathColumn) return cells.path;
    } else if (role == Qt::CheckStateRole && column == CheckColumn) {
        return static_cast<int>(cells.checked ? Qt::Checked : Qt::Unchecked);
    } else if (role == Qt::FontRole && cells.playItem && column != CheckColumn) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

bool PlayListRows::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != CheckColumn ||
        index.row() >= rowCount()) {
        return false;
    }
    const bool checked = value.toInt() != Qt::Unchecked;
    Row& cells = at(index.row());
    if (cells.checked == checked) return true;
    cells.checked = checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit rowCheckToggled(index.row(), checked);
    return true;
}

Qt::ItemFlags PlayListRows::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (index.column() == CheckColumn) flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant PlayListRows::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        if (section == CheckColumn) return QString();
        if (section == NameColumn) return QStringLiteral("名称");
        if (section == PathColumn) return QStringLiteral("路径");
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

// Enters the first row not yet in the hash. Another row already entered with the same key, ignoring case,
// switches the look-ups to scanning from the top.
void PlayListRows::enterNextRowInHash() const {
    const int row = m_hashedRows++;
    const NoCaseKey key{at(row).key};
    const auto entry = m_rowOfKey.find(key);
    if (entry == m_rowOfKey.end()) {
        m_rowOfKey.insert(key, row);
    } else if (*entry < row && sameKey(at(*entry).key, key.text)) {
        m_sameKeys = true;
    } else {
        *entry = row;
    }
}

int PlayListRows::rowOfKey(const QString& key) const {
    if (key.isEmpty()) return -1;
    const auto entry = m_rowOfKey.constFind(NoCaseKey{key});
    if (!m_sameKeys && entry != m_rowOfKey.cend() && *entry < m_hashedRows && sameKey(at(*entry).key, key))
        return *entry;
    while (!m_sameKeys && m_hashedRows < rowCount()) {
        const int row = m_hashedRows;
        enterNextRowInHash();
        if (!m_sameKeys && sameKey(at(row).key, key)) return row;
    }
    if (!m_sameKeys) return -1;
    const auto found =
        std::find_if(m_rows.begin(), m_rows.end(), [&](const Row& r) { return sameKey(r.key, key); });
    return found == m_rows.end() ? -1 : static_cast<int>(found - m_rows.begin());
}

int PlayListRows::markedRow() const {
    const auto found = std::find_if(m_rows.begin(), m_rows.end(), [](const Row& r) { return r.playItem; });
    return found == m_rows.end() ? -1 : static_cast<int>(found - m_rows.begin());
}

// One insertion for the whole batch, so the view lays its rows out once.
void PlayListRows::appendRows(std::vector<Row> rows) {
    if (rows.empty()) return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
    if (m_rows.empty()) {
        m_rows = std::move(rows);
    } else {
        m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                      std::make_move_iterator(rows.end()));
    }
    endInsertRows();
}

// The rows above the removed one keep their entries; those after it are entered again when needed.
void PlayListRows::deleteRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    beginRemoveRows(QModelIndex(), row, row);
    const auto entry = m_rowOfKey.constFind(NoCaseKey{at(row).key});
    if (entry != m_rowOfKey.cend() && *entry == row) m_rowOfKey.erase(entry);
    m_rows.erase(m_rows.begin() + row);
    m_hashedRows = std::min(m_hashedRows, row);
    endRemoveRows();
}

void PlayListRows::clearRows() {
    beginResetModel();
    m_rows.clear();
    m_rowOfKey.clear();
    m_hashedRows = 0;
    m_sameKeys = false;
    endResetModel();
}

// Between two rows already entered the keys just change places in the hash. Otherwise the hash is trusted
// only above both rows, and the rows from there on are entered again, so that a key equal to one above them
// is still noticed.
void PlayListRows::swapRows(int first, int second) {
    if (first == second || first < 0 || second < 0 || first >= rowCount() || second >= rowCount()) return;
    std::swap(at(first), at(second));
    if (std::max(first, second) < m_hashedRows) {
        m_rowOfKey.insert(NoCaseKey{at(first).key}, first);
        m_rowOfKey.insert(NoCaseKey{at(second).key}, second);
    } else {
        m_hashedRows = std::min({m_hashedRows, first, second});
    }
    emitRowChanged(first, CheckColumn, PathColumn, {});
    emitRowChanged(second, CheckColumn, PathColumn, {});
}

void PlayListRows::setPlayItemMark(int row, bool mark) {
    if (row < 0 || row >= rowCount() || at(row).playItem == mark) return;
    at(row).playItem = mark;
    emitRowChanged(row, NameColumn, PathColumn, {Qt::FontRole});
}

void PlayListRows::setAllChecked(bool checked) {
    if (m_rows.empty()) return;
    for (Row& r : m_rows) r.checked = checked;
    emit dataChanged(index(0, CheckColumn), index(rowCount() - 1, CheckColumn), {Qt::CheckStateRole});
}

void PlayListRows::emitRowChanged(int row, int firstColumn, int lastColumn, const QList<int>& roles) {
    emit dataChanged(index(row, firstColumn), index(row, lastColumn), roles);
}
