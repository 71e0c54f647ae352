#include "platform/classes/Collection.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class TPin;

// Records its hooks the way a map's marker list turns them into page calls.
class TPins : public TCollection {
    VISTRA_CLASS(TPins, TCollection)
    explicit TPins(std::vector<std::string>& log);
    ~TPins() override { DestroyItems(); }

    std::vector<std::string>& Log;

protected:
    void Update(TCollectionItem* Item) override;
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override;
};

class TPin : public TCollectionItem {
    VISTRA_CLASS(TPin, TCollectionItem)
    explicit TPin(TCollection* c) : TCollectionItem(c), Title("Pin" + std::to_string(Index())) {}

    void Assign(const TPersistent* Source) override
    {
        if (auto* pin = dynamic_cast<const TPin*>(Source)) {
            Title = pin->Title;
            Changed(true);
            return;
        }
        TCollectionItem::Assign(Source);
    }
    void Touch() { Changed(false); }

    std::string Title;
};

TPins::TPins(std::vector<std::string>& log) : TCollection(ItemClassOf<TPin>()), Log(log) {}

void TPins::Update(TCollectionItem* Item)
{
    Log.push_back(Item == nullptr ? "update(all)" : "update(" + static_cast<TPin*>(Item)->Title + ")");
}

void TPins::Notify(TCollectionItem* Item, TCollectionNotification Action)
{
    static const char* names[] = {"added", "extracting", "deleting"};
    Log.push_back(std::string(names[Action]) + "(" + std::to_string(Item->Index()) + " of " +
                  std::to_string(Count()) + ")");
}

} // namespace

TEST(Collection, HookOrderOfAddInsertAndItemChange)
{
    std::vector<std::string> log;
    TPins pins(log);
    auto* first = static_cast<TPin*>(pins.Add());
    EXPECT_EQ(first->Title, "Pin0"); // the constructor already knows its index
    pins.Insert(0);
    first->Touch();
    pins.BeginUpdate();
    first->Touch(); // an item's change inside an update block is not reported
    pins.EndUpdate();
    EXPECT_EQ(pins.Log, (std::vector<std::string>{
                            "added(0 of 1)", "update(all)",                 // Add
                            "added(1 of 2)", "update(all)", "update(all)",  // Insert: add, then move
                            "update(Pin0)",                                  // item change
                            "update(all)",                                   // EndUpdate
                        }));
    EXPECT_EQ(first->Index(), 1);
}

TEST(Collection, HookOrderOfRemovals)
{
    std::vector<std::string> log;
    TPins pins(log);
    for (int i = 0; i < 3; ++i)
        pins.Add();
    pins.Log.clear();

    pins.Delete(1);
    EXPECT_EQ(pins.Log, (std::vector<std::string>{"deleting(1 of 3)", "extracting(1 of 3)", "update(all)"}));
    EXPECT_EQ(static_cast<TPin*>(pins.Items(1))->Title, "Pin2");

    pins.Log.clear();
    pins.Items(0)->Free();
    EXPECT_EQ(pins.Log, (std::vector<std::string>{"extracting(0 of 2)", "update(all)"}));

    pins.Add();
    pins.Add();
    pins.Log.clear();
    pins.Clear(); // last to first, one Update at the end
    EXPECT_EQ(pins.Log, (std::vector<std::string>{"extracting(2 of 3)", "extracting(1 of 2)",
                                                  "extracting(0 of 1)", "update(all)"}));
}

TEST(Collection, FreeingTheCollectionRemovesLastFirstWithoutUpdate)
{
    std::vector<std::string> log;
    {
        TPins pins(log);
        for (int i = 0; i < 3; ++i)
            pins.Add();
        log.clear();
    }
    EXPECT_EQ(log, (std::vector<std::string>{"extracting(2 of 3)", "extracting(1 of 2)", "extracting(0 of 1)"}));
}

TEST(Collection, AssignCopiesItemsInOneUpdateBlock)
{
    std::vector<std::string> sourceLog, log;
    TPins source(sourceLog), dest(log);
    static_cast<TPin*>(source.Add())->Title = "a";
    static_cast<TPin*>(source.Add())->Title = "b";
    dest.Add();
    dest.Log.clear();
    dest.Assign(&source);
    ASSERT_EQ(dest.Count(), 2);
    EXPECT_EQ(static_cast<TPin*>(dest.Items(1))->Title, "b");
    EXPECT_EQ(dest.Log.back(), "update(all)");
    EXPECT_EQ(std::count(dest.Log.begin(), dest.Log.end(), "update(all)"), 1);
}

TEST(Collection, IndexErrorsAndIds)
{
    std::vector<std::string> log;
    TPins pins(log);
    pins.Add();
    pins.Add();
    EXPECT_THROW(pins.Items(2), EListError);
    EXPECT_THROW(pins.Delete(-1), EListError);
    EXPECT_THROW(pins.Insert(3), EListError);
    EXPECT_EQ(pins.Count(), 2);
    try {
        pins.Items(5);
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (5)");
    }
    EXPECT_THROW(pins.Items(0)->SetIndex(2), EListError);

    pins.Delete(0);
    TCollectionItem* third = pins.Add();
    EXPECT_EQ(third->ID(), 2); // ids are never reused
    EXPECT_EQ(pins.FindItemID(1), pins.Items(0));
    EXPECT_EQ(pins.FindItemID(0), nullptr);

    pins.EndUpdate(); // unbalanced: must not block later updates
    pins.Log.clear();
    pins.Add();
    EXPECT_EQ(pins.Log.back(), "update(all)");
}

TEST(Collection, OwnedCollectionAnswersItsOwner)
{
    TPersistent owner;
    TOwnedCollection owned(&owner, ItemClassOf<TCollectionItem>());
    EXPECT_EQ(owned.Owner(), &owner);
    std::vector<std::string> log;
    TPins plain(log);
    EXPECT_EQ(plain.Owner(), nullptr);
    EXPECT_TRUE(owned.Add()->InheritsFrom("TCollectionItem"));
}
