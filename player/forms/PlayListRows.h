#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <vector>

// The rows of the control panel's play list (lvPlayList): per row the item's key (strFlag), file name and
// path, the check box and the play-item mark, and nothing else. Column 0 is the check box, 1 the name, 2 the
// path; the play item's name and path cells are bold. Keys are found ignoring case through a hash that is
// brought up to date lazily, so that adding, removing and swapping rows stay cheap (see rowOfKey).
class PlayListRows : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { CheckColumn, NameColumn, PathColumn, ColumnCount };
    struct Row {
        QString key;
        QString name;
        QString path;
        bool checked = false;
        bool playItem = false;
    };

    explicit PlayListRows(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Only the check box changes through here: it is how the view passes on the user's click on it.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A row out of range reads as an empty row.
    const Row& row(int row) const;
    // The row holding the key, ignoring case; -1 when none does. Near constant time: each row is entered in
    // the hash once, and again only after a row above it was removed.
    int rowOfKey(const QString& key) const;
    // The first row with the play-item mark; -1 when none has it.
    int markedRow() const;

    // The program's own changes; they never raise rowCheckToggled.
    void appendRows(std::vector<Row> rows);
    void deleteRow(int row);
    void clearRows();
    // The two rows exchange everything they hold.
    void swapRows(int first, int second);
    void setPlayItemMark(int row, bool mark);
    void setAllChecked(bool checked);

  signals:
    // The user checked or unchecked the row's box.
    void rowCheckToggled(int row, bool checked);

  private:
    // A key that hashes and compares ignoring case, as QString::compare with Qt::CaseInsensitive does.
    struct NoCaseKey {
        QString text;
    };
    friend bool operator==(const NoCaseKey& a, const NoCaseKey& b);
    friend size_t qHash(const NoCaseKey& key, size_t seed);

    Row& at(int row) { return m_rows[static_cast<size_t>(row)]; }
    const Row& at(int row) const { return m_rows[static_cast<size_t>(row)]; }
    void enterNextRowInHash() const;
    void emitRowChanged(int row, int firstColumn, int lastColumn, const QList<int>& roles);

    std::vector<Row> m_rows;
    // Key -> row. Every row above m_hashedRows has its right entry; the rows from there on are entered when a
    // look-up gets to them. Removing a row sends m_hashedRows back to it, as the rows after it move up. Other
    // entries may be stale: an entry counts only for a row above m_hashedRows that holds the key.
    mutable QHash<NoCaseKey, int> m_rowOfKey;
    mutable int m_hashedRows = 0;
    // Two rows with keys equal ignoring case (only a stored list edited by hand has them): look-ups then scan
    // the rows from the top, so that the first of them is the one found, as before.
    mutable bool m_sameKeys = false;
};
