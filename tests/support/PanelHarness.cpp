#include "PanelHarness.h"

#include <QLabel>

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

QStringList PanelHarness::rowNames() const {
    QStringList names;
    for (int i = 0; i < rowCount(); ++i) names << row(i)->text(1);
    return names;
}

void PanelHarness::playRow(int index) {
    panel->lvPlayList->setCurrentItem(row(index));
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
