#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "saver/ScrSavParameters.h"

namespace {
// A store on a fresh database in a folder of its own, loaded with two parameters.
struct FreshStore {
    FreshStore() {
        store.setStrScrSavProcPramFilePath(dir.filePath(QStringLiteral("sarnwick.db")));
        store.createDBIfNotExist();
        QString error;
        EXPECT_TRUE(store.boolGetPramsFromFile(2, error)) << error.toStdString();
    }
    // The stored rows as "id=value", in key order.
    QStringList rows() const {
        sqlite3* db = nullptr;
        sqlite3_stmt* statement = nullptr;
        QStringList rows;
        sqlite3_open(store.strScrSavProcPramFilePath().toUtf8().constData(), &db);
        sqlite3_prepare_v2(db, "select pram_id, pram_value from pram_list order by pram_id", -1, &statement,
                           nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            rows << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))) +
                        '=' +
                        QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return rows;
    }
    QTemporaryDir dir;
    ScrSavParameters store;
};
}  // namespace

TEST(ScrSavParameters, FreshStoreReadsMissingAndSavesExactlyTwoRows) {
    FreshStore fresh;
    EXPECT_EQ(fresh.store.lngGetPramCount(), 2);
    QString value;
    EXPECT_TRUE(fresh.store.boolGetAPramByIndex(1, value));
    EXPECT_EQ(value, ScrSavParameters::kNotExist);
    EXPECT_EQ(fresh.store.strPram(2), ScrSavParameters::kNotExist);
    EXPECT_FALSE(fresh.store.boolGetAPramByIndex(3, value));
    EXPECT_FALSE(fresh.store.boolSetAPramByIndex(0, QStringLiteral("x")));

    ASSERT_TRUE(fresh.store.boolSetAPramByIndex(1, QStringLiteral("1")));
    QString error;
    ASSERT_TRUE(fresh.store.boolSavePramsToDB(error)) << error.toStdString();
    EXPECT_EQ(fresh.rows(), (QStringList{QStringLiteral("P1=1"), QStringLiteral("P2=__NotExist__")}));
}

// Texts of any length, the empty one and quotes included, come back whole; a table holding only P2 gets
// P1 appended and P2 updated.
TEST(ScrSavParameters, KeepsLongEmptyAndQuotedTextsWhole) {
    FreshStore fresh;
    const QString longText = QString(300, QChar(0x5C4F)) + QStringLiteral("' or '1'='1");
    fresh.store.boolSetAPramByIndex(2, longText);
    QString error;
    fresh.store.boolSavePramsToDB(error);
    {
        sqlite3* db = nullptr;
        sqlite3_open(fresh.store.strScrSavProcPramFilePath().toUtf8().constData(), &db);
        sqlite3_exec(db, "delete from pram_list where pram_id = 'P1'", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    ScrSavParameters again;
    again.setStrScrSavProcPramFilePath(fresh.store.strScrSavProcPramFilePath());
    ASSERT_TRUE(again.boolGetPramsFromFile(2, error));
    EXPECT_EQ(again.strPram(1), ScrSavParameters::kNotExist);
    EXPECT_EQ(again.strPram(2), longText);

    again.boolSetAPramByIndex(1, QStringLiteral("2"));
    again.boolSetAPramByIndex(2, QString());
    ASSERT_TRUE(again.boolSavePramsToDB(error));
    EXPECT_EQ(fresh.rows(), (QStringList{QStringLiteral("P1=2"), QStringLiteral("P2=")}));
    ASSERT_TRUE(again.boolGetPramsFromFile(2, error));
    EXPECT_EQ(again.strPram(2), QString());

    EXPECT_FALSE(again.boolGetPramsFromFile(0, error));
    EXPECT_EQ(again.lngGetPramCount(), 0);
}

// A database that cannot be made or opened (its folder is gone, or the path is a folder): every parameter
// reads missing, nothing crashes, saving fails.
TEST(ScrSavParameters, UnopenableDatabaseReadsMissing) {
    QTemporaryDir dir;
    for (const QString& path : {dir.filePath(QStringLiteral("gone/sarnwick.db")), dir.path()}) {
        ScrSavParameters store;
        store.setStrScrSavProcPramFilePath(path);
        store.createDBIfNotExist();
        QString error;
        EXPECT_FALSE(store.boolGetPramsFromFile(2, error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(store.strPram(1), ScrSavParameters::kNotExist);
        EXPECT_EQ(store.strPram(2), ScrSavParameters::kNotExist);
        EXPECT_FALSE(store.boolSavePramsToDB(error));
    }
}
