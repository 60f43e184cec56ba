// The control panel's play-list rows: finding a row by its key, ignoring case, while rows are added,
// removed, swapped and cleared.
#include <gtest/gtest.h>

#include <QFont>
#include <QRandomGenerator>

#include "forms/PlayListRows.h"

namespace {
std::vector<PlayListRows::Row> rowsOf(const QStringList& keys) {
    std::vector<PlayListRows::Row> rows;
    for (const QString& key : keys)
        rows.push_back({key, key + QStringLiteral(".webm"), QStringLiteral("/m/") + key});
    return rows;
}

// The first row with the key, ignoring case, found the slow way.
int scannedRow(const PlayListRows& rows, const QString& key) {
    for (int i = 0; i < rows.rowCount(); ++i) {
        if (rows.row(i).key.compare(key, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}
}  // namespace

TEST(PlayListRows, KeysOfMixedCaseAreFoundAfterSwapsAndDeletes) {
    PlayListRows rows;
    rows.appendRows(rowsOf({"Fa1", "fB2", "FC3", "fd4", "FE5"}));
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("FD4")), 3);

    rows.swapRows(0, 3);  // both rows already looked at
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("fa1")), 3);
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("fD4")), 0);
    rows.swapRows(3, 4);  // one row not looked at yet
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("fe5")), 3);
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("FA1")), 4);
    EXPECT_EQ(rows.row(4).name, QStringLiteral("Fa1.webm"));

    rows.deleteRow(1);  // "fB2": the rows below move up
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("fb2")), -1);
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("FA1")), 3);
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("fc3")), 1);
    rows.deleteRow(3);
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("fa1")), -1);
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("Fe5")), 2);
    EXPECT_EQ(rows.rowOfKey(QString()), -1);

    rows.appendRows(rowsOf({"fA1"}));
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("FA1")), 3);
    rows.clearRows();
    EXPECT_EQ(rows.rowOfKey(QStringLiteral("fe5")), -1);
    EXPECT_EQ(rows.rowCount(), 0);
}

// Any mix of changes, keys in any case, and now and then two rows with one key (a hand-edited stored list):
// the look-up answers what a scan from the top answers.
TEST(PlayListRows, LookUpsAgreeWithAScanFromTheTopThroughAnyChanges) {
    QRandomGenerator random(20260128);
    PlayListRows rows;
    QStringList everUsed;
    const auto anyCase = [&](QString key) { return random.bounded(2) ? key.toUpper() : key.toLower(); };
    for (int step = 0; step < 10000; ++step) {
        const int n = rows.rowCount();
        const int op = random.bounded(100);
        if (op < 25 || n < 2) {
            QStringList keys;
            for (int i = random.bounded(1, 6); i > 0; --i) {
                const bool same = n > 0 && random.bounded(20) == 0;
                keys << (same ? anyCase(rows.row(random.bounded(n)).key)
                              : QStringLiteral("F2026x%1").arg(everUsed.size()));
                everUsed << keys.last();
            }
            rows.appendRows(rowsOf(keys));
        } else if (op < 50) {
            rows.deleteRow(random.bounded(n));
        } else if (op < 90) {
            rows.swapRows(random.bounded(n), random.bounded(n));
        } else if (op < 91) {
            rows.clearRows();
        }
        // Mostly keys in the list, so that the look-ups leave rows not entered in the hash yet.
        for (int probe = 0; probe < 2 && !everUsed.isEmpty(); ++probe) {
            const QString key =
                anyCase(random.bounded(4) && rows.rowCount() ? rows.row(random.bounded(rows.rowCount())).key
                                                             : everUsed.at(random.bounded(everUsed.size())));
            ASSERT_EQ(rows.rowOfKey(key), scannedRow(rows, key))
                << "step " << step << ", key " << key.toStdString();
        }
    }
}

TEST(PlayListRows, TheBoxTheMarkAndTheCellsAsTheViewReadsThem) {
    PlayListRows rows;
    rows.appendRows(rowsOf({"A", "B"}));
    rows.setPlayItemMark(1, true);
    QList<std::pair<int, bool>> toggled;
    QObject::connect(&rows, &PlayListRows::rowCheckToggled, [&](int row, bool checked) {
        toggled.append({row, checked});
    });

    EXPECT_EQ(rows.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("名称"));
    EXPECT_EQ(rows.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("路径"));
    EXPECT_EQ(rows.index(0, 1).data().toString(), QStringLiteral("A.webm"));
    EXPECT_EQ(rows.index(1, 2).data().toString(), QStringLiteral("/m/B"));
    EXPECT_FALSE(rows.index(0, 1).data(Qt::FontRole).isValid());
    EXPECT_TRUE(rows.index(1, 1).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(rows.index(1, 2).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(rows.flags(rows.index(0, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(rows.flags(rows.index(0, 1)) & Qt::ItemIsUserCheckable);

    // The user's click reaches the program; the program's own changes do not.
    rows.setData(rows.index(0, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_EQ(rows.index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    rows.setAllChecked(false);
    rows.setAllChecked(true);
    rows.swapRows(0, 1);
    EXPECT_EQ(rows.markedRow(), 0);
    rows.setData(rows.index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(toggled, (QList<std::pair<int, bool>>{{0, true}, {1, false}}));
}
