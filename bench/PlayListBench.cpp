// Saving and loading a play list of 10,000 items through the player's own code, beside the same rows written
// and read with bare SQLite statements on the same kind of file; the third figure takes turns between the two
// and reports the player's time as a multiple of bare SQLite's.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

#include "db/SettingsDatabase.h"
#include "model/PlayList.h"

namespace {

constexpr int kItems = 10000;

struct Fixture {
    QTemporaryDir dir;
    QString path;
    Fixture() {
        QString error;
        settingsdb::boolCreateIfMissing(dir.path(), error);
        path = settingsdb::strPathInProgramFolder(dir.path());
    }
};

QString pathOf(int i) {
    return QStringLiteral("/home/user/视频/series/episode %1.mkv").arg(i);
}

// The player's list of kItems items on the fixture's database, and a list that loads it back.
struct PlayerSide {
    PlayList list;
    PlayList loaded;
    explicit PlayerSide(const QString& database) {
        list.setStrPLDBFilePath(database);
        loaded.setStrPLDBFilePath(database);
        for (int i = 0; i < kItems; ++i) {
            auto movie =
                std::make_shared<Movie>(QStringLiteral("F2026128%1").arg(i, 8, 10, QLatin1Char('0')));
            movie->strFilePath = pathOf(i);
            movie->strFileName = movie->strFilePath.section(QLatin1Char('/'), -1);
            list.addAItem(movie);
        }
    }
    bool saveAndLoad(QString& error) {
        const bool done = list.boolSavePlayListToPLDB(error) && loaded.boolGetPlayListFromPLDB(error);
        benchmark::DoNotOptimize(loaded.lngListCount());
        return done;
    }
};

// The same rows as plain structures, written and read with bare SQLite statements.
struct RawSide {
    struct Row {
        QString flag, name, path;
        bool play;
    };
    std::vector<Row> rows;
    QString database;
    explicit RawSide(const QString& path) : database(path) {
        for (int i = 0; i < kItems; ++i) {
            const QString file = pathOf(i);
            rows.push_back({QStringLiteral("F2026128%1").arg(i, 8, 10, QLatin1Char('0')),
                            file.section(QLatin1Char('/'), -1), file, i == 0});
        }
    }
    void insertAndSelect() const;
};

void RawSide::insertAndSelect() const {
    sqlite3* db = nullptr;
    sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "begin; delete from play_list", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "insert into play_list values (?, ?, ?, ?, ?)", -1, &insert, nullptr);
    for (int i = 0; i < kItems; ++i) {
        const QByteArray flag = rows[i].flag.toUtf8(), name = rows[i].name.toUtf8(),
                         path = rows[i].path.toUtf8();
        sqlite3_bind_text(insert, 1, flag.constData(), flag.size(), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, name.constData(), name.size(), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, path.constData(), path.size(), SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 4, rows[i].play ? 1 : 0);
        sqlite3_bind_int(insert, 5, i + 1);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);

    std::vector<Row> back;
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db, "select * from play_list order by item_order", -1, &select, nullptr);
    while (sqlite3_step(select) == SQLITE_ROW) {
        const auto text = [select](int c) {
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(select, c)),
                                     sqlite3_column_bytes(select, c));
        };
        back.push_back({text(0), text(1), text(2), sqlite3_column_int(select, 3) == 1});
    }
    sqlite3_finalize(select);
    sqlite3_close(db);
    benchmark::DoNotOptimize(back.size());
}

void BM_PlayListSaveAndLoad(benchmark::State& state) {
    Fixture fixture;
    PlayerSide player(fixture.path);
    QString error;
    for (auto _ : state) {
        if (!player.saveAndLoad(error)) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
    }
}

void BM_RawSqliteInsertAndSelect(benchmark::State& state) {
    Fixture fixture;
    const RawSide raw(fixture.path);
    for (auto _ : state) raw.insertAndSelect();
}

// Each iteration runs bare SQLite, then the player, on one file; the counters are the medians of each side
// and the ratio of the medians.
void BM_PlayListSaveAndLoadPerRawSqlite(benchmark::State& state) {
    Fixture fixture;
    PlayerSide player(fixture.path);
    const RawSide raw(fixture.path);
    std::vector<double> rawMs, playerMs;
    QString error;
    const auto msOf = [](auto&& run) {
        const auto start = std::chrono::steady_clock::now();
        run();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    for (auto _ : state) {
        rawMs.push_back(msOf([&raw] { raw.insertAndSelect(); }));
        bool saved = true;
        playerMs.push_back(msOf([&] { saved = player.saveAndLoad(error); }));
        if (!saved) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        const size_t n = values.size();
        return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    };
    state.counters["raw_ms"] = median(rawMs);
    state.counters["player_ms"] = median(playerMs);
    state.counters["ratio"] = median(playerMs) / median(rawMs);
}

}  // namespace

BENCHMARK(BM_RawSqliteInsertAndSelect)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlayListSaveAndLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlayListSaveAndLoadPerRawSqlite)->Unit(benchmark::kMillisecond)->MinTime(4.0);
