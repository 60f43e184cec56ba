#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// The saver's numbered parameters in the table pram_list of its own database file: "P1" chooses the text
// ("1" the system time, anything else the custom text), "P2" holds the custom text. They are loaded into a
// list (index 0 holds nothing) that the saver windows read and the parameter dialog changes and saves.
// A parameter that is not stored, or that could not be read, holds kNotExist.
class ScrSavParameters {
  public:
    static inline const QString kNotExist = QStringLiteral("__NotExist__");

    QString strScrSavProcPramFilePath() const { return m_strScrSavProcPramFilePath; }
    void setStrScrSavProcPramFilePath(const QString& value) { m_strScrSavProcPramFilePath = value; }

    // Creates an empty parameter database at the path when there is no file there; errors are ignored (the
    // saver then runs on its defaults).
    void createDBIfNotExist();
    // Loads parameters 1..lngPramCount. False, with every parameter missing, when the database does not
    // open; false with an empty list for a count below 1.
    bool boolGetPramsFromFile(std::int32_t lngPramCount, QString& strErrInfo);
    std::int32_t lngGetPramCount() const { return static_cast<std::int32_t>(m_astrPrams.size()) - 1; }
    // Index 1..count: the value and true; else kNotExist and false.
    bool boolGetAPramByIndex(std::int32_t lngIndex, QString& strPramValue) const;
    // Index 1..count: stored and true; else false.
    bool boolSetAPramByIndex(std::int32_t lngIndex, const QString& strV);
    // Writes every loaded parameter, all in one transaction, texts whole whatever their length.
    bool boolSavePramsToDB(QString& strErrInfo);

    // The value of a parameter, kNotExist when out of range.
    QString strPram(std::int32_t lngIndex) const;

  private:
    QString m_strScrSavProcPramFilePath;
    QStringList m_astrPrams{QString()};
};
