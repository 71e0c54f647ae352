// TQuillEdit: the lookup popup's filling, keys and choice, the history of
// values left in the edit, and the persistence of text and history.
#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "controls/QuillEdit.h"
#include "platform/classes/ExceptionHook.h"
#include "platform/classes/IniFiles.h"
#include "platform/classes/Registry.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScrollBars.h"

namespace {

constexpr int LeastLookupWidth = 50;
constexpr char LookupCountName[] = "LOOKUPCOUNT";
constexpr char LookupDisplayName[] = "LOOKUPDISPL";
constexpr char LookupValueName[] = "LOOKUPVAL";

// A list row carries the index of its entry in DisplayList in its object slot.
TObject* IndexObject(int Index) { return reinterpret_cast<TObject*>(static_cast<std::intptr_t>(Index)); }
int ObjectIndex(TObject* Object) { return static_cast<int>(reinterpret_cast<std::intptr_t>(Object)); }

bool Matches(const std::string& Entry, const std::string& Key, bool CaseSensitive, bool Anywhere)
{
    if (CaseSensitive) return Entry.starts_with(Key);
    const std::string entry = AnsiUpperCase(Entry);
    return Anywhere ? entry.find(Key) != std::string::npos : entry.starts_with(Key);
}

} // namespace

// ---- Popup

void TQuillEdit::UpdateLookupList()
{
    if (!FLookup.Enabled()) return;
    const std::string value = Text();
    std::string typed = value;
    int offset = 0;
    if (FLookup.Multi()) {
        if (const size_t at = value.rfind(FLookup.Separator()); at != std::string::npos) {
            typed = value.substr(at + 1);
            offset = static_cast<int>(rtl::Utf8Length(value.substr(0, at + 1)));
        }
    }
    if (static_cast<int>(rtl::Utf8Length(typed)) < FLookup.NumChars()) {
        FLookupList->HidePopup();
        return;
    }

    TListBox& list = FLookupList->ListControl();
    const std::string key = FLookup.CaseSensitive() ? typed : AnsiUpperCase(typed);
    const bool anywhere = FFullTextSearch && !FLookup.CaseSensitive();
    const TStringList& entries = FLookup.DisplayList();
    list.Items().BeginUpdate();
    list.Clear();
    for (int i = 0; i < entries.Count(); ++i)
        if (Matches(entries.Strings(i), key, FLookup.CaseSensitive(), anywhere))
            list.Items().AddObject(entries.Strings(i), IndexObject(i));
    list.Items().EndUpdate();
    const int count = list.Count();
    if (count == 0) {
        FLookupList->HidePopup();
        return;
    }
    list.SetItemIndex(0);
    list.SetTopIndex(0);
    list.SetColor(FLookup.Color());

    const int rows = std::min(count, FLookup.DisplayCount());
    int widest = LeastLookupWidth;
    for (int i = 0; i < count; ++i) widest = std::max(widest, FLookupList->EntryWidth(list.Items().Strings(i)));
    const int width = widest + 8 + (count > FLookup.DisplayCount() ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    const int height = rows * TListHintWindow::RowHeight + 4;
    const TPoint origin = ClientToScreen({0, 0});
    const int left = origin.X + PosFromChar(offset).X + 8;
    const int top = origin.Y + Height() - 6;
    FLookupList->ShowAt({left, top, left + width, top + height});
}

bool TQuillEdit::HandleLookupKey(TMessage& Message)
{
    TListBox& list = FLookupList->ListControl();
    const int last = list.Count() - 1;
    const int row = list.ItemIndex();
    auto highlight = [&](int Row) {
        list.SetItemIndex(std::clamp(Row, 0, std::max(0, last)));
        Message.Result = 1;
        return true;
    };
    switch (static_cast<unsigned short>(Message.WParam)) {
    case VK_RETURN:
        SelectLookupEntry();
        Message.Result = 1;
        return true;
    case VK_HOME: return highlight(0);
    case VK_END: return highlight(last);
    case VK_NEXT: return highlight(row + FLookup.DisplayCount());
    // Up by a page, or to the first row when less than a page lies above.
    case VK_PRIOR: return highlight(row - FLookup.DisplayCount());
    case VK_UP:
    case VK_DOWN:
        list.SetItemIndex(std::clamp(row + (Message.WParam == VK_UP ? -1 : 1), 0, std::max(0, last)));
        // The key reaches the edit cleared, so the caret stays.
        Message.WParam = 0;
        TCustomEdit::WMKeyDown(Message);
        return true;
    default: return false;
    }
}

void TQuillEdit::SelectLookupEntry()
{
    if (CanFocus() && !Focused()) SetFocus();
    FLookupList->HidePopup();
    TListBox& list = FLookupList->ListControl();
    const int row = list.ItemIndex();
    if (row < 0 || row >= list.Count()) return;
    const int index = ObjectIndex(list.Items().Objects(row));
    const TStringList& values = FLookup.ValueList();
    std::string chosen = index >= 0 && index < values.Count() ? values.Strings(index) : list.Items().Strings(row);
    if (OnLookupSelect) OnLookupSelect(this, chosen);
    if (OnLookupIndexSelect) OnLookupIndexSelect(this, index, chosen);
    if (FLookup.Multi()) {
        const std::string value = Text();
        const size_t at = value.rfind(FLookup.Separator());
        SetText((at == std::string::npos ? std::string() : value.substr(0, at + 1)) + chosen + FLookup.Separator());
        SetValueCaret(ValueLength());
    } else {
        SetText(chosen);
        SelectAll();
    }
}

void TQuillEdit::WMSysKeyDown(TMessage& Message)
{
    // Alt belongs to the menus and the window manager: it closes the popup
    // and never replaces the value with a list entry.
    if (Message.WParam == VK_MENU) FLookupList->HidePopup();
    TCustomEdit::WMSysKeyDown(Message);
}

void TQuillEdit::AddHistoryEntry()
{
    // A password never becomes a visible, stored list entry.
    if (!FLookup.Enabled() || !FLookup.History() || FEditType == etPassword) return;
    const std::string value = Trim(Text());
    if (!value.empty()) FLookup.AddEntry(value, nullptr);
}

// ---- Persistence

std::unique_ptr<TCustomIniFile> TQuillEdit::OpenPersistStore(std::string& Section) const
{
    Section = FPersistence.Section();
    if (FPersistence.Location() == plRegistry) return std::make_unique<TRegistryIniFile>(FPersistence.Key());
    if (Section.empty()) Section = Name();
    std::string file = FPersistence.Key();
    if (file.empty()) file = ChangeFileExt(Application ? Application->ExeName() : std::string(), ".INI");
    return std::make_unique<TMemIniFile>(file);
}

void TQuillEdit::SavePersist()
{
    if (!FPersistence.Enable()) return;
    try {
        std::string section;
        const std::unique_ptr<TCustomIniFile> store = OpenPersistStore(section);
        // A password is never written out in clear text.
        if (FEditType != etPassword) store->WriteString(section, Name(), DisplayText());
        if (FLookup.Enabled() && FLookup.History()) {
            const TStringList& entries = FLookup.DisplayList();
            const TStringList& values = FLookup.ValueList();
            store->WriteInteger(section, LookupCountName, entries.Count());
            for (int n = 1; n <= entries.Count(); ++n) {
                store->WriteString(section, LookupDisplayName + std::to_string(n), entries.Strings(n - 1));
                if (values.Count() >= n)
                    store->WriteString(section, LookupValueName + std::to_string(n), values.Strings(n - 1));
            }
        }
        store->UpdateFile();
    } catch (...) {
        // The edit goes on working; the failure is reported, never hidden.
        HandleException(this);
    }
}

void TQuillEdit::LoadPersist()
{
    if (!FPersistence.Enable()) return;
    try {
        std::string section;
        const std::unique_ptr<TCustomIniFile> store = OpenPersistStore(section);
        if (FLookup.Enabled() && FLookup.History()) {
            TStringList names;
            store->ReadSection(section, names);
            std::unordered_set<std::string> present;
            for (int i = 0; i < names.Count(); ++i) present.insert(AnsiUpperCase(names.Strings(i)));
            // A count larger than the entries in the section reads no further.
            const int count = std::min(store->ReadInteger(section, LookupCountName, 0), names.Count());
            for (int n = 1; n <= count; ++n) {
                const std::string display = store->ReadString(section, LookupDisplayName + std::to_string(n), "");
                if (display.empty()) continue;
                const std::string valueName = LookupValueName + std::to_string(n);
                // An empty stored value still holds its entry's place, so the
                // pairs after it stay paired.
                if (present.contains(valueName)) {
                    const std::string value = store->ReadString(section, valueName, "");
                    FLookup.AddEntry(display, &value);
                } else {
                    FLookup.AddEntry(display, nullptr);
                }
            }
        }
        const std::string text = store->ReadString(section, Name(), "@");
        if (text != "@" && FEditType != etPassword) TCustomEdit::SetText(text);
    } catch (...) {
        HandleException(this);
    }
}

void TQuillEdit::DestroyWnd()
{
    SavePersist();
    TCustomEdit::DestroyWnd();
}
