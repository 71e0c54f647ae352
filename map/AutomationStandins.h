// The least stand-ins for the tab, tree, list-view, header, status-panel, check-list and tab-set controls.
//
// The automation class map names these framework classes, and the window
// layer does not have them yet. Each stand-in has the class's name and
// parent chain, so the class map finds its wrapper, and only the members
// those wrappers publish, plus what a program needs to fill it. When the
// window layer gets a real control, its stand-in goes and the class map
// registers the real class in its place.
//
// They live in map::standin: the window layer's status bar already has a
// plain TStatusPanel, and the real controls will take the global names.
#pragma once

#include "platform/classes/Collection.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Types.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/ListControls.h"
#include "platform/ui/WinControl.h"

#include <memory>
#include <string>
#include <vector>

namespace map::standin {

// Tabs drawn as equal cells from the left edge: the rectangle of tab Index
// of Count, empty for an index outside the tabs.
TRect TabCellRect(int Index, int Count, int TabWidth, int TabHeight);

class TCustomTabControl : public TWinControl {
    VISTRA_CLASS(TCustomTabControl, TWinControl)

    explicit TCustomTabControl(TComponent* AOwner);

    TStrings& Tabs() noexcept { return FTabs; }
    int TabWidth() const noexcept { return FTabWidth; }
    void SetTabWidth(int Value) { FTabWidth = Value; }
    int TabHeight() const noexcept { return FTabHeight; }
    void SetTabHeight(int Value) { FTabHeight = Value; }
    TRect TabRect(int Index) const;

private:
    TStringList FTabs;
    int FTabWidth = 80;
    int FTabHeight = 20;
};

// A page of a tab control: its tab shows when the sheet's parent is a tab
// control and TabVisible is set.
class TTabSheet : public TWinControl {
    VISTRA_CLASS(TTabSheet, TWinControl)
    using TWinControl::TWinControl;

    bool TabVisible() const noexcept { return FTabVisible; }
    void SetTabVisible(bool Value) { FTabVisible = Value; }
    // The position of the sheet's tab among the shown tabs; -1 when it shows none.
    int TabIndex() const;

private:
    bool FTabVisible = true;
};

class TCustomTreeView;
class TTreeNodes;

class TTreeNode : public TPersistent {
    VISTRA_CLASS(TTreeNode, TPersistent)

    TTreeNode(TTreeNodes& Owner, TTreeNode* Parent) : FOwner(Owner), FParent(Parent) {}

    TTreeNodes& Owner() const noexcept { return FOwner; }
    TTreeNode* Parent() const noexcept { return FParent; }
    // The children; Item raises EListError for an index outside them.
    int Count() const noexcept { return static_cast<int>(FItems.size()); }
    TTreeNode* Item(int Index) const;
    bool HasChildren() const noexcept { return !FItems.empty(); }

    const std::string& Text() const noexcept { return FText; }
    void SetText(const std::string& Value) { FText = Value; }
    // The image shown while the node is selected.
    int SelectedIndex() const noexcept { return FSelectedIndex; }
    void SetSelectedIndex(int Value) { FSelectedIndex = Value; }
    // The tree view's selection: selecting a node unselects the one before.
    bool Selected() const;
    void SetSelected(bool Value);
    bool Expanded() const noexcept { return FExpanded; }
    void SetExpanded(bool Value) { FExpanded = Value; }
    // Expands the node and, with Recurse, every node below it.
    void Expand(bool Recurse);
    // Whether every node above this one is expanded.
    bool IsVisible() const;
    bool Focused() const noexcept { return FFocused; }
    void SetFocused(bool Value) { FFocused = Value; }
    // The position among its siblings, and the depth (0 for a top node).
    int Index() const;
    int Level() const;

private:
    friend class TTreeNodes;
    TTreeNodes& FOwner;
    TTreeNode* FParent;
    std::vector<std::unique_ptr<TTreeNode>> FItems;
    std::string FText;
    int FSelectedIndex = -1;
    bool FExpanded = false;
    bool FFocused = false;
};

// The nodes of one tree view.
class TTreeNodes : public TPersistent {
    VISTRA_CLASS(TTreeNodes, TPersistent)

    explicit TTreeNodes(TCustomTreeView& Owner) : FOwner(Owner) {}
    ~TTreeNodes() override;

    TCustomTreeView& Owner() const noexcept { return FOwner; }
    // A new last child of Parent, or a new last top node without one.
    TTreeNode* AddChild(TTreeNode* Parent, const std::string& Text);
    // Every node of the tree; Item counts them top to bottom as the expanded
    // tree lists them (a node, then its children), and raises EListError
    // for an index outside them.
    int Count() const;
    TTreeNode* Item(int Index) const;
    const std::vector<std::unique_ptr<TTreeNode>>& TopNodes() const noexcept { return FTopNodes; }

private:
    TCustomTreeView& FOwner;
    std::vector<std::unique_ptr<TTreeNode>> FTopNodes;
};

class TCustomTreeView : public TWinControl {
    VISTRA_CLASS(TCustomTreeView, TWinControl)

    explicit TCustomTreeView(TComponent* AOwner);
    ~TCustomTreeView() override;

    TTreeNodes& Items() noexcept { return *FItems; }
    TTreeNode* Selected() const noexcept { return FSelected; }
    // Null clears the selection; a node of another tree raises EInvalidOperation.
    void SetSelected(TTreeNode* Value);

private:
    std::unique_ptr<TTreeNodes> FItems;
    TTreeNode* FSelected = nullptr;
};

class TListItems;

class TListItem : public TPersistent {
    VISTRA_CLASS(TListItem, TPersistent)

    explicit TListItem(TListItems& Owner) : FOwner(Owner) {}

    TListItems& Owner() const noexcept { return FOwner; }
    TStrings& SubItems() noexcept { return FSubItems; }
    const std::string& Caption() const noexcept { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    bool Focused() const noexcept { return FFocused; }
    void SetFocused(bool Value) { FFocused = Value; }
    int Indent() const noexcept { return FIndent; }
    void SetIndent(int Value) { FIndent = Value; }
    bool Selected() const noexcept { return FSelected; }
    void SetSelected(bool Value) { FSelected = Value; }
    int Index() const;
    // The item's position in the list view's client area.
    int Left() const noexcept { return FPosition.X; }
    void SetLeft(int Value) { FPosition.X = Value; }
    int Top() const noexcept { return FPosition.Y; }
    void SetTop(int Value) { FPosition.Y = Value; }

private:
    TListItems& FOwner;
    TStringList FSubItems;
    std::string FCaption;
    TPoint FPosition{0, 0};
    int FIndent = 0;
    bool FFocused = false;
    bool FSelected = false;
};

class TCustomListView;

class TListItems : public TPersistent {
    VISTRA_CLASS(TListItems, TPersistent)

    explicit TListItems(TCustomListView& Owner) : FOwner(Owner) {}

    TCustomListView& Owner() const noexcept { return FOwner; }
    int Count() const noexcept { return static_cast<int>(FItems.size()); }
    // Raises EListError for an index outside the items.
    TListItem* Item(int Index) const;
    TListItem* Add();
    int IndexOf(const TListItem* Item) const;

private:
    TCustomListView& FOwner;
    std::vector<std::unique_ptr<TListItem>> FItems;
};

class TCustomListView : public TWinControl {
    VISTRA_CLASS(TCustomListView, TWinControl)

    explicit TCustomListView(TComponent* AOwner);
    ~TCustomListView() override;

    TListItems& Items() noexcept { return *FItems; }

private:
    std::unique_ptr<TListItems> FItems;
};

// A section of a header control: sections stand side by side in collection order.
class THeaderSection : public TCollectionItem {
    VISTRA_CLASS(THeaderSection, TCollectionItem)
    using TCollectionItem::TCollectionItem;

    int Width() const noexcept { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    // The left edge is where the sections before this one end.
    int Left() const;
    int Right() const { return Left() + FWidth; }

private:
    int FWidth = 50;
};

class TStatusPanel : public TCollectionItem {
    VISTRA_CLASS(TStatusPanel, TCollectionItem)
    using TCollectionItem::TCollectionItem;
};

// A list box with a check box on each item. An item's check state, header
// flag and enabled flag belong to its position in the list: they do not
// move with an item that is inserted, deleted or sorted before others.
class TCheckListBox : public TCustomListBox {
    VISTRA_CLASS(TCheckListBox, TCustomListBox)
    using TCustomListBox::TCustomListBox;

    // Each raises EListError for an index outside the items.
    bool Checked(int Index) const { return State(Index) == cbChecked; }
    void SetChecked(int Index, bool Value) { SetState(Index, Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State(int Index) const { return Flags(Index).State; }
    void SetState(int Index, TCheckBoxState Value) { Flags(Index).State = Value; }
    bool Header(int Index) const { return Flags(Index).Header; }
    void SetHeader(int Index, bool Value) { Flags(Index).Header = Value; }
    bool ItemEnabled(int Index) const { return Flags(Index).Enabled; }
    void SetItemEnabled(int Index, bool Value) { Flags(Index).Enabled = Value; }

private:
    struct TItemFlags {
        TCheckBoxState State = cbUnchecked;
        bool Header = false;
        bool Enabled = true;
    };
    const TItemFlags& Flags(int Index) const;
    TItemFlags& Flags(int Index);
    std::vector<TItemFlags> FFlags;
};

class TTabSet : public TCustomControl {
    VISTRA_CLASS(TTabSet, TCustomControl)

    explicit TTabSet(TComponent* AOwner);

    TStrings& Tabs() noexcept { return FTabs; }
    int TabWidth() const noexcept { return FTabWidth; }
    void SetTabWidth(int Value) { FTabWidth = Value; }
    int TabHeight() const noexcept { return FTabHeight; }
    void SetTabHeight(int Value) { FTabHeight = Value; }
    TRect ItemRect(int Item) const;

private:
    TStringList FTabs;
    int FTabWidth = 80;
    int FTabHeight = 20;
};

}  // namespace map::standin
