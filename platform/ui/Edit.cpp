// TCustomEdit: selection, caret, typing, deleting, undo, clipboard and the
// edit messages, for one line (TEdit) or many (TMemo).
#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/EditControls.h"

namespace {

std::u32string Decode(std::string_view s)
{
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) out += rtl::Utf8Decode(s, i);
    return out;
}

std::string Encode(std::u32string_view s)
{
    std::string out;
    for (char32_t c : s) rtl::Utf8Append(out, c);
    return out;
}

bool IsWordChar(char32_t c) { return c > 127 || std::isalnum(static_cast<int>(c)) || c == '_'; }

// A canvas for measuring text with a control's font, outside painting.
TCanvas& MeasureCanvas(const TFont& font)
{
    static TBitmap probe(1, 1);
    TCanvas* c = probe.Canvas();
    c->Font()->Assign(&font);
    return *c;
}

// Room between the frame and the text when no text rectangle is set.
constexpr int TextMargin = 2;

} // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetTabStop(true);
    FColor = clWindow;
    SetCursor(crIBeam);
    ControlStyle().Exclude(csSetCaption);
    SetBounds(0, 0, 121, 21);
}

TCustomEdit::~TCustomEdit()
{
    if (auto caret = ui::CaretState(); caret && HandleAllocated() && caret->Owner == Handle()) DestroyCaret();
}

TRect TCustomEdit::NonClientMargins() const
{
    return WithSingleBorder(TCustomControl::NonClientMargins(), FBorderStyle);
}

void TCustomEdit::PaintNonClient(TCanvas& Canvas)
{
    PaintSingleBorder(Canvas, FBorderStyle);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value)
{
    FBorderStyle = Value;
    Realign();
    Invalidate();
}

void TCustomEdit::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment) return;
    FAlignment = Value;
    FScroll.X = 0;
    ScrollCaretIntoView();
    Invalidate();
}

void TCustomEdit::SetTransparent(bool Value)
{
    if (Value == FTransparent) return;
    FTransparent = Value;
    Invalidate();
}

void TCustomEdit::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style &= ~(ES_CENTER | ES_RIGHT);
    Params.Style |= FAlignment == taRightJustify ? ES_RIGHT : FAlignment == taCenter ? ES_CENTER : ES_LEFT;
}

void TCustomEdit::CreateWnd()
{
    TCustomControl::CreateWnd();
    const std::uint32_t style = WindowParams().Style;
    SetAlignment(style & ES_RIGHT ? taRightJustify : style & ES_CENTER ? taCenter : taLeftJustify);
}

TRect TCustomEdit::TextRect() const
{
    if (FTextRect) return *FTextRect;
    return {TextMargin + FLeftMargin, 1, ClientWidth() - TextMargin - FRightMargin, ClientHeight()};
}

void TCustomEdit::SetTextRectFromMessage(const TRect* Rect, bool Repaint)
{
    // No rectangle brings back the one made from the client area.
    if (Rect) FTextRect = *Rect;
    else FTextRect.reset();
    ScrollCaretIntoView();
    if (Repaint) Invalidate();
}

void TCustomEdit::CMFontChanged(TMessage& Message)
{
    TCustomControl::CMFontChanged(Message);
    // New glyph widths and line height: the scroll and the caret follow.
    ScrollCaretIntoView();
}

void TCustomEdit::BoundsChanged()
{
    TCustomControl::BoundsChanged();
    PlaceCaret();
}

// ---- Text and selection

void TCustomEdit::TextChanged()
{
    if (!FSyncing) {
        // Set by code: the caret goes to the start and nothing is left to undo.
        FText32 = Decode(FText);
        FAnchor = FCaret = 0;
        FScroll = {};
        ScrollChanged();
        PlaceCaret();
        FUndo.reset();
        FModified = false;
        Perform(CN_COMMAND, MakeWParam(0, EN_CHANGE), 0);
    }
    TCustomControl::TextChanged();
}

void TCustomEdit::SyncText()
{
    {
        FSyncing = true;
        FText = Encode(FText32);
        FModified = true;
        const rtl::ScopeExit synced([this] { FSyncing = false; });
        Perform(CM_TEXTCHANGED, 0, 0);
    }
    // A change handler that writes the text is heard: the characters follow it.
    Perform(CN_COMMAND, MakeWParam(0, EN_CHANGE), 0);
}

void TCustomEdit::Change()
{
    if (OnChange) OnChange(this);
}

int TCustomEdit::SelStart() const { return std::min(FAnchor, FCaret); }

int TCustomEdit::SelLength() const { return std::abs(FCaret - FAnchor); }

void TCustomEdit::SetSel(int Anchor, int Caret)
{
    int n = static_cast<int>(FText32.size());
    FAnchor = std::clamp(Anchor, 0, n);
    FCaret = std::clamp(Caret, 0, n);
    ScrollCaretIntoView();
    Invalidate();
}

void TCustomEdit::SetSelStart(int Value) { SetSel(Value, Value); }

void TCustomEdit::SetSelLength(int Value) { SetSel(SelStart(), SelStart() + std::max(0, Value)); }

std::string TCustomEdit::SelText() const
{
    return Encode(std::u32string_view(FText32).substr(static_cast<std::size_t>(SelStart()),
                                                      static_cast<std::size_t>(SelLength())));
}

void TCustomEdit::SetSelText(const std::string& Value) { ReplaceSelection(Decode(Value), true); }

void TCustomEdit::SelectAll() { SetSel(0, static_cast<int>(FText32.size())); }

void TCustomEdit::ClearSelection() { ReplaceSelection(U"", true); }

void TCustomEdit::Clear() { SetText(""); }

void TCustomEdit::SetMaxLength(int Value) { FMaxLength = std::max(0, Value); }

void TCustomEdit::SetReadOnly(bool Value)
{
    FReadOnly = Value;
    Invalidate();
}

void TCustomEdit::SetPasswordChar(char32_t Value)
{
    FPasswordChar = Value;
    Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase Value)
{
    FCharCase = Value;
    if (Value == ecNormal) return;
    // The window text as a whole, whatever a descendant's Text means.
    TControl::SetText(Value == ecUpperCase ? AnsiUpperCase(FText) : AnsiLowerCase(FText));
}

void TCustomEdit::ReplaceSelection(const std::u32string& Text, bool CanUndoIt)
{
    if (FReadOnly) return;
    std::u32string insert;
    for (char32_t c : Text) {
        // One line holds no line breaks.
        if (!FMultiline && (c == U'\r' || c == U'\n')) continue;
        if (FMultiline && c == U'\r') continue;
        insert += c;
    }
    if (FCharCase != ecNormal) {
        std::string cased = FCharCase == ecUpperCase ? AnsiUpperCase(Encode(insert)) : AnsiLowerCase(Encode(insert));
        insert = Decode(cased);
    }
    int start = SelStart(), length = SelLength();
    if (FMaxLength > 0) {
        int room = FMaxLength - (static_cast<int>(FText32.size()) - length);
        if (room < static_cast<int>(insert.size())) insert.resize(static_cast<std::size_t>(std::max(0, room)));
    }
    if (length == 0 && insert.empty()) return;
    if (CanUndoIt) FUndo = TUndoStep{FText32, FAnchor, FCaret};
    FText32.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), insert);
    FAnchor = FCaret = start + static_cast<int>(insert.size());
    ScrollCaretIntoView();
    Invalidate();
    SyncText();
}

void TCustomEdit::Undo()
{
    if (!FUndo || FReadOnly) return;
    // Undoing twice redoes, as a single-step undo does.
    TUndoStep step = *FUndo;
    FUndo = TUndoStep{FText32, FAnchor, FCaret};
    FText32 = step.Text;
    FAnchor = step.Anchor;
    FCaret = step.Caret;
    ScrollCaretIntoView();
    Invalidate();
    SyncText();
}

void TCustomEdit::CopyToClipboard() { Perform(WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { Perform(WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { Perform(WM_PASTE, 0, 0); }

std::u32string TCustomEdit::Displayed() const
{
    if (FPasswordChar == 0) return FText32;
    return std::u32string(FText32.size(), FPasswordChar);
}

// ---- Layout

std::vector<TCustomEdit::TLine> TCustomEdit::LayoutLines() const
{
    std::vector<TLine> lines;
    int start = 0, n = static_cast<int>(FText32.size());
    for (int i = 0; i < n; ++i)
        if (FMultiline && FText32[static_cast<std::size_t>(i)] == U'\n') {
            lines.push_back({start, i - start});
            start = i + 1;
        }
    lines.push_back({start, n - start});
    return lines;
}

int TCustomEdit::LineOf(int CharIndex) const
{
    auto lines = LayoutLines();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (CharIndex <= lines[i].Start + lines[i].Length) return static_cast<int>(i);
    return static_cast<int>(lines.size()) - 1;
}

int TCustomEdit::LineHeight() { return MeasureCanvas(Font()).TextHeight("Wg") + 1; }

int TCustomEdit::CaretHeight() { return LineHeight() - 1; }

int TCustomEdit::LineWidth(const TLine& Line)
{
    std::u32string shown = Displayed();
    return MeasureCanvas(Font()).TextWidth(Encode(std::u32string_view(shown).substr(
        static_cast<std::size_t>(Line.Start), static_cast<std::size_t>(Line.Length))));
}

int TCustomEdit::LineLeft(const TLine& Line)
{
    TRect r = TextRect();
    int room = r.Width() - LineWidth(Line);
    // A line that does not fit starts at the left and scrolls.
    int offset = room <= 0 || FAlignment == taLeftJustify ? 0 : FAlignment == taRightJustify ? room : room / 2;
    return r.Left + offset - FScroll.X;
}

TPoint TCustomEdit::PosFromChar(int CharIndex)
{
    auto lines = LayoutLines();
    int li = LineOf(CharIndex);
    const TLine& line = lines[static_cast<std::size_t>(li)];
    std::u32string shown = Displayed();
    std::string before = Encode(std::u32string_view(shown).substr(static_cast<std::size_t>(line.Start),
                                                                  static_cast<std::size_t>(CharIndex - line.Start)));
    int x = LineLeft(line) + MeasureCanvas(Font()).TextWidth(before);
    int y = (li - FScroll.Y) * LineHeight() + TextRect().Top;
    return {x, y};
}

int TCustomEdit::CharFromPos(TPoint P)
{
    auto lines = LayoutLines();
    int lh = LineHeight();
    int top = TextRect().Top;
    int li = std::clamp((P.Y - top) / std::max(1, lh) + FScroll.Y, 0, static_cast<int>(lines.size()) - 1);
    if (P.Y < top) li = std::max(0, FScroll.Y - 1);
    const TLine& line = lines[static_cast<std::size_t>(li)];
    std::u32string shown = Displayed();
    TCanvas& c = MeasureCanvas(Font());
    int target = P.X - LineLeft(line);
    int previous = 0;
    for (int k = 1; k <= line.Length; ++k) {
        int w = c.TextWidth(Encode(std::u32string_view(shown).substr(static_cast<std::size_t>(line.Start),
                                                                      static_cast<std::size_t>(k))));
        // The nearer edge of the character decides.
        if (target < (previous + w) / 2) return line.Start + k - 1;
        previous = w;
    }
    return line.Start + line.Length;
}

void TCustomEdit::ScrollCaretIntoView()
{
    TRect r = TextRect();
    int textW = r.Width(), lh = LineHeight();
    int visibleLines = std::max(1, r.Height() / std::max(1, lh));
    int li = LineOf(FCaret);
    if (li < FScroll.Y) FScroll.Y = li;
    else if (li >= FScroll.Y + visibleLines) FScroll.Y = li - visibleLines + 1;
    TPoint p = PosFromChar(FCaret);
    if (p.X < r.Left) FScroll.X = std::max(0, FScroll.X - (r.Left - p.X) - textW / 4);
    else if (p.X > r.Right) FScroll.X += p.X - r.Right + textW / 4;
    // Text that fits again needs no scrolling.
    if (FScroll.X > 0 && LineWidth(LayoutLines()[static_cast<std::size_t>(li)]) <= textW) FScroll.X = 0;
    ScrollChanged();
    PlaceCaret();
}

void TCustomEdit::ScrollChanged() {}

void TCustomEdit::PlaceCaret()
{
    auto caret = ui::CaretState();
    if (!caret || !HandleAllocated() || caret->Owner != Handle()) return;
    // The caret is as tall as a line: a new font makes it anew.
    if (const int height = CaretHeight(); caret->Bounds.Height() != height) {
        CreateCaret(Handle(), 1, height);
        if (caret->HideCount == 0) ShowCaret(Handle());
    }
    TPoint p = PosFromChar(FCaret);
    SetCaretPos(p.X, p.Y);
}

// ---- Painting

void TCustomEdit::Paint()
{
    TCanvas& c = *Canvas();
    TRect client = ClientRect();
    if (!FTransparent) {
        c.Brush()->SetColor(Color());
        c.FillRect(client);
    }
    TRect area = TextRect();
    int saved = SaveDC(c.Handle());
    // Text stays inside its rectangle, as the margins ask.
    IntersectClipRect(c.Handle(), area.Left, area.Top, area.Right, area.Bottom);
    c.Font()->Assign(&Font());
    if (!IsEnabledWithParents()) c.Font()->SetColor(clGrayText);
    int lh = LineHeight();
    std::u32string shown = Displayed();
    bool showSelection = SelLength() > 0 && (Focused() || !FHideSelection);
    int selFrom = SelStart(), selTo = SelStart() + SelLength();
    auto lines = LayoutLines();
    for (std::size_t i = static_cast<std::size_t>(std::max(0, FScroll.Y)); i < lines.size(); ++i) {
        int y = (static_cast<int>(i) - FScroll.Y) * lh + area.Top;
        if (y > area.Bottom) break;
        const TLine& line = lines[i];
        int x = LineLeft(line);
        std::string text = Encode(std::u32string_view(shown).substr(static_cast<std::size_t>(line.Start),
                                                                     static_cast<std::size_t>(line.Length)));
        c.Brush()->SetStyle(bsClear);
        c.TextOut(x, y, text);
        if (showSelection && selFrom <= line.Start + line.Length && selTo >= line.Start) {
            int a = std::max(selFrom, line.Start), b = std::min(selTo, line.Start + line.Length);
            int xa = PosFromChar(a).X, xb = PosFromChar(b).X;
            if (b > a || (selTo > line.Start + line.Length)) {
                if (selTo > line.Start + line.Length && FMultiline) xb += c.TextWidth(" ");
                TRect sel{xa, y, xb, y + lh - 1};
                c.Brush()->SetStyle(bsSolid);
                c.Brush()->SetColor(clHighlight);
                c.FillRect(sel);
                c.Font()->SetColor(clHighlightText);
                c.Brush()->SetStyle(bsClear);
                std::string part = Encode(std::u32string_view(shown).substr(static_cast<std::size_t>(a),
                                                                             static_cast<std::size_t>(b - a)));
                c.TextOut(xa, y, part);
                c.Font()->Assign(&Font());
            }
        }
    }
    c.Brush()->SetStyle(bsSolid);
    RestoreDC(c.Handle(), saved);
}

void TCustomEdit::PaintWindow(TCanvas& ACanvas)
{
    TCustomControl::PaintWindow(ACanvas);
    // The caret goes on top of whatever descendants paint.
    PlaceCaret();
    if (HandleAllocated()) ui::PaintCaret(Handle(), ACanvas);
}

void TCustomEdit::WMEraseBkgnd(TMessage& Message)
{
    // Transparent: what the parent painted below stays.
    if (FTransparent) Message.Result = 1;
    else TCustomControl::WMEraseBkgnd(Message);
}

// ---- Messages

void TCustomEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND:
        if (Message.WParamHi() == EN_CHANGE) Change();
        return;
    case EM_GETSEL: {
        if (auto* s = reinterpret_cast<int*>(Message.WParam)) *s = SelStart();
        if (auto* e = reinterpret_cast<int*>(Message.LParam)) *e = SelStart() + SelLength();
        Message.Result = static_cast<LRESULT>(MakeWParam(static_cast<unsigned>(SelStart()),
                                                         static_cast<unsigned>(SelStart() + SelLength())));
        return;
    }
    case EM_SETSEL: {
        auto a = static_cast<int>(static_cast<std::intptr_t>(Message.WParam));
        auto b = static_cast<int>(Message.LParam);
        int n = static_cast<int>(FText32.size());
        if (a == -1) SetSel(FCaret, FCaret);
        else SetSel(a, b < 0 ? n : b);
        return;
    }
    case EM_REPLACESEL:
        if (auto* text = reinterpret_cast<const std::string*>(Message.LParam))
            ReplaceSelection(Decode(*text), Message.WParam != 0);
        return;
    case EM_SETREADONLY: SetReadOnly(Message.WParam != 0); Message.Result = 1; return;
    case EM_LIMITTEXT: SetMaxLength(static_cast<int>(Message.WParam)); return;
    case EM_GETMODIFY: Message.Result = FModified ? 1 : 0; return;
    case EM_SETMODIFY: FModified = Message.WParam != 0; return;
    case EM_CANUNDO: Message.Result = CanUndo() ? 1 : 0; return;
    case EM_UNDO: case WM_UNDO: Message.Result = CanUndo() ? 1 : 0; Undo(); return;
    case EM_GETRECT:
        if (auto* r = reinterpret_cast<TRect*>(Message.LParam)) *r = TextRect();
        return;
    case EM_SETRECT:
    case EM_SETRECTNP:
        SetTextRectFromMessage(reinterpret_cast<const TRect*>(Message.LParam), Message.Msg == EM_SETRECT);
        return;
    case EM_SETMARGINS: {
        // Margins are measured from the client area: they replace a set rectangle.
        if (Message.WParam & EC_LEFTMARGIN) FLeftMargin = std::max(0, static_cast<int>(Message.LParamLoSigned()));
        if (Message.WParam & EC_RIGHTMARGIN) FRightMargin = std::max(0, static_cast<int>(Message.LParamHiSigned()));
        SetTextRectFromMessage(nullptr, true);
        return;
    }
    case EM_GETMARGINS:
        Message.Result = MakeLParam(FLeftMargin, FRightMargin);
        return;
    case EM_GETLINECOUNT: Message.Result = static_cast<LRESULT>(LayoutLines().size()); return;
    case EM_CHARFROMPOS: {
        int i = CharFromPos({Message.LParamLoSigned(), Message.LParamHiSigned()});
        Message.Result = static_cast<LRESULT>(MakeWParam(static_cast<unsigned>(i), static_cast<unsigned>(LineOf(i))));
        return;
    }
    case EM_POSFROMCHAR: {
        int i = static_cast<int>(Message.WParam);
        if (i < 0 || i >= static_cast<int>(FText32.size())) {
            Message.Result = -1;
            return;
        }
        TPoint p = PosFromChar(i);
        Message.Result = MakeLParam(p.X, p.Y);
        return;
    }
    case WM_COPY:
    case WM_CUT:
        // A password is never handed out.
        if (FPasswordChar == 0 && SelLength() > 0) {
            Clipboard()->SetAsText(SelText());
            if (Message.Msg == WM_CUT) ReplaceSelection(U"", true);
        }
        return;
    case WM_PASTE:
        if (Clipboard()->HasFormat(CF_TEXT)) ReplaceSelection(Decode(Clipboard()->AsText()), true);
        return;
    case WM_CLEAR: ReplaceSelection(U"", true); return;
    default: TCustomControl::Dispatch(Message); return;
    }
}

void TCustomEdit::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL; }

void TCustomEdit::DefaultHandler(TMessage& Message)
{
    if (Message.Msg == WM_KEYDOWN) HandleKeyDown(Message);
    else if (Message.Msg == WM_CHAR) HandleChar(Message);
    else TCustomControl::DefaultHandler(Message);
}

int TCustomEdit::WordStart(int At) const
{
    while (At > 0 && !IsWordChar(FText32[static_cast<std::size_t>(At - 1)])) --At;
    while (At > 0 && IsWordChar(FText32[static_cast<std::size_t>(At - 1)])) --At;
    return At;
}

int TCustomEdit::WordEnd(int At) const
{
    int n = static_cast<int>(FText32.size());
    while (At < n && IsWordChar(FText32[static_cast<std::size_t>(At)])) ++At;
    while (At < n && !IsWordChar(FText32[static_cast<std::size_t>(At)])) ++At;
    return At;
}

void TCustomEdit::HandleKeyDown(TMessage& Message)
{
    auto key = static_cast<unsigned short>(Message.WParam);
    bool shift = GetKeyState(VK_SHIFT) < 0, ctrl = GetKeyState(VK_CONTROL) < 0;
    int n = static_cast<int>(FText32.size());
    auto lines = LayoutLines();
    int li = LineOf(FCaret);
    const TLine& line = lines[static_cast<std::size_t>(li)];
    int target = -1;
    switch (key) {
    case VK_LEFT:
        target = !shift && SelLength() > 0 ? SelStart() : ctrl ? WordStart(FCaret) : std::max(0, FCaret - 1);
        break;
    case VK_RIGHT:
        target = !shift && SelLength() > 0 ? SelStart() + SelLength() : ctrl ? WordEnd(FCaret) : std::min(n, FCaret + 1);
        break;
    case VK_HOME: target = ctrl ? 0 : line.Start; break;
    case VK_END: target = ctrl ? n : line.Start + line.Length; break;
    case VK_UP: case VK_DOWN: {
        if (!FMultiline) break;
        int to = li + (key == VK_UP ? -1 : 1);
        if (to < 0 || to >= static_cast<int>(lines.size())) break;
        TPoint p = PosFromChar(FCaret);
        target = CharFromPos({p.X, p.Y + (key == VK_UP ? -1 : 1) * LineHeight() + 1});
        break;
    }
    case VK_DELETE:
        if (shift) Perform(WM_CUT, 0, 0);
        else if (SelLength() > 0) ReplaceSelection(U"", true);
        else if (FCaret < n && !FReadOnly) {
            FAnchor = FCaret + 1;
            ReplaceSelection(U"", true);
        }
        return;
    case VK_INSERT:
        if (ctrl) Perform(WM_COPY, 0, 0);
        else if (shift) Perform(WM_PASTE, 0, 0);
        return;
    default: return;
    }
    if (target < 0) return;
    SetSel(shift ? FAnchor : target, target);
}

void TCustomEdit::HandleChar(TMessage& Message)
{
    auto ch = static_cast<char32_t>(Message.WParam);
    switch (ch) {
    case 1: SelectAll(); return;
    case 3: Perform(WM_COPY, 0, 0); return;
    case 22: Perform(WM_PASTE, 0, 0); return;
    case 24: Perform(WM_CUT, 0, 0); return;
    case 26: Perform(WM_UNDO, 0, 0); return;
    case 8:
        // Backspace deletes here, on the character, not on the key-down.
        if (SelLength() == 0) {
            if (FCaret == 0 || FReadOnly) return;
            FAnchor = FCaret - 1;
        }
        ReplaceSelection(U"", true);
        return;
    case U'\r':
        if (FMultiline) ReplaceSelection(U"\n", true);
        return;
    case U'\t':
        if (FMultiline) ReplaceSelection(U"\t", true);
        return;
    default:
        if (ch < 32 || ch == 127) return;
        ReplaceSelection(std::u32string(1, ch), true);
    }
}

void TCustomEdit::WMSetFocus(TMessage& Message)
{
    TCustomControl::WMSetFocus(Message);
    CreateCaret(Handle(), 1, CaretHeight());
    PlaceCaret();
    ShowCaret(Handle());
    Invalidate();
}

void TCustomEdit::WMKillFocus(TMessage& Message)
{
    // The caret belongs to the focused window; it goes with the focus.
    if (auto caret = ui::CaretState(); caret && caret->Owner == Handle()) DestroyCaret();
    TCustomControl::WMKillFocus(Message);
    FMouseSelecting = false;
    Invalidate();
}

void TCustomEdit::CMEnter(TMessage& Message)
{
    if (FAutoSelect && !FMultiline && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
    TCustomControl::CMEnter(Message);
}

void TCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        int at = CharFromPos({X, Y});
        SetSel(Shift.Contains(ssShift) ? FAnchor : at, at);
        FMouseSelecting = true;
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomEdit::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FMouseSelecting && MouseCapture()) SetSel(FAnchor, CharFromPos({X, Y}));
    else FMouseSelecting = false;
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomEdit::DblClick()
{
    int at = std::min(FCaret, static_cast<int>(FText32.size()));
    int start = at, end = at, n = static_cast<int>(FText32.size());
    while (start > 0 && IsWordChar(FText32[static_cast<std::size_t>(start - 1)])) --start;
    while (end < n && IsWordChar(FText32[static_cast<std::size_t>(end)])) ++end;
    FMouseSelecting = false;
    SetSel(start, end);
    TCustomControl::DblClick();
}

// ---- Attached caption label

void PlaceEditLabel(TLabel& Label, const TControl& Control, TLabelPosition Position, int Margin)
{
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(&Label.Font());
    TRect extent{0, 0, 1000, 255};
    std::string caption = Label.Caption();
    probe.Canvas()->TextRect(extent, caption, TTextFormat{}.Include(tfCalcRect).Include(tfHidePrefix));
    const int w = extent.Width();
    const int top = Control.Top(), left = Control.Left(), height = Control.Height(), width = Control.Width();
    const int lh = Label.Height(), lw = Label.Width(), m = Margin;
    const int besideTop = top, centerTop = top + (height - lh) / 2, bottomTop = top + height - lh;
    const int aboveTop = top - lh - m, belowTop = top + height + m;
    int labelTop = top, labelLeft = left;
    switch (Position) {
    case lpLeftTop: labelTop = besideTop, labelLeft = left - w - m; break;
    case lpLeftCenter: labelTop = centerTop, labelLeft = left - w - m; break;
    case lpLeftBottom: labelTop = bottomTop, labelLeft = left - w - m; break;
    case lpTopLeft: labelTop = aboveTop, labelLeft = left; break;
    case lpBottomLeft: labelTop = belowTop, labelLeft = left; break;
    case lpLeftTopLeft: labelTop = besideTop, labelLeft = left - m; break;
    case lpLeftCenterLeft: labelTop = centerTop, labelLeft = left - m; break;
    case lpLeftBottomLeft: labelTop = bottomTop, labelLeft = left - m; break;
    case lpTopCenter: labelTop = aboveTop, labelLeft = left + (width - lw) / 2; break;
    case lpBottomCenter: labelTop = belowTop, labelLeft = left + (width - lw) / 2; break;
    case lpRightTop: labelTop = besideTop, labelLeft = left + width + m; break;
    case lpRightCenter: labelTop = centerTop, labelLeft = left + width + m; break;
    case lpRighBottom: labelTop = bottomTop, labelLeft = left + width + m; break;
    case lpTopRight: labelTop = aboveTop, labelLeft = left + width - lw; break;
    case lpBottomRight: labelTop = belowTop, labelLeft = left + width - lw; break;
    }
    Label.SetBounds(labelLeft, labelTop, lw, lh);
}

void ForwardLabelClicks(TLabel& Label, TObject* Control, const TNotifyEvent& OnClick, const TNotifyEvent& OnDblClick)
{
    Label.OnClick = [Control, &OnClick](TObject*) {
        if (OnClick) OnClick(Control);
    };
    Label.OnDblClick = [Control, &OnDblClick](TObject*) {
        if (OnDblClick) OnDblClick(Control);
    };
}

TEditLabelLink::TEditLabelLink() : FFont(std::make_unique<TFont>()) {}

TEditLabelLink::~TEditLabelLink() = default;

std::string TEditLabelLink::Caption() const { return FLabel ? FLabel->Caption() : std::string(); }

void TEditLabelLink::SetCaption(TWinControl& Control, const std::string& Value)
{
    if (!FLabel) {
        FLabel = new TLabel(&Control);
        FLabel->SetParent(Control.Parent());
        FLabel->SetFocusControl(&Control);
        if (OnLabelCreated) OnLabelCreated(*FLabel);
    }
    FLabel->SetCaption(Value);
}

void TEditLabelLink::Update(const TControl& Control, bool Focused, bool UseParentFont)
{
    if (!FLabel) return;
    FLabel->SetTransparent(FTransparent);
    FLabel->SetFont(UseParentFont ? Control.Font() : *FFont);
    // A focus label stays bold while the control is focused, whatever moved it.
    if (FFocusLabel && Focused) FLabel->Font().SetStyle(FLabel->Font().Style().Include(fsBold));
    PlaceEditLabel(*FLabel, Control, FPosition, FMargin);
    FLabel->SetVisible(Control.Visible());
}

void TEditLabelLink::ShowFocus(bool Focused)
{
    if (!FLabel) return;
    if (!Focused) FLabel->Font().SetStyle(FLabel->Font().Style().Exclude(fsBold));
    else if (FFocusLabel) FLabel->Font().SetStyle(FLabel->Font().Style().Include(fsBold));
}

void TEditLabelLink::SetParent(TWinControl* Parent)
{
    if (FLabel) FLabel->SetParent(Parent);
}

void TEditLabelLink::SetVisible(bool Visible)
{
    if (FLabel) FLabel->SetVisible(Visible);
}

void TEditLabelLink::FollowEnabled(bool Enabled)
{
    if (FLabel && !FAlwaysEnabled) FLabel->SetEnabled(Enabled);
}

void TEditLabelLink::Forget(const TComponent* Component) noexcept
{
    if (Component == FLabel) FLabel = nullptr;
}
