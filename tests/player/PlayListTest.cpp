#include <gtest/gtest.h>

#include "model/PlayList.h"

namespace {
MoviePtr item(const QString& flag) {
    auto movie = std::make_shared<Movie>(flag);
    movie->strFilePath = QStringLiteral("/media/") + flag;
    return movie;
}

// A list of items "A", "B", ... in order; the first is the play and active item.
PlayList listOf(std::initializer_list<const char*> flags) {
    PlayList list;
    for (const char* flag : flags) list.addAItem(item(QString::fromLatin1(flag)));
    return list;
}

QString flagOf(const MoviePtr& movie) {
    return movie ? movie->strFlag : QStringLiteral("<none>");
}
}  // namespace

TEST(PlayList, AddingMarksTheNewItemActiveAndTheFirstPlaying) {
    PlayList list;
    const MoviePtr a = item(QStringLiteral("A"));
    EXPECT_FALSE(list.addAItem(a));
    EXPECT_TRUE(a->boolIsPlayItem && a->boolIsActItem);
    const MoviePtr b = item(QStringLiteral("B"));
    EXPECT_EQ(list.addAItem(b), a);
    EXPECT_FALSE(a->boolIsActItem);
    EXPECT_TRUE(a->boolIsPlayItem);
    EXPECT_TRUE(b->boolIsActItem);
    EXPECT_FALSE(b->boolIsPlayItem);
    EXPECT_EQ(list.lngListCount(), 2);
    EXPECT_EQ(list.objGetAItem(2), b);
    EXPECT_FALSE(list.objGetAItem(0));
    EXPECT_FALSE(list.objGetAItem(3));
}

TEST(PlayList, DeletingMovesBothMarksToTheNeighbour) {
    PlayList list = listOf({"A", "B", "C"});
    MoviePtr oldAct, newAct;
    bool wasPlay = false;
    MoviePtr ignored;
    list.setPlayItemByFlag(QStringLiteral("C"), ignored);
    ASSERT_TRUE(list.deleteAItem(QStringLiteral("c"), oldAct, newAct, wasPlay));
    EXPECT_TRUE(wasPlay);
    EXPECT_EQ(flagOf(newAct), QStringLiteral("B"));
    EXPECT_FALSE(oldAct);  // the deleted item itself was the active one
    EXPECT_TRUE(newAct->boolIsActItem && newAct->boolIsPlayItem);

    PlayList middle = listOf({"A", "B", "C"});
    ASSERT_TRUE(middle.deleteAItem(QStringLiteral("B"), oldAct, newAct, wasPlay));
    EXPECT_FALSE(wasPlay);
    EXPECT_EQ(flagOf(newAct), QStringLiteral("C"));
    EXPECT_EQ(flagOf(middle.objGetPlayItem()), QStringLiteral("A"));
    EXPECT_EQ(flagOf(middle.objGetActItem()), QStringLiteral("C"));

    PlayList single = listOf({"A"});
    ASSERT_TRUE(single.deleteAItem(QStringLiteral("A"), oldAct, newAct, wasPlay));
    EXPECT_FALSE(newAct);
    EXPECT_EQ(single.lngListCount(), 0);
    EXPECT_FALSE(single.deleteAItem(QStringLiteral("A"), oldAct, newAct, wasPlay));
    EXPECT_FALSE(middle.deleteAItem(QStringLiteral("Z"), oldAct, newAct, wasPlay));
}

TEST(PlayList, SteppingForwardAndBack) {
    PlayList list = listOf({"A", "B", "C"});
    MoviePtr old;
    StepState state = StepState::Chosen;
    EXPECT_EQ(flagOf(list.objGetNextPalyItem(false, old, state)), QStringLiteral("B"));
    EXPECT_EQ(flagOf(old), QStringLiteral("A"));
    list.objGetNextPalyItem(false, old, state);
    EXPECT_FALSE(list.objGetNextPalyItem(false, old, state));
    EXPECT_EQ(state, StepState::AtLast);
    EXPECT_EQ(flagOf(list.objGetPlayItem()), QStringLiteral("C"));
    state = StepState::Chosen;
    EXPECT_EQ(flagOf(list.objGetNextPalyItem(true, old, state)), QStringLiteral("A"));
    EXPECT_EQ(state, StepState::Chosen);
    EXPECT_FALSE(list.objGetPreviousPalyItem(false, old, state));
    EXPECT_EQ(state, StepState::AtFirst);
    EXPECT_EQ(flagOf(list.objGetPreviousPalyItem(true, old, state)), QStringLiteral("C"));

    PlayList empty;
    state = StepState::Chosen;
    EXPECT_FALSE(empty.objGetNextPalyItem(true, old, state));
    EXPECT_EQ(state, StepState::Empty);

    PlayList one = listOf({"A"});
    EXPECT_EQ(flagOf(one.objGetNextPalyItem(true, old, state)), QStringLiteral("A"));
    EXPECT_TRUE(one.objGetPlayItem());
}

TEST(PlayList, SteppingWithoutAPlayItemStartsAtAnEnd) {
    PlayList list = listOf({"A", "B", "C"});
    list.objGetAItem(1)->boolIsPlayItem = false;
    MoviePtr old;
    StepState state = StepState::Chosen;
    EXPECT_EQ(flagOf(list.objGetNextPalyItem(false, old, state)), QStringLiteral("A"));
    EXPECT_FALSE(old);
    list.objGetAItem(1)->boolIsPlayItem = false;
    EXPECT_EQ(flagOf(list.objGetPreviousPalyItem(false, old, state)), QStringLiteral("C"));
}

TEST(PlayList, MarksMoveByKeyIgnoringCase) {
    PlayList list = listOf({"FA", "FB"});
    MoviePtr old;
    list.setPlayItemByFlag(QStringLiteral("fb"), old);
    EXPECT_EQ(flagOf(old), QStringLiteral("FA"));
    EXPECT_EQ(flagOf(list.objGetPlayItem()), QStringLiteral("FB"));
    EXPECT_EQ(list.lngGetIndexByItemFlag(QStringLiteral("fb")), 2);
    EXPECT_EQ(list.lngGetIndexByItemFlag(QStringLiteral("nope")), 0);
    old.reset();
    list.setActItemByFlag(QStringLiteral("missing"), old);
    EXPECT_EQ(flagOf(old), QStringLiteral("FB"));
    EXPECT_FALSE(list.objGetActItem());
}

// The key counts behind the look-ups follow every change: keys that differ in case are one key, a renamed
// item leaves its old key, and deleted or cleared items hold none.
TEST(PlayList, KeyCountsFollowAddsRenamesDeletesAndClearing) {
    PlayList list = listOf({"FA", "fa", "FB"});
    EXPECT_EQ(list.lngItemsWithFlag(QStringLiteral("Fa")), 2);
    list.setItemFlag(list.objGetAItem(2), QStringLiteral("FA_"));
    EXPECT_EQ(list.lngItemsWithFlag(QStringLiteral("FA")), 1);
    EXPECT_EQ(list.lngGetIndexByItemFlag(QStringLiteral("fa_")), 2);
    MoviePtr oldAct, newAct;
    bool wasPlayItem = false;
    ASSERT_TRUE(list.deleteAItem(QStringLiteral("fA"), oldAct, newAct, wasPlayItem));
    EXPECT_EQ(list.lngItemsWithFlag(QStringLiteral("FA")), 0);
    EXPECT_EQ(list.lngGetIndexByItemFlag(QStringLiteral("FB")), 2);
    list.clearList();
    EXPECT_EQ(list.lngItemsWithFlag(QStringLiteral("FB")), 0);
    EXPECT_EQ(list.lngGetIndexByItemFlag(QStringLiteral("FB")), 0);
}

TEST(PlayList, MovingUpAndDown) {
    PlayList list = listOf({"A", "B", "C"});
    MoviePtr swapped;
    EXPECT_FALSE(list.moveAItemUpDown(MoveDirection::Up, QStringLiteral("A"), swapped));
    EXPECT_FALSE(swapped);
    EXPECT_EQ(flagOf(list.objGetActItem()), QStringLiteral("A"));
    EXPECT_TRUE(list.moveAItemUpDown(MoveDirection::Down, QStringLiteral("A"), swapped));
    EXPECT_EQ(flagOf(swapped), QStringLiteral("B"));
    EXPECT_EQ(flagOf(list.objGetAItem(2)), QStringLiteral("A"));
    EXPECT_FALSE(list.moveAItemUpDown(MoveDirection::Down, QStringLiteral("C"), swapped));
    EXPECT_FALSE(list.moveAItemUpDown(MoveDirection{3}, QStringLiteral("B"), swapped));
    EXPECT_FALSE(list.moveAItemUpDown(MoveDirection::Up, QStringLiteral("Z"), swapped));
}
