#include "platform/classes/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> gEvents;

// Logs its destruction and the removals it hears of, and keeps a reference
// that it clears when the referenced component goes.
class TProbe : public TComponent {
    VISTRA_CLASS(TProbe, TComponent)
    TProbe(TComponent* owner, std::string name) : TComponent(owner) { SetName(name); }
    ~TProbe() override { gEvents.push_back("free " + Name()); }

    void Watch(TComponent* other)
    {
        Ref = other;
        FreeNotification(other);
    }
    TComponent* Ref = nullptr;
    int LoadedCalls = 0;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == Ref) {
            gEvents.push_back(Name() + " hears " + AComponent->Name() + " go");
            Ref = nullptr;
        }
    }
    void Loaded() override
    {
        TComponent::Loaded();
        ++LoadedCalls;
        EXPECT_FALSE(ComponentState().Contains(csLoading));
    }
};

} // namespace

TEST(Component, OwnerFreesInReverseOrderAndFindsByName)
{
    gEvents.clear();
    {
        auto* form = new TProbe(nullptr, "Form1");
        auto* a = new TProbe(form, "Button1");
        auto* b = new TProbe(form, "Edit1");
        new TProbe(b, "Inner");
        EXPECT_EQ(form->ComponentCount(), 2);
        EXPECT_EQ(b->ComponentIndex(), 1);
        EXPECT_EQ(form->FindComponent("bUTTON1"), a);
        EXPECT_EQ(form->FindComponent("Inner"), nullptr); // only direct children
        EXPECT_EQ(form->FindComponent(""), nullptr);
        EXPECT_EQ(a->Owner(), form);
        EXPECT_THROW(form->Components(2), EListError);
        delete form;
    }
    // Each destructor body runs before its owned components are freed.
    EXPECT_EQ(gEvents, (std::vector<std::string>{"free Form1", "free Edit1", "free Inner", "free Button1"}));
}

TEST(Component, NamesAreValidatedAmongSiblings)
{
    TComponent owner(nullptr);
    TComponent a(nullptr), b(nullptr);
    owner.InsertComponent(&a);
    owner.InsertComponent(&b);
    a.SetName("Grid1");
    EXPECT_THROW(b.SetName("GRID1"), EComponentError);
    EXPECT_NO_THROW(a.SetName("grid1")); // renaming itself in another case is fine
    for (const char* bad : {"1abc", "a b", "a-b", "é"})
        EXPECT_THROW(b.SetName(bad), EComponentError) << bad;
    try {
        b.SetName("Grid1");
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "A component named Grid1 already exists");
    }
    b.SetName("_x9");
    EXPECT_EQ(b.Name(), "_x9");
    owner.RemoveComponent(&a);
    owner.RemoveComponent(&b);
}

TEST(Component, FreeNotificationAcrossOwnersAndAmongSiblings)
{
    gEvents.clear();
    auto* form1 = new TProbe(nullptr, "Form1");
    auto* form2 = new TProbe(nullptr, "Form2");
    auto* list = new TProbe(form1, "List");
    auto* grid = new TProbe(form2, "Grid");
    auto* label = new TProbe(form2, "Label");
    grid->Watch(list);  // other owner: free notification
    label->Watch(grid); // same owner: heard through the owner

    delete list;
    EXPECT_EQ(grid->Ref, nullptr);
    delete grid;
    EXPECT_EQ(label->Ref, nullptr);
    EXPECT_EQ(gEvents, (std::vector<std::string>{"free List", "Grid hears List go", "free Grid", "Label hears Grid go"}));

    // A notification asked for and withdrawn is not delivered.
    auto* other = new TProbe(form1, "Other");
    label->Watch(other);
    label->RemoveFreeNotification(other);
    delete other;
    EXPECT_EQ(label->Ref, other);
    delete form1;
    delete form2;
}

TEST(Component, InsertingMovesOwnershipAndRefusesCycles)
{
    TComponent first(nullptr), second(nullptr);
    auto* child = new TComponent(&first);
    child->SetName("Child");
    second.InsertComponent(child);
    EXPECT_EQ(first.ComponentCount(), 0); // not owned twice
    EXPECT_EQ(child->Owner(), &second);
    EXPECT_THROW(child->InsertComponent(&second), EComponentError);
    EXPECT_THROW(child->InsertComponent(child), EComponentError);

    auto* clash = new TComponent(nullptr);
    clash->SetName("child");
    EXPECT_THROW(second.InsertComponent(clash), EComponentError);
    EXPECT_EQ(clash->Owner(), nullptr);
    delete clash;
}

TEST(Component, DestroyingAndLoadingStates)
{
    TProbe form(nullptr, "Form");
    auto* child = new TProbe(&form, "Child");
    form.BeginLoading();
    EXPECT_TRUE(child->ComponentState().Contains(csLoading));
    form.EndLoading();
    EXPECT_EQ(form.LoadedCalls, 1);
    EXPECT_EQ(child->LoadedCalls, 1);
    EXPECT_FALSE(child->ComponentState().Contains(csDesigning));

    form.Destroying();
    EXPECT_TRUE(child->ComponentState().Contains(csDestroying));
}
