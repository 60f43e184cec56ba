// What the running player does with strings from later starts, and the record they travel in.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QtEndian>

#include "app/M1.h"
#include "handover/InstanceRecord.h"

using namespace instancerecord;

TEST(InstanceRecord, CarriesUpTo999CharactersAndStopsAtTheFirstNul) {
    const QString longest = QString(kMaxChars - 2, QChar(u'视')) + QStringLiteral("/a");
    const QByteArray record = buildRecord(longest);
    ASSERT_EQ(record.size(), 2008);
    EXPECT_EQ(qFromLittleEndian<quint32>(record.constData()), 1u);
    EXPECT_EQ(qFromLittleEndian<quint32>(record.constData() + 4), 2u * 999 + 1);
    EXPECT_EQ(textOfRecord(record), longest);

    EXPECT_EQ(textOfRecord(buildRecord(QStringLiteral("/x/a") + QChar(0) + QStringLiteral("b"))),
              QStringLiteral("/x/a"));
    // A longer string cannot travel whole in one record.
    EXPECT_EQ(textOfRecord(buildRecord(QString(1200, QLatin1Char('x'))))->size(), kMaxChars);
}

TEST(InstanceRecord, RefusesOtherKindsAndSurvivesBadCounts) {
    QByteArray record = buildRecord(QStringLiteral("-SMF"));
    qToLittleEndian<quint32>(2, record.data());
    EXPECT_FALSE(textOfRecord(record));
    EXPECT_FALSE(textOfRecord(record.left(100)));

    record = buildRecord(QStringLiteral("-SMF"));
    qToLittleEndian<quint32>(0xFFFFFFFF, record.data() + 4);
    EXPECT_EQ(textOfRecord(record), QStringLiteral("-SMF"));
    qToLittleEndian<quint32>(4, record.data() + 4);  // the count cuts the text
    EXPECT_EQ(textOfRecord(record), QStringLiteral("-S"));
}

// A whole player on a temporary program folder without engines, as the channel's receiver sees it.
class InstanceMessages : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(dir.path() + QStringLiteral("/runtime")));
        QFile::setPermissions(dir.path() + QStringLiteral("/runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path() + QStringLiteral("/runtime")));
        for (const char* name : {"a.webm", "b.webm", "c.webm"}) {
            QFile file(dir.path() + QLatin1Char('/') + QLatin1String(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    QString file(const char* name) const { return dir.path() + QLatin1Char('/') + QLatin1String(name); }
    // Without engines every file fails to play and leaves a row in the error log: the files taken, in order.
    QStringList filesTaken() const {
        QStringList paths;
        QTreeWidget* log = m1->controlPanel()->lvPlayErrLogList;
        for (int i = 0; i < log->topLevelItemCount(); ++i) paths << log->topLevelItem(i)->text(3);
        return paths;
    }

    QTemporaryDir dir;
    std::unique_ptr<M1> m1 = std::make_unique<M1>(dir.path());
};

TEST_F(InstanceMessages, TakesNothingBeforeStartUpAndOneCommandLineEvery300Ms) {
    m1->onInstanceMessage(file("a.webm"));  // still starting: dropped
    m1->Main(QString());
    m1->objControler()->setProcessEnder([] {});
    ASSERT_TRUE(m1->boolSysReady());

    m1->onInstanceMessage(file("a.webm"));
    m1->onInstanceMessage(file("b.webm"));  // inside the gate: dropped

    m1->controlPanel()->hide();
    m1->onInstanceMessage(QStringLiteral("-SMF"));  // the gate never holds back the panel
    EXPECT_TRUE(m1->controlPanel()->isVisible());

    QTest::qWait(350);
    m1->onInstanceMessage(file("c.webm"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return filesTaken().size() == 2; }, 15000));
    QTest::qWait(400);
    EXPECT_EQ(filesTaken(), (QStringList{file("a.webm"), file("c.webm")}));
}
