// Texts are never cut: the controls that hold long texts are sized from the font actually in use, on small
// and large screens and at double scale.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTreeWidget>

#include "forms/frmAbout.h"
#include "forms/frmSysConfig.h"
#include "support/PanelHarness.h"
#include "support/TempXdgHome.h"

namespace {
// The controls of a window whose text does not fit, each named with its text.
QStringList cutTexts(const QWidget* window) {
    QStringList cut;
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->isVisible() && button->width() < button->sizeHint().width()) cut << button->text();
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->wordWrap() && !label->text().isEmpty() &&
            label->contentsRect().width() < label->fontMetrics().horizontalAdvance(label->text()))
            cut << label->text();
    }
    for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
        if (box->isVisible() && box->isReadOnly() && !box->text().isEmpty() &&
            box->contentsRect().width() - 8 < box->fontMetrics().horizontalAdvance(box->text()))
            cut << box->text();
    }
    for (const QComboBox* combo : window->findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const int room =
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                .width();
        for (int i = 0; i < combo->count(); ++i) {
            if (room < combo->fontMetrics().horizontalAdvance(combo->itemText(i))) cut << combo->itemText(i);
        }
    }
    return cut;
}
}  // namespace

class TextsFit : public PanelFixture {};

TEST_F(TextsFit, OnThePanelInTheErrorLogAndInTheAboutBox) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    EXPECT_EQ(cutTexts(panel.get()).join(QLatin1Char('|')).toStdString(), "");

    addFiles(2);
    ASSERT_TRUE(mediaFails());
    panel->tsLists->setCurrentIndex(1);
    const QTreeWidget* log = panel->lvPlayErrLogList;
    const QTreeWidgetItem* row = log->topLevelItem(0);
    for (int column : {1, 2}) {
        EXPECT_GE(log->columnWidth(column), log->fontMetrics().horizontalAdvance(row->text(column)))
            << row->text(column).toStdString();
    }

    QString aboutCut = QStringLiteral("not shown");
    onNextModal<frmAbout>([&aboutCut](frmAbout* about) {
        aboutCut = cutTexts(about).join(QLatin1Char('|'));
        about->cmdOk->click();
    });
    panel->mnuAbout->trigger();
    EXPECT_EQ(aboutCut.toStdString(), "");
}

TEST_F(TextsFit, InBothTabsOfTheSettingsDialog) {
    TempXdgHome desktop;
    RunParameter record;
    record.colScrSavProcNames = QStringList{QStringLiteral("sarnwick")};
    frmSysConfig dialog(&controler, panel.get(), [] { return false; });
    dialog.objRunParameter = &record;
    dialog.setFaceItemByData();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(cutTexts(&dialog).join(QLatin1Char('|')).toStdString(), "");
    dialog.sstTab->setCurrentIndex(1);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.labFigureNote->isVisible(), 20000);
    EXPECT_EQ(cutTexts(&dialog).join(QLatin1Char('|')).toStdString(), "");
}
