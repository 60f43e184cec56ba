#pragma once

#include <QString>
#include <QVariantList>
#include <memory>

#include "RecordSet.h"

// The one door to the database files of all three programs. Each call opens a fresh connection to an
// existing file and answers a client-side record set that owns that connection. The door never creates a
// file. Values for "where" filters travel as bound parameters ("?" in the SQL text), never inside it. A file
// that another program holds locked is waited for a bounded time, once for the connection (BusyWait).
class DataAccess {
  public:
    // The record set, or none when the file cannot be opened or the statement is refused.
    std::unique_ptr<RecordSet> objrsGetRecordSet(const QString& sql, const QString& strDBPath,
                                                 const QVariantList& params = {});
    // The same with the reason: strErrInfo is empty on success, else the description of the error.
    std::unique_ptr<RecordSet> objrsGetRecordSet1(const QString& sql, const QString& strDBPath,
                                                  QString& strErrInfo, const QVariantList& params = {});

    // Sets the three paging answers for page lngPage of lngPageSize rows and moves the record set onto that
    // page's first row. An empty record set gives zeros and stays where it is. A page or size below 1 is
    // refused: the answers become zeros and false comes back.
    bool DividePage(int lngPage, int lngPageSize, RecordSet* objrs);
    int lngGetPageCount() const { return m_lngPageCount; }
    int lngGetPresentPageNum() const { return m_lngPresentPageNum; }
    int lngGetPresentPageRecordCount() const { return m_lngPresentPageRecordCount; }

  private:
    void resetPaging();

    int m_lngPageCount = 0;
    int m_lngPresentPageNum = 0;
    int m_lngPresentPageRecordCount = 0;
};
