#include "PanelHarness.h"

#include <QLabel>
#include <QTreeView>

#include "forms/ControlerWiring.h"

PanelHarness::PanelHarness() {
    playList.setStrPLDBFilePath(db.path());
    controler.setInitializePram(db.path(), db.folder() + QStringLiteral("/SSP"));
    controler.setProcessEnder([this] { ++exits; });
    build(EngineRule::MediaPlayerOnly);
    tray = std::make_unique<frmHide>(&controler);
    panel = std::make_unique<frmMain>(&controler);
    wireControler(controler, tray.get(), panel.get(), screen.get(), &playList);
    config()->setLngPlayRuler(EngineRule::MediaPlayerOnly);
    config()->setLngRecyclePlayType(PlayRule::InOrder);
    config()->setBoolPlayNextOnErr(false);
    config()->setBoolPopuMainFaceForErr(false);
    screen->setLngPlayRuler(EngineRule::MediaPlayerOnly);
    panel->show();
    panel->initializeFace();
    panel->setFaceBySysConfigPara();
}

// The windows go before the controller they were handed to.
PanelHarness::~PanelHarness() {
    panel.reset();
    screen.reset();
    tray.reset();
}

QStringList PanelHarness::addFiles(int count, int first) {
    QStringList paths{QString()};
    for (int i = first; i < first + count; ++i) paths << makeFile(QStringLiteral("clip%1.webm").arg(i));
    controler.BatchAddMovie(paths, false);
    QTest::qWait(3);  // items of later batches get other keys
    paths.removeFirst();
    return paths;
}

namespace {
enum Column { CheckBox, Name, Path };
}

int PanelHarness::rowCount() const {
    return panel->lvPlayList->model()->rowCount();
}

QString PanelHarness::rowName(int index) const {
    return panel->lvPlayList->model()->index(index, Name).data().toString();
}

QString PanelHarness::rowPath(int index) const {
    return panel->lvPlayList->model()->index(index, Path).data().toString();
}

QStringList PanelHarness::rowNames() const {
    QStringList names;
    for (int i = 0; i < rowCount(); ++i) names << rowName(i);
    return names;
}

bool PanelHarness::rowChecked(int index) const {
    return panel->lvPlayList->model()->index(index, CheckBox).data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

// The font a cell is drawn in: its own, or else the view's.
bool PanelHarness::rowBold(int index) const {
    for (const int column : {Name, Path}) {
        const QVariant font = panel->lvPlayList->model()->index(index, column).data(Qt::FontRole);
        if (!(font.isValid() ? font.value<QFont>() : panel->lvPlayList->font()).bold()) return false;
    }
    return true;
}

bool PanelHarness::rowSelected(int index) const {
    return panel->lvPlayList->selectionModel()->isRowSelected(index);
}

int PanelHarness::selectedRow() const {
    const QModelIndexList rows = panel->lvPlayList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// The whole row, from its first column to its last.
QRect PanelHarness::rowRect(int index) const {
    const QAbstractItemModel* rows = panel->lvPlayList->model();
    return panel->lvPlayList->visualRect(rows->index(index, 0)) |
           panel->lvPlayList->visualRect(rows->index(index, rows->columnCount() - 1));
}

void PanelHarness::checkRow(int index, bool checked) {
    panel->lvPlayList->model()->setData(panel->lvPlayList->model()->index(index, CheckBox),
                                        checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void PanelHarness::selectRow(int index) {
    panel->lvPlayList->setCurrentIndex(panel->lvPlayList->model()->index(index, 0));
}

void PanelHarness::playRow(int index) {
    selectRow(index);
    panel->mnuPlayMovie->trigger();
}

bool PanelHarness::waitPlaying(const QString& path, int timeoutMs) const {
    return QTest::qWaitFor(
        [&] { return screen->lngState() == PlayState::Playing && screen->strFilePath() == path; }, timeoutMs);
}

bool PanelHarness::mediaFails() {
    const qsizetype before = errors->size();
    emit media->MediaError();
    return QTest::qWaitFor([&] { return errors->size() > before; }, 5000);
}
