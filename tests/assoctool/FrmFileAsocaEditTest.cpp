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
#include "support/RegistryValues.h"

namespace {
int pixels(double twips) {
    return static_cast<int>(lngPixelsFromTwips(twips, twipsPerPixelX()));
}

QString stored(const QString& key) {
    return regvalues::shown(QStringLiteral("HKCR\\") + key + QLatin1Char('\\'));
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
    // Whether the note shows `text` over disabled buttons, seen while loading or saving lets events run.
    void watchNote(const QString& text, bool& shown) {
        QTimer::singleShot(0, [this, text, &shown] {
            shown = form.picNote1->isVisible() && form.labNote1->text() == text &&
                    !form.cmdSelectAll->isEnabled() && !form.cmdUnselectAll->isEnabled() &&
                    !form.cmdSetBySysValue->isEnabled() && !form.cmdNext->isEnabled();
        });
    }

    AssocFolder folder;
    std::shared_ptr<KeyTreeStore> keys = std::make_shared<KeyTreeStore>(folder.root() + "/registry.json");
    ScopedRegistryStore keysInForce{keys};
    frmFileAsocaEdit form{folder.programFolder()};
};
}  // namespace

TEST_F(AssocEdit, LoadingRegistersEveryTypeAndListsItChecked) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("文件关联设置"));
    EXPECT_EQ((QStringList{form.cmdSelectAll->text(), form.cmdUnselectAll->text(),
                           form.cmdSetBySysValue->text(), form.cmdNext->text()}),
              (QStringList{"全部选中", "全部取消", "恢复初值", "下一步"}));
    form.show();
    bool noteWhileLoading = false;
    watchNote(QStringLiteral("正在加载文件关联信息。。。"), noteWhileLoading);
    form.intilReg();
    EXPECT_TRUE(noteWhileLoading);
    EXPECT_FALSE(form.picNote1->isVisible());
    EXPECT_TRUE(form.cmdNext->isEnabled() && form.cmdSetBySysValue->isEnabled());
    EXPECT_EQ(form.focusWidget(), form.cmdNext);

    const FileAsocaList* list = form.objFileAsocaList();
    ASSERT_GT(list->lngGetListCount(), 40);
    ASSERT_EQ(form.lvFA->topLevelItemCount(), list->lngGetListCount());
    for (long i = 1; i <= list->lngGetListCount(); ++i) {
        const FileAsoca* record = list->objGetAFileAsocaObjByIndex(i);
        const QTreeWidgetItem* row = form.lvFA->topLevelItem(static_cast<int>(i - 1));
        const QString extension = record->strAppAsocaKeyName();
        EXPECT_EQ(
            (QStringList{row->data(0, Qt::UserRole).toString(), row->text(0), row->text(1), row->text(2)}),
            (QStringList{extension, extension, extension, record->strDescriptionInfo()}));
        EXPECT_EQ(row->checkState(0), Qt::Checked) << extension.toStdString();
        EXPECT_EQ(stored(extension), record->strAppIdKeyName());
    }
}

TEST_F(AssocEdit, TheCheckBoxColumnGoesBackTo285TwipsWhenThePointerMovesOverTheList) {
    form.show();
    const QTreeWidgetItem* header = form.lvFA->headerItem();
    EXPECT_EQ((QStringList{header->text(0), header->text(1), header->text(2)}),
              (QStringList{QString(), "文件后缀名", "说明"}));
    EXPECT_EQ(form.lvFA->columnWidth(0), pixels(285));
    EXPECT_EQ(form.lvFA->columnWidth(1), pixels(1200));
    EXPECT_EQ(form.lvFA->columnWidth(2), form.lvFA->width());
    form.lvFA->setColumnWidth(1, 200);
    form.resize(form.width() + 50, form.height());  // only the first resize makes the columns
    for (const int drifted : {pixels(285) + 30, 3}) {
        form.lvFA->setColumnWidth(0, drifted);
        QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(form.lvFA->viewport(), &move);
        EXPECT_EQ(form.lvFA->columnWidth(0), pixels(285));
    }
    EXPECT_EQ(form.lvFA->columnWidth(1), 200);
}

// ".avi" was mpv's before the tool ran; the other types had no owner and go to the first fallback owner.
TEST_F(AssocEdit, NextWithEveryRowClearedReleasesEveryTypeButKeepsThePlayersKeys) {
    QString error;
    long type = 0;
    for (const auto& [path, value] :
         {std::pair{"HKCR\\vlc\\", "0"}, {"HKCR\\mpv\\", "0"}, {"HKCR\\.avi\\", "mpv"}})
        ASSERT_TRUE(RegAccess().boolRegWrite(path, value, error, type));
    form.show();
    form.intilReg();
    form.cmdSelectAll->click();
    EXPECT_EQ(checks(), all(Qt::Checked));
    form.cmdUnselectAll->click();
    form.cmdSetBySysValue->click();  // what loading left: ".avi" stays mpv's
    EXPECT_EQ(checks().front(), Qt::Checked);
    form.cmdUnselectAll->click();
    EXPECT_EQ(checks(), all(Qt::Unchecked));

    QSignalSpy ends(&form, &frmFileAsocaEdit::ProgramEnds);
    bool noteWhileSaving = false, busyWhileSaving = false;
    watchNote(QStringLiteral("正在保存文件关联信息。。。"), noteWhileSaving);
    QTimer::singleShot(0, [&] {
        busyWhileSaving =
            QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    });
    form.cmdNext->click();
    EXPECT_TRUE(noteWhileSaving && busyWhileSaving);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(ends.count(), 1);
    EXPECT_FALSE(form.isVisible());

    const FileAsocaList* list = form.objFileAsocaList();
    for (long i = 1; i <= list->lngGetListCount(); ++i) {
        const QString extension = list->objGetAFileAsocaObjByIndex(i)->strAppAsocaKeyName();
        EXPECT_FALSE(list->objGetAFileAsocaObjByIndex(i)->boolAssociate()) << extension.toStdString();
        EXPECT_EQ(stored(extension), extension == ".avi" ? "mpv" : "vlc") << extension.toStdString();
    }
    EXPECT_TRUE(stored("kestrune-brandock\\shell\\open\\command").contains("/FileAssocia/kestrune-open"));
    form.cmdSetBySysValue->click();
    EXPECT_EQ(checks(), all(Qt::Unchecked));
}
