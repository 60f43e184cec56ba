#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <chrono>
#include <thread>

#include "db/DataAccess.h"
#include "support/TempDatabase.h"

namespace {

std::unique_ptr<RecordSet> open(const TempDatabase& db, const QString& sql, const QVariantList& params = {}) {
    DataAccess dataAccess;
    QString error;
    auto objrs = dataAccess.objrsGetRecordSet1(sql, db.path(), error, params);
    EXPECT_TRUE(objrs) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    return objrs;
}

void fillNumbers(const TempDatabase& db, int rows) {
    db.exec(QStringLiteral("create table numbers (n integer, label text)"));
    QString sql = QStringLiteral("begin;");
    for (int i = 1; i <= rows; ++i)
        sql += QStringLiteral("insert into numbers values (%1, 'row %1');").arg(i);
    db.exec(sql + QStringLiteral("commit;"));
}

}  // namespace

TEST(DataAccess, MissingOrDamagedFileAnswersNoRecordSetAndCreatesNothing) {
    TempDatabase db;
    DataAccess dataAccess;
    QString error;
    const QString missing = db.folder() + QStringLiteral("/nothing/here.db");
    EXPECT_FALSE(dataAccess.objrsGetRecordSet1(QStringLiteral("select * from sys"), missing, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_FALSE(
        dataAccess.objrsGetRecordSet(QStringLiteral("select 1"), db.folder() + QStringLiteral("/absent")));
    EXPECT_FALSE(QFileInfo::exists(db.folder() + QStringLiteral("/absent")));

    const QString garbage = db.folder() + QStringLiteral("/garbage");
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray bytes(8192, Qt::Uninitialized);
    for (char& b : bytes) b = static_cast<char>(QRandomGenerator::global()->bounded(256));
    file.write(bytes);
    file.close();
    error.clear();
    EXPECT_FALSE(dataAccess.objrsGetRecordSet1(QStringLiteral("select * from sys"), garbage, error));
    EXPECT_FALSE(error.isEmpty());

    error.clear();
    EXPECT_FALSE(
        dataAccess.objrsGetRecordSet1(QStringLiteral("select * from no_such_table"), db.path(), error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(DataAccess, EmptyTableIsAtBothEnds) {
    TempDatabase db;
    const auto objrs = open(db, QStringLiteral("select * from play_list"));
    ASSERT_TRUE(objrs);
    EXPECT_TRUE(objrs->atBOF());
    EXPECT_TRUE(objrs->atEOF());
    EXPECT_EQ(objrs->RecordCount(), 0);
    EXPECT_TRUE(objrs->hasField(QStringLiteral("FILE_PATH")));
}

TEST(DataAccess, ResolvesTheDatabaseNameIgnoringCase) {
    TempDatabase db;
    DataAccess dataAccess;
    QString error;
    EXPECT_TRUE(dataAccess.objrsGetRecordSet1(QStringLiteral("select * from sys"),
                                              db.folder() + QStringLiteral("/sysconfig"), error))
        << error.toStdString();
}

TEST(DataAccess, MovesReadsAndWritesByColumnName) {
    TempDatabase db;
    fillNumbers(db, 3);
    auto objrs = open(db, QStringLiteral("select * from numbers order by n"));
    ASSERT_TRUE(objrs);
    EXPECT_FALSE(objrs->atBOF());
    EXPECT_EQ(objrs->field(QStringLiteral("N")).toInt(), 1);
    objrs->MoveLast();
    EXPECT_EQ(objrs->field(QStringLiteral("label")).toString(), QStringLiteral("row 3"));
    objrs->MoveNext();
    EXPECT_TRUE(objrs->atEOF());
    EXPECT_FALSE(objrs->setField(QStringLiteral("label"), QStringLiteral("x")));  // no current row
    objrs->MoveFirst();
    objrs->MovePrevious();
    EXPECT_TRUE(objrs->atBOF());

    objrs->MoveFirst();
    objrs->MoveNext();
    EXPECT_TRUE(objrs->setField(QStringLiteral("Label"), QStringLiteral("changed")));
    EXPECT_FALSE(objrs->setField(QStringLiteral("no_such_column"), 1));
    QString error;
    ASSERT_TRUE(objrs->Update(error)) << error.toStdString();
    objrs->AddNew();
    objrs->setField(QStringLiteral("n"), 4);
    objrs->setField(QStringLiteral("label"), QStringLiteral("row 4"));
    ASSERT_TRUE(objrs->UpdateBatch(error)) << error.toStdString();
    objrs->Close();

    EXPECT_EQ(db.scalar(QStringLiteral("select label from numbers where n = 2")).toString(),
              QStringLiteral("changed"));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from numbers")).toInt(), 4);
}

TEST(DataAccess, BatchUpdateWritesAllOrNothing) {
    TempDatabase db;
    db.exec(QStringLiteral("create table guarded (v text check (v <> 'bad'))"));
    auto objrs = open(db, QStringLiteral("select * from guarded"));
    ASSERT_TRUE(objrs);
    for (const char* value : {"good", "bad"}) {
        objrs->AddNew();
        objrs->setField(QStringLiteral("v"), QString::fromLatin1(value));
    }
    QString error;
    EXPECT_FALSE(objrs->UpdateBatch(error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from guarded")).toInt(), 0);
}

TEST(DataAccess, ValuesTravelAsBoundParameters) {
    TempDatabase db;
    db.exec(
        QStringLiteral("insert into file_association (app_association, description_info) "
                       "values ('.o''k', 'quoted'), ('.mp3', 'audio')"));
    const auto quoted = open(db, QStringLiteral("select * from file_association where app_association = ?"),
                             {QStringLiteral(".o'k")});
    ASSERT_TRUE(quoted);
    EXPECT_EQ(quoted->RecordCount(), 1);
    EXPECT_EQ(quoted->field(QStringLiteral("description_info")).toString(), QStringLiteral("quoted"));

    const auto injected = open(db, QStringLiteral("select * from file_association where app_association = ?"),
                               {QStringLiteral("x' or '1'='1")});
    ASSERT_TRUE(injected);
    EXPECT_TRUE(injected->atEOF());

    DataAccess dataAccess;
    QString error;
    EXPECT_FALSE(dataAccess.objrsGetRecordSet1(QStringLiteral("delete from sys; drop table play_list"),
                                               db.path(), error));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from play_list")).toInt(), 0);
}

TEST(DataAccess, StatementsWithoutRowsAnswerAnEmptyRecordSet) {
    TempDatabase db;
    fillNumbers(db, 5);
    const auto objrs = open(db, QStringLiteral("delete from numbers where n > ?"), {2});
    ASSERT_TRUE(objrs);
    EXPECT_TRUE(objrs->atEOF() && objrs->atBOF());
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from numbers")).toInt(), 2);
}

TEST(DataAccess, FilterShowsMatchingRowsOfATextColumn) {
    TempDatabase db;
    fillNumbers(db, 4);
    auto objrs = open(db, QStringLiteral("select * from numbers order by n"));
    ASSERT_TRUE(objrs);
    objrs->setFilter(QStringLiteral("label"), QStringLiteral("ROW 3"));
    EXPECT_EQ(objrs->RecordCount(), 1);
    EXPECT_EQ(objrs->field(QStringLiteral("n")).toInt(), 3);
    objrs->clearFilter();
    EXPECT_EQ(objrs->RecordCount(), 4);
}

TEST(DataAccess, DividePage) {
    TempDatabase db;
    fillNumbers(db, 25);
    DataAccess dataAccess;
    auto rows25 = open(db, QStringLiteral("select * from numbers order by n"));
    ASSERT_TRUE(rows25);
    EXPECT_TRUE(dataAccess.DividePage(5, 10, rows25.get()));
    EXPECT_EQ(dataAccess.lngGetPageCount(), 3);
    EXPECT_EQ(dataAccess.lngGetPresentPageNum(), 3);
    EXPECT_EQ(dataAccess.lngGetPresentPageRecordCount(), 5);
    EXPECT_EQ(rows25->field(QStringLiteral("n")).toInt(), 21);

    EXPECT_TRUE(dataAccess.DividePage(2, 10, rows25.get()));
    EXPECT_EQ(dataAccess.lngGetPresentPageRecordCount(), 10);
    EXPECT_EQ(rows25->field(QStringLiteral("n")).toInt(), 11);

    auto rows15 = open(db, QStringLiteral("select * from numbers where n <= 15 order by n"));
    ASSERT_TRUE(rows15);
    EXPECT_TRUE(dataAccess.DividePage(2, 10, rows15.get()));
    EXPECT_EQ(dataAccess.lngGetPresentPageNum(), 2);
    EXPECT_EQ(dataAccess.lngGetPresentPageRecordCount(), 5);

    EXPECT_FALSE(dataAccess.DividePage(0, 10, rows15.get()));
    EXPECT_EQ(dataAccess.lngGetPageCount(), 0);
    EXPECT_EQ(dataAccess.lngGetPresentPageNum(), 0);

    auto empty = open(db, QStringLiteral("select * from numbers where n > 100"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(dataAccess.DividePage(1, 10, empty.get()));
    EXPECT_EQ(dataAccess.lngGetPageCount(), 0);
    EXPECT_EQ(dataAccess.lngGetPresentPageRecordCount(), 0);
}

TEST(DataAccess, AWriterWaitsForAnotherProgramsLock) {
    TempDatabase db;
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(db.path().toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin immediate; insert into sys (volume_value) values (1)", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    std::thread releaser([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "commit", nullptr, nullptr, nullptr);
    });
    auto objrs = open(db, QStringLiteral("select * from play_list"));
    ASSERT_TRUE(objrs);
    objrs->AddNew();
    objrs->setField(QStringLiteral("file_path"), QStringLiteral("/media/a.webm"));
    QString error;
    const bool written = objrs->UpdateBatch(error);
    releaser.join();
    sqlite3_close(other);
    EXPECT_TRUE(written) << error.toStdString();
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from sys")).toInt(), 1);
}
