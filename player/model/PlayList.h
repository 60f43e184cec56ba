#pragma once

#include <QHash>
#include <QString>
#include <vector>

#include "Movie.h"
#include "PlayerCodes.h"

// The player's ordered play list (positions 1..count) with one play item and at most one active (selected)
// item. Keys are item flags, compared ignoring case; the list counts its items by key, so that a key no item
// holds is answered without a walk through the list. Stored in table "play_list" of the settings database.
class PlayList {
  public:
    // Appends the item, makes it the active item (and the play item when there is none); answers the item
    // that was active before, or none.
    MoviePtr addAItem(const MoviePtr& item);
    // Removes the first item with the key; its neighbour becomes active (and the play item when the removed
    // one was). False, with the outputs untouched, when no item has the key.
    bool deleteAItem(const QString& key, MoviePtr& oldActItem, MoviePtr& newActItem, bool& boolWasPlayItem);
    void clearList();

    // Stepping writes what it found to the state (the caller passes it in as StepState::Chosen).
    MoviePtr objGetNextPalyItem(bool boolRecycle, MoviePtr& oldPlayItem, StepState& lngState);
    MoviePtr objGetPreviousPalyItem(bool boolRecycle, MoviePtr& oldPlayItem, StepState& lngState);
    void setPlayItemByFlag(const QString& key, MoviePtr& oldPlayItem);
    void setActItemByFlag(const QString& key, MoviePtr& oldActItem);

    long lngListCount() const { return static_cast<long>(m_items.size()); }
    MoviePtr objGetAItem(long position) const;
    MoviePtr objGetPlayItem() const;
    MoviePtr objGetActItem() const;
    long lngGetIndexByItemFlag(const QString& key) const;
    // How many items hold the key.
    long lngItemsWithFlag(const QString& key) const;
    // Gives an item of the list another key.
    void setItemFlag(const MoviePtr& item, const QString& key);
    // The item becomes active even when it cannot move.
    bool moveAItemUpDown(MoveDirection direction, const QString& key, MoviePtr& swappedItem);

    const QString& strPLDBFilePath() const { return m_strPLDBFilePath; }
    void setStrPLDBFilePath(const QString& value) { m_strPLDBFilePath = value; }
    // Replaces the list by the stored one; false (and an empty list) when it cannot be read.
    bool boolGetPlayListFromPLDB(QString& strErrInfo);
    // Replaces the stored list by this one in one transaction: on any failure the stored list stays as it
    // was. A stored list that could not be read is never written over: after a failed load nothing is
    // stored.
    bool boolSavePlayListToPLDB(QString& strErrInfo);
    // True after a load that could not read the stored list, until a load that could.
    bool boolLoadFailed() const { return m_boolLoadFailed; }

  private:
    // Index of the first item with the key, or -1.
    long indexOf(const QString& key) const;
    // The item holding the mark, found first where it was last seen (a list holds one play item and at most
    // one active item, so appending to a long list looks at one item, not at all of them).
    MoviePtr markedItem(bool Movie::*mark, size_t& hint) const;
    void countKey(const QString& key, int change);
    MoviePtr stepPlayItem(bool forward, bool boolRecycle, MoviePtr& oldPlayItem, StepState& lngState);
    void moveMark(bool Movie::*mark, const QString& key, MoviePtr& oldHolder);

    bool readStoredList(QString& strErrInfo);

    std::vector<MoviePtr> m_items;
    QHash<QString, int> m_keyCounts;  // case-folded key -> items holding it
    mutable size_t m_playHint = 0;
    mutable size_t m_actHint = 0;
    QString m_strPLDBFilePath;
    bool m_boolLoadFailed = false;
};
