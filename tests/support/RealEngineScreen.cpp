#include "RealEngineScreen.h"

#include <QFile>
#include <algorithm>

#include "support/BuildPaths.h"
#include "support/XTools.h"

const RealEngine kMpvEngine{
    "mpv", EngineLoader::kRealPlayer, EngineRule::RealPlayerOnly,
    QStringLiteral("Real Play无法播放该文件,请通过播放器选择列表使用Media Player重新尝试播放.")};
const RealEngine kGstEngine{
    "gstreamer", EngineLoader::kMediaPlayer, EngineRule::MediaPlayerOnly,
    QStringLiteral("Media Play无法播放该文件,请通过播放器选择列表使用Real Player重新尝试播放.")};

std::string engineName(const ::testing::TestParamInfo<const RealEngine*>& info) {
    return info.param->name;
}

RealEngineScreen::RealEngineScreen(const RealEngine& engine)
    : engine(engine), loader(built::engineFolder()) {}

void RealEngineScreen::requireEngine(const RealEngine& needed) {
    if (!QFile::exists(built::enginePlugin(needed.id)))
        GTEST_SKIP() << "the " << needed.name << " engine is not built";
    ASSERT_TRUE(loader.boolInstalled(needed.id)) << loader.strLoadError(needed.id).toStdString();
}

void RealEngineScreen::SetUp() {
    requireEngine();
    if (!IsSkipped() && !HasFatalFailure()) build(engine.onlyRule);
}

void RealEngineScreen::build(EngineRule rule, QRect rect) {
    show(loader.createRealPlayer(), loader.createMediaPlayer(), rect);
    screen->setLngPlayRuler(rule);
}

QString RealEngineScreen::mpvProperty(RealPlayerEngine* mpv, const char* name) {
    QString value;
    QMetaObject::invokeMethod(mpv, "mpvProperty", Qt::DirectConnection, Q_RETURN_ARG(QString, value),
                              Q_ARG(QString, QString::fromLatin1(name)));
    return value;
}

QObject* RealEngineScreen::engineObject() const {
    if (engine.id == EngineLoader::kMediaPlayer) return screen->wmpPlayer();
    return screen->realPlayer();
}

QString RealEngineScreen::videoOutput() const {
    if (!gst()) return mpv("current-vo");
    QString name;
    QMetaObject::invokeMethod(engineObject(), "videoSinkName", Qt::DirectConnection,
                              Q_RETURN_ARG(QString, name));
    return name;
}

int RealEngineScreen::videoOutputsMade() const {
    int made = -1;
    QMetaObject::invokeMethod(engineObject(), "videoOutputsMade", Qt::DirectConnection,
                              Q_RETURN_ARG(int, made));
    return made;
}

void RealEngineScreen::startClip(const char* name) {
    ASSERT_TRUE(playFile(built::media(name)));
    ASSERT_TRUE(waitForState(PlayState::Playing, 20000)) << name << ": " << lastError().toStdString();
}

void RealEngineScreen::playAndPause() {
    startClip("clip.webm");
    QTest::qWait(500);
    screen->pause();
    ASSERT_EQ(screen->lngState(), PlayState::Paused);
    QTest::qWait(500);
}

bool RealEngineScreen::waitForEnd() const {
    return QTest::qWaitFor([&] { return !overs->isEmpty() || !errors->isEmpty(); }, 20000) &&
           overs->size() == 1 && errors->isEmpty();
}

bool RealEngineScreen::waitForProgressNear(qint64 seconds) const {
    progress->clear();
    return waitForSignal(*progress, 10000) && std::abs(progress->first().at(1).toLongLong() - seconds) <= 1;
}

QImage RealEngineScreen::grab() const {
    return xtools::grab(*screen);
}

QRect RealEngineScreen::picture() const {
    return xtools::pictureBox(grab(), screen->picTimShowBack->geometry());
}

::testing::AssertionResult RealEngineScreen::pictureAt(QRect expected) const {
    const QRect box = picture();
    const int off[] = {box.left() - expected.left(), box.top() - expected.top(),
                       box.width() - expected.width(), box.height() - expected.height()};
    if (std::all_of(std::begin(off), std::end(off), [](int d) { return std::abs(d) <= 3; }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the picture lies at " << box.x() << "," << box.y() << " "
                                         << box.width() << "x" << box.height();
}

bool RealEngineScreen::click(QPoint local, int button, int repeat) const {
    return xtools::click(screen->mapToGlobal(local), button, repeat);
}
