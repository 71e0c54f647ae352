// Mouse behaviour of the string grid.
#pragma once

#include "grid/base/GridEnums.h"
#include "grid/base/GridEvents.h"
#include "grid/base/SettingsOption.h"
#include "platform/classes/Object.h"

#include <memory>

class TStringList;
class TStrings;

// The options whose setters only store (type, name, default).
#define VISTRA_MOUSE_OPTIONS(X)                              \
    X(bool, AllColumnSize, false)                            \
    X(bool, AllRowSize, false)                               \
    X(bool, AllSelect, false)                                \
    X(bool, AutoSizeColOnDblClick, true)                     \
    X(bool, CaretPositioning, false)                         \
    X(bool, CheckAllCheck, false)                            \
    X(bool, ColSelect, false)                                \
    X(bool, DirectComboClose, false)                         \
    X(bool, DirectComboDrop, false)                          \
    X(bool, DirectDateClose, false)                          \
    X(bool, DirectDateDrop, false)                           \
    X(bool, DirectEdit, false)                               \
    X(bool, DisjunctRowSelectNoCtrl, false)                  \
    X(TGridFixedCellEdit, FixedRowsEdit, fceNone)            \
    X(TGridFixedCellEditor, FixedRowsEditor, fceEdit)        \
    X(TGridFixedCellEditor, FixedColsEditor, fceEdit)        \
    X(TGridFixedCellEdit, FixedColsEdit, fceNone)            \
    X(bool, MoveRowOnNodeClick, false)                       \
    X(bool, NoAutoRangeScroll, false)                        \
    X(bool, NodeAllExpandContract, false)                    \
    X(bool, NoScrollOnPartialRow, false)                     \
    X(bool, PreciseCheckBoxCheck, false)                     \
    X(bool, PreciseNodeClick, true)                          \
    X(bool, RangeSelectAndEdit, false)                       \
    X(bool, RowSelect, false)                                \
    X(bool, RowSelectPersistent, false)                      \
    X(bool, SelectOnRightClick, false)                       \
    X(bool, SizeFixedCol, false)                             \
    X(bool, SizeFixedRow, false)                             \
    X(int, WheelIncrement, 0)

class TMouseActions : public TPersistent {
    VISTRA_CLASS(TMouseActions, TPersistent)

    VISTRA_MOUSE_OPTIONS(VISTRA_PLAIN_OPTION)

public:
    explicit TMouseActions(TPersistent* AOwner);
    ~TMouseActions() override;

    static constexpr bool DisjunctRowSelectDefault = false;
    static constexpr bool DisjunctColSelectDefault = false;
    static constexpr bool DisjunctCellSelectDefault = false;
    static constexpr bool HotmailRowSelectDefault = false;
    static constexpr bool EditOnDblClickOnlyDefault = false;
    static constexpr TWheelAction WheelActionDefault = waMoveSelection;

    // The three disjunct selections: switching one on while the owner is being designed
    // switches the other two off; at run time they may be on together.
    bool DisjunctRowSelect() const noexcept { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool Value);
    bool DisjunctColSelect() const noexcept { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool Value);
    bool DisjunctCellSelect() const noexcept { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool Value);
    // The same field as DisjunctRowSelect, written without the design-time rule.
    bool DisjunctRowSelectDirect() const noexcept { return FDisjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool Value) noexcept { FDisjunctRowSelect = Value; }
    // Switching it on also sets DisjunctRowSelect and CheckAllCheck; fires OnInvalidate.
    bool HotmailRowSelect() const noexcept { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool Value);
    // Switching it on fires OnDisableEdit.
    bool EditOnDblClickOnly() const noexcept { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool Value);
    // Stores and notifies on change.
    TWheelAction WheelAction() const noexcept { return FWheelAction; }
    void SetWheelAction(TWheelAction Value);
    TStrings& FixedComboValues() const noexcept;
    // Copies the lines.
    void SetFixedComboValues(const TStrings& Value);

    // Copies every option but EditOnDblClickOnly, HotmailRowSelect, SizeFixedRow and
    // FixedComboValues, without notification.
    void Assign(const TPersistent* Source) override;

    TNotifyEvent OnChange;
    TIsDesigningEvent OnIsDesigning;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDisableEdit;

protected:
    TPersistent* GetOwner() const override { return FOwner; }

private:
    bool IsDesigning();
    static void Fire(const TNotifyEvent& Event, TObject* Sender);

    TPersistent* FOwner;
    bool FDisjunctRowSelect = DisjunctRowSelectDefault;
    bool FDisjunctColSelect = DisjunctColSelectDefault;
    bool FDisjunctCellSelect = DisjunctCellSelectDefault;
    bool FHotmailRowSelect = HotmailRowSelectDefault;
    bool FEditOnDblClickOnly = EditOnDblClickOnlyDefault;
    TWheelAction FWheelAction = WheelActionDefault;
    std::unique_ptr<TStringList> FFixedComboValues;
};
