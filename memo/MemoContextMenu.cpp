// The memo's built-in context menu and its commands, and the URL words under the mouse:
// the hand cursor over them and opening them on a click.
#include "memo/QuillMemo.h"

#include "memo/MemoText.h"
#include "memo/MemoTokenizer.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Shell.h"

namespace {

enum TMemoCommand { cmCopy = 1, cmCut = 2, cmPaste = 3, cmSelectAll = 4, cmUndo = 5, cmRedo = 6, cmDelete = 7 };

// Only addresses a browser or mail program opens on their own: a word that
// merely looks like a link (a file or a script address) is never handed on.
bool IsSafeToOpen(std::string_view Url)
{
    std::string lower(Url.substr(0, 10));
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view scheme : {"http://", "https://", "ftp://", "mailto:", "www."})
        if (lower.starts_with(scheme)) return true;
    return false;
}

} // namespace

bool TQuillCustomMemo::URLRunAt(int Line, int Col, std::string& Url) const
{
    if (!FUrlAware || Line < 0 || Line >= FLines->Count() || Col < 0) return false;
    const std::u32string text = memo::ToU32(FLines->Strings(Line));
    const TQuillCustomMemoStyler* styler = ActiveStyler();
    const char32_t literal = styler && !styler->Literal().empty() ? memo::CharAt(styler->Literal(), 0) : 0;
    int at = 0;
    for (std::u32string_view part : memo::SplitURLWords(text, true, literal)) {
        const int end = at + static_cast<int>(part.size());
        if (Col >= at && Col < end) {
            if (!memo::WordIsURL(part)) return false;
            Url = memo::ToUtf8(part);
            return true;
        }
        at = end;
    }
    return false;
}

bool TQuillCustomMemo::IsURLAt(int Line, int Col) const
{
    std::string url;
    return URLRunAt(Line, Col, url);
}

void TQuillCustomMemo::OpenURLAt(int Line)
{
    std::string url;
    if (!URLRunAt(Line, FCurX, url)) return;
    if (OnURLClick) {
        OnURLClick(this, url);
        return;
    }
    if (!IsSafeToOpen(url)) return;
    ShellOpen(url.starts_with("www.") || url.starts_with("WWW.") ? "http://" + url : url);
}

void TQuillCustomMemo::WMContextMenu(TMessage& Message)
{
    if (CanFocus() && !Focused()) SetFocus();
    TCustomControl::WMContextMenu(Message);
    if (PopupMenu() || Message.Result != 0) return;
    TPoint screen{Message.LParamLoSigned(), Message.LParamHiSigned()};
    if (ScreenToClient(screen).X <= FGutter->GutterWidth()) return;
    auto menu = std::make_unique<TPopupMenu>(this);
    auto add = [&](const std::string& Caption, TShortCut Key, int Command, bool Enabled) {
        TNotifyEvent click;
        if (Command) click = [this, Command](TObject*) { Perform(WM_COMMAND, static_cast<WPARAM>(Command)); };
        menu->Items()->Add(Caption == "-" ? NewLine() : NewItem(Caption, Key, false, Enabled, std::move(click), ""));
    };
    const bool selected = SelLength() > 0;
    add("Undo", ShortCut('Z', {ssCtrl}), cmUndo, CanUndo() && !FReadOnly);
    add("Redo", ShortCut('Y', {ssCtrl}), cmRedo, CanRedo() && !FReadOnly);
    add("-", 0, 0, true);
    add("Copy", ShortCut('C', {ssCtrl}), cmCopy, selected);
    add("Cut", ShortCut('X', {ssCtrl}), cmCut, selected);
    add("Paste", ShortCut('V', {ssCtrl}), cmPaste, Clipboard()->HasFormat(CF_TEXT) && !FReadOnly);
    add("Delete", 0, cmDelete, selected);
    add("-", 0, 0, true);
    add("Select All", ShortCut('A', {ssCtrl}), cmSelectAll, true);
    const TCursor cursor = Cursor();
    TControl::SetCursor(crDefault);
    menu->Popup(screen.X, screen.Y);
    TControl::SetCursor(cursor);
    Message.Result = 1;
}

void TQuillCustomMemo::UpdateURLCursor(int X, int Y)
{
    const TCellPos cell = PointToCell(X, Y);
    const int line = LineAtRow(std::max(cell.Y, 0));
    const bool overUrl = TextAreaRect().Contains({X, Y}) && IsURLAt(line, std::max(cell.X, 0) + FLeftCol);
    if (overUrl && Cursor() != crHandPoint) {
        FOldCursor = Cursor();
        TControl::SetCursor(crHandPoint);
    } else if (!overUrl && Cursor() == crHandPoint) {
        TControl::SetCursor(FOldCursor);
    }
}

void TQuillCustomMemo::HandleCommand(int Command)
{
    switch (Command) {
    case cmCopy: ClipboardCopy(); break;
    case cmCut: ClipboardCut(); break;
    case cmPaste: ClipboardPaste(); break;
    case cmSelectAll: SelectAll(); break;
    case cmUndo: Undo(); break;
    case cmRedo: Redo(); break;
    case cmDelete: RemoveSelectedText(true); break;
    default: break;
    }
}
