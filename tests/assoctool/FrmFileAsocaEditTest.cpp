// The association window over a settings database with the shipped media types and a key tree of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>

#include "assoc/FileAsocaList.h"
#include "assoc/RegAccess.h"
#include "assoctool/frmFileAsocaEdit.h"
#include "platform/Twips.h"
#include "support/AssocFolder.h"

namespace {
int pixels(double twips) {
    return static_cast<int>(lngPixelsFromTwips(twips, twipsPerPixelX()));
}

QString stored(const QString& path) {
    QString value, error;
    long type = 0;
    return RegAccess().boolRegRead(path, value, error, type) ? value : QStringLiteral("<none>");
}

void moveOver(QWidget* widget) {
    const QPointF at(10, 10);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

class AssocEdit : public ::testing::Test {
  protected:
    std::vector<Qt::CheckState> checks() const {
        std::vector<Qt::CheckState> states;
        for (int i = 0; i < form.lvFA->topLevelItemCount(); ++i)
            states.push_back(form.lvFA->topLevelItem(i)->checkState(0));
        return states;
    }
    std::vector<Qt::CheckState> all(Qt::CheckState state) const {
        return std::vector<Qt::CheckState>(form.lvFA->topLevelItemCount(), state);
    }
    bool buttonsEnabled() const {
        return form.cmdSelectAll->isEnabled() && form.cmdUnselectAll->isEnabled() &&
               form.cmdSetBySysValue->isEnabled() && form.cmdNext->isEnabled();
    }
    bool buttonsDisabled() const {
        return !form.cmdSelectAll->isEnabled() && !form.cmdUnselectAll->isEnabled() &&
               !form.cmdSetBySysValue->isEnabled() && !form.cmdNext->isEnabled();
    }

    AssocFolder folder;
    TempKeyTree keys{folder.root()};
    frmFileAsocaEdit form{folder.programFolder()};
};
}  // namespace

TEST_F(AssocEdit, LoadingRegistersEveryTypeAndListsItCheckedUnderTheLoadingNote) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("文件关联设置"));
    EXPECT_EQ(form.cmdSelectAll->text(), QStringLiteral("全部选中"));
    EXPECT_EQ(form.cmdUnselectAll->text(), QStringLiteral("全部取消"));
    EXPECT_EQ(form.cmdSetBySysValue->text(), QStringLiteral("恢复初值"));
    EXPECT_EQ(form.cmdNext->text(), QStringLiteral("下一步"));
    form.show();
    EXPECT_TRUE(form.picNote1->isVisible());
    EXPECT_EQ(form.labNote1->text(), QStringLiteral("正在加载文件关联信息。。。"));

    bool noteWhileLoading = false, buttonsOffWhileLoading = false;
    QTimer::singleShot(0, [&] {
        noteWhileLoading = form.picNote1->isVisible();
        buttonsOffWhileLoading = buttonsDisabled();
    });
    form.intilReg();
    EXPECT_TRUE(noteWhileLoading);
    EXPECT_TRUE(buttonsOffWhileLoading);
    EXPECT_FALSE(form.picNote1->isVisible());
    EXPECT_TRUE(buttonsEnabled());
    EXPECT_EQ(form.focusWidget(), form.cmdNext);

    const FileAsocaList* list = form.objFileAsocaList();
    ASSERT_GT(list->lngGetListCount(), 40);
    ASSERT_EQ(form.lvFA->topLevelItemCount(), list->lngGetListCount());
    for (long i = 1; i <= list->lngGetListCount(); ++i) {
        const FileAsoca* record = list->objGetAFileAsocaObjByIndex(i);
        const QTreeWidgetItem* row = form.lvFA->topLevelItem(static_cast<int>(i - 1));
        const QString extension = record->strAppAsocaKeyName();
        EXPECT_EQ(row->data(0, Qt::UserRole).toString(), extension);
        EXPECT_EQ(row->text(0), extension);
        EXPECT_EQ(row->text(1), extension);
        EXPECT_EQ(row->text(2), record->strDescriptionInfo());
        EXPECT_TRUE(record->boolAssociate()) << extension.toStdString();
        EXPECT_EQ(row->checkState(0), Qt::Checked) << extension.toStdString();
        EXPECT_EQ(stored(QStringLiteral("HKCR\\") + extension + QLatin1Char('\\')), record->strAppIdKeyName());
    }
}

TEST_F(AssocEdit, TheCheckBoxColumnGoesBackTo285TwipsWhenThePointerMovesOverTheList) {
    form.show();
    const QTreeWidgetItem* header = form.lvFA->headerItem();
    EXPECT_EQ(header->text(0), QString());
    EXPECT_EQ(header->text(1), QStringLiteral("文件后缀名"));
    EXPECT_EQ(header->text(2), QStringLiteral("说明"));
    EXPECT_EQ(form.lvFA->columnWidth(0), pixels(285));
    EXPECT_EQ(form.lvFA->columnWidth(1), pixels(1200));
    EXPECT_EQ(form.lvFA->columnWidth(2), form.lvFA->width());

    // Later resizes leave the columns as the user set them.
    form.lvFA->setColumnWidth(1, 200);
    form.resize(form.width() + 50, form.height());
    EXPECT_EQ(form.lvFA->columnWidth(1), 200);

    for (const int drifted : {pixels(285) + 30, 3}) {
        form.lvFA->setColumnWidth(0, drifted);
        moveOver(form.lvFA->viewport());
        EXPECT_EQ(form.lvFA->columnWidth(0), pixels(285));
    }
    EXPECT_EQ(form.lvFA->columnWidth(1), 200);
}

TEST_F(AssocEdit, SelectAllClearAllAndRestoreInitialValues) {
    form.show();
    form.intilReg();
    form.cmdUnselectAll->click();
    EXPECT_EQ(checks(), all(Qt::Unchecked));
    form.cmdSetBySysValue->click();  // the records still hold what loading left
    EXPECT_EQ(checks(), all(Qt::Checked));
    form.cmdUnselectAll->click();
    form.cmdSelectAll->click();
    EXPECT_EQ(checks(), all(Qt::Checked));
}

TEST_F(AssocEdit, NextWithEveryRowClearedReleasesEveryTypeButKeepsThePlayersKeys) {
    // Two players on the desktop: ".avi" was mpv's before, the others had no owner and go to the first
    // fallback owner.
    for (const char* path : {"HKCR\\vlc\\", "HKCR\\mpv\\", "HKCR\\.avi\\"}) {
        QString error;
        long type = 0;
        const QString value = QLatin1String(path).contains(QLatin1String(".avi")) ? QStringLiteral("mpv")
                                                                                   : QStringLiteral("0");
        ASSERT_TRUE(RegAccess().boolRegWrite(QLatin1String(path), value, error, type)) << error.toStdString();
    }
    form.show();
    form.intilReg();
    form.cmdUnselectAll->click();
    QSignalSpy ends(&form, &frmFileAsocaEdit::ProgramEnds);
    bool noteWhileSaving = false, busyWhileSaving = false, buttonsOffWhileSaving = false;
    QTimer::singleShot(0, [&] {
        noteWhileSaving = form.picNote1->isVisible() &&
                          form.labNote1->text() == QStringLiteral("正在保存文件关联信息。。。");
        busyWhileSaving = QApplication::overrideCursor() &&
                          QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        buttonsOffWhileSaving = buttonsDisabled();
    });
    form.cmdNext->click();
    EXPECT_TRUE(noteWhileSaving);
    EXPECT_TRUE(busyWhileSaving);
    EXPECT_TRUE(buttonsOffWhileSaving);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(ends.count(), 1);
    EXPECT_FALSE(form.isVisible());

    const FileAsocaList* list = form.objFileAsocaList();
    const QString playerId = list->objGetAFileAsocaObjByIndex(1)->strAppIdKeyName();
    for (long i = 1; i <= list->lngGetListCount(); ++i) {
        const FileAsoca* record = list->objGetAFileAsocaObjByIndex(i);
        const QString extension = record->strAppAsocaKeyName();
        EXPECT_FALSE(record->boolAssociate()) << extension.toStdString();
        EXPECT_EQ(stored(QStringLiteral("HKCR\\") + extension + QLatin1Char('\\')),
                  extension == QLatin1String(".avi") ? QStringLiteral("mpv") : QStringLiteral("vlc"))
            << extension.toStdString();
    }
    EXPECT_TRUE(stored(QStringLiteral("HKCR\\") + playerId + QStringLiteral("\\shell\\open\\command\\"))
                    .contains(QStringLiteral("/FileAssocia/kestrune-open")));
    // What the records hold now is what restoring shows.
    form.cmdSetBySysValue->click();
    EXPECT_EQ(checks(), all(Qt::Unchecked));
}

TEST_F(AssocEdit, AnUnreadableDatabaseListsNothingAndSavesNothing) {
    QFile database(folder.databasePath());
    ASSERT_TRUE(database.open(QIODevice::WriteOnly | QIODevice::Truncate));
    database.write(QByteArray(4096, 'x'));
    database.close();
    form.show();
    form.intilReg();
    EXPECT_EQ(form.lvFA->topLevelItemCount(), 0);
    EXPECT_TRUE(buttonsEnabled());
    form.cmdSelectAll->click();
    QSignalSpy ends(&form, &frmFileAsocaEdit::ProgramEnds);
    form.cmdNext->click();
    EXPECT_EQ(ends.count(), 1);
    EXPECT_FALSE(QFile::exists(keys.store().filePath()));
}
