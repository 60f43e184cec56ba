#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <memory>

class FileAsocaList;

// The association window: every media type of the settings database in a list with a check box per row,
// registered for the player when the window loads (intilReg); the user picks the types to keep and goes on
// with cmdNext, which saves the choice and ends the program. No message is ever shown: a type the store
// refused shows only as a row whose check did not take.
class frmFileAsocaEdit : public QWidget {
    Q_OBJECT

  public:
    // strProgramFolder: the folder of the settings database; its parent holds "FileAssocia".
    explicit frmFileAsocaEdit(QString strProgramFolder, QWidget* parent = nullptr);
    ~frmFileAsocaEdit() override;

    // Loads the types, registers every one of them (taking over those that had no owner) and fills the list.
    void intilReg();

    void cmdSelectAll_Click();
    void cmdUnselectAll_Click();
    void cmdSetBySysValue_Click();
    void cmdNext_Click();
    void lvFA_MouseMove();

    // The records the list shows; null before intilReg.
    FileAsocaList* objFileAsocaList() const { return m_objFileAsocaList.get(); }

    QTreeWidget* lvFA;
    QPushButton* cmdSelectAll;
    QPushButton* cmdUnselectAll;
    QPushButton* cmdSetBySysValue;
    QPushButton* cmdNext;
    QFrame* picNote1;
    QLabel* labNote1;

    // Twips of the check-box column, which the user cannot change for long.
    static constexpr double kCheckColumnTwips = 285;
    static constexpr double kExtensionColumnTwips = 1200;

  signals:
    void ProgramEnds();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeColumns();
    void fillList();
    void save();
    void setButtonsEnabled(bool boolEnabled);
    void showNote();
    void placeNote();
    QTreeWidgetItem* rowByKey(const QString& strKey) const;

    QString m_strProgramFolder;
    std::unique_ptr<FileAsocaList> m_objFileAsocaList;
    bool m_boolColumnsMade = false;
};
