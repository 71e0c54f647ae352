// The stand-in tab, tree, list-view, header, check-list and tab-set controls.
#include "map/AutomationStandins.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace map::standin {
namespace {

void CheckIndex(int Index, int Count)
{
    if (Index < 0 || Index >= Count) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

template <class T>
int PositionIn(const std::vector<std::unique_ptr<T>>& Items, const T* Item)
{
    const auto found = std::find_if(Items.begin(), Items.end(), [Item](const auto& p) { return p.get() == Item; });
    return found == Items.end() ? -1 : static_cast<int>(found - Items.begin());
}

}  // namespace

TRect TabCellRect(int Index, int Count, int TabWidth, int TabHeight)
{
    if (Index < 0 || Index >= Count) return TRect{0, 0, 0, 0};
    return TRect{Index * TabWidth, 0, (Index + 1) * TabWidth, TabHeight};
}

// ---- Tabs

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

TRect TCustomTabControl::TabRect(int Index) const { return TabCellRect(Index, FTabs.Count(), FTabWidth, FTabHeight); }

int TTabSheet::TabIndex() const
{
    auto* tabControl = dynamic_cast<TCustomTabControl*>(Parent());
    if (!tabControl || !FTabVisible) return -1;
    int index = 0;
    for (int i = 0; i < tabControl->ControlCount(); ++i) {
        TControl* control = tabControl->Controls(i);
        if (control == this) return index;
        if (auto* sheet = dynamic_cast<TTabSheet*>(control); sheet && sheet->TabVisible()) ++index;
    }
    return -1;
}

TTabSet::TTabSet(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }

TRect TTabSet::ItemRect(int Item) const { return TabCellRect(Item, FTabs.Count(), FTabWidth, FTabHeight); }

// ---- Tree view

TTreeNode* TTreeNode::Item(int Index) const
{
    CheckIndex(Index, Count());
    return FItems[static_cast<std::size_t>(Index)].get();
}

bool TTreeNode::Selected() const { return FOwner.Owner().Selected() == this; }

void TTreeNode::SetSelected(bool Value)
{
    if (Value)
        FOwner.Owner().SetSelected(this);
    else if (Selected())
        FOwner.Owner().SetSelected(nullptr);
}

void TTreeNode::Expand(bool Recurse)
{
    // Walks the subtree with a list instead of recursion, so depth costs no stack.
    std::vector<TTreeNode*> pending{this};
    while (!pending.empty()) {
        TTreeNode* node = pending.back();
        pending.pop_back();
        node->FExpanded = true;
        if (Recurse)
            for (const auto& child : node->FItems) pending.push_back(child.get());
    }
}

bool TTreeNode::IsVisible() const
{
    for (const TTreeNode* node = FParent; node; node = node->FParent)
        if (!node->FExpanded) return false;
    return true;
}

int TTreeNode::Index() const
{
    return FParent ? PositionIn(FParent->FItems, this) : PositionIn(FOwner.TopNodes(), this);
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const TTreeNode* node = FParent; node; node = node->FParent) ++level;
    return level;
}

TTreeNodes::~TTreeNodes()
{
    // Children go before their parents, without recursion however deep the tree.
    std::vector<std::unique_ptr<TTreeNode>> pending = std::move(FTopNodes);
    while (!pending.empty()) {
        std::unique_ptr<TTreeNode> node = std::move(pending.back());
        pending.pop_back();
        if (node->FItems.empty()) continue;  // freed here
        auto children = std::move(node->FItems);
        node->FItems.clear();
        pending.push_back(std::move(node));
        for (auto& child : children) pending.push_back(std::move(child));
    }
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const std::string& Text)
{
    if (Parent && &Parent->FOwner != this) throw EInvalidOperation("The parent node belongs to another tree");
    auto& siblings = Parent ? Parent->FItems : FTopNodes;
    siblings.push_back(std::make_unique<TTreeNode>(*this, Parent));
    siblings.back()->SetText(Text);
    return siblings.back().get();
}

int TTreeNodes::Count() const
{
    int count = 0;
    std::vector<const TTreeNode*> pending;
    for (const auto& top : FTopNodes) pending.push_back(top.get());
    while (!pending.empty()) {
        const TTreeNode* node = pending.back();
        pending.pop_back();
        ++count;
        for (const auto& child : node->FItems) pending.push_back(child.get());
    }
    return count;
}

TTreeNode* TTreeNodes::Item(int Index) const
{
    // Children are pushed last to first, so the list pops them in order.
    std::vector<TTreeNode*> pending;
    for (auto it = FTopNodes.rbegin(); it != FTopNodes.rend(); ++it) pending.push_back(it->get());
    for (int position = 0; !pending.empty() && Index >= 0; ++position) {
        TTreeNode* node = pending.back();
        pending.pop_back();
        if (position == Index) return node;
        for (auto it = node->FItems.rbegin(); it != node->FItems.rend(); ++it) pending.push_back(it->get());
    }
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TTreeNodes>(*this))
{
    SetTabStop(true);
}

TCustomTreeView::~TCustomTreeView() = default;

void TCustomTreeView::SetSelected(TTreeNode* Value)
{
    if (Value && &Value->Owner() != FItems.get()) throw EInvalidOperation("The node belongs to another tree");
    FSelected = Value;
}

// ---- List view

int TListItem::Index() const { return FOwner.IndexOf(this); }

TListItem* TListItems::Item(int Index) const
{
    CheckIndex(Index, Count());
    return FItems[static_cast<std::size_t>(Index)].get();
}

TListItem* TListItems::Add()
{
    FItems.push_back(std::make_unique<TListItem>(*this));
    return FItems.back().get();
}

int TListItems::IndexOf(const TListItem* Item) const { return PositionIn(FItems, Item); }

TCustomListView::TCustomListView(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TListItems>(*this))
{
    SetTabStop(true);
}

TCustomListView::~TCustomListView() = default;

// ---- Header sections and check list

int THeaderSection::Left() const
{
    int left = 0;
    if (TCollection* sections = Collection())
        for (int i = 0; i < Index(); ++i)
            if (auto* section = dynamic_cast<const THeaderSection*>(sections->Items(i))) left += section->Width();
    return left;
}

const TCheckListBox::TItemFlags& TCheckListBox::Flags(int Index) const
{
    static const TItemFlags unset;
    CheckIndex(Index, Count());
    return static_cast<std::size_t>(Index) < FFlags.size() ? FFlags[static_cast<std::size_t>(Index)] : unset;
}

TCheckListBox::TItemFlags& TCheckListBox::Flags(int Index)
{
    CheckIndex(Index, Count());
    // Flags of items that left the list are dropped with them.
    FFlags.resize(static_cast<std::size_t>(Count()));
    return FFlags[static_cast<std::size_t>(Index)];
}

}  // namespace map::standin
