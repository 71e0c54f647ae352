// TMemo: the multi-line edit and its lines as a string list.
#include "platform/classes/StringList.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/EditControls.h"

#include "platform/ui/ScrollBars.h"

// The memo's text seen as lines: line breaks end lines, and a last empty line
// after a final break is not counted.
class TMemo::TMemoStrings final : public TStrings {
public:
    explicit TMemoStrings(TMemo& memo) : FMemo(memo) {}

    int Count() const override { return static_cast<int>(Split().size()); }

    std::string Strings(int Index) const override
    {
        auto lines = Split();
        Check(Index, static_cast<int>(lines.size()));
        return lines[static_cast<std::size_t>(Index)];
    }

    void SetStrings(int Index, const std::string& S) override
    {
        auto lines = Split();
        Check(Index, static_cast<int>(lines.size()));
        lines[static_cast<std::size_t>(Index)] = S;
        Store(lines, EndsWithBreak());
    }

    void Insert(int Index, const std::string& S) override
    {
        auto lines = Split();
        if (Index < 0 || Index > static_cast<int>(lines.size()))
            throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
        lines.insert(lines.begin() + Index, S);
        // Lines added with Add or Insert end with a break, as the platform's memo does.
        Store(lines, true);
        // The caret goes behind the new line and the memo scrolls to show it,
        // so a log written with Add follows its newest line.
        int after = 0;
        for (int i = 0; i <= Index; ++i) after += static_cast<int>(rtl::Utf8Length(lines[static_cast<std::size_t>(i)])) + 1;
        FMemo.SetSelStart(after);
    }

    void Delete(int Index) override
    {
        auto lines = Split();
        Check(Index, static_cast<int>(lines.size()));
        lines.erase(lines.begin() + Index);
        Store(lines, EndsWithBreak() && !lines.empty());
    }

    void Clear() override { FMemo.SetText(""); }

    void SetText(std::string_view Value) override { FMemo.SetText(std::string(Value)); }

private:
    static void Check(int Index, int Count)
    {
        if (Index < 0 || Index >= Count) throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
    }

    bool EndsWithBreak() const
    {
        std::string t = FMemo.Text();
        return !t.empty() && t.back() == '\n';
    }

    std::vector<std::string> Split() const
    {
        std::string t = FMemo.Text();
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < t.size()) {
            std::size_t nl = t.find('\n', start);
            if (nl == std::string::npos) {
                lines.push_back(t.substr(start));
                break;
            }
            std::size_t end = nl > start && t[nl - 1] == '\r' ? nl - 1 : nl;
            lines.push_back(t.substr(start, end - start));
            start = nl + 1;
        }
        return lines;
    }

    void Store(const std::vector<std::string>& lines, bool finalBreak)
    {
        std::string t;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            t += lines[i];
            if (i + 1 < lines.size() || finalBreak) t += '\n';
        }
        FMemo.SetText(t);
    }

    TMemo& FMemo;
};

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(*this))
{
    SetMultiline(true);
    SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

TStrings& TMemo::Lines() { return *FLines; }

void TMemo::WMGetDlgCode(TMessage& Message)
{
    TCustomEdit::WMGetDlgCode(Message);
    // Without WantReturns, Enter and Esc go to the form (default and cancel buttons).
    if (FWantReturns) Message.Result |= DLGC_WANTALLKEYS;
    if (FWantTabs) Message.Result |= DLGC_WANTTAB;
}

void TMemo::DefaultHandler(TMessage& Message)
{
    // Without WantReturns, Enter belongs to the form (its default button).
    if (Message.Msg == WM_CHAR && ((Message.WParam == U'\r' && !FWantReturns) || (Message.WParam == U'\t' && !FWantTabs)))
        return;
    TCustomEdit::DefaultHandler(Message);
}

void TMemo::SetScrollBars(TScrollStyle Value)
{
    FScrollBars = Value;
    if (HandleAllocated() && Value != ssVertical && Value != ssBoth) ShowScrollBar(Handle(), SB_VERT, false);
    ScrollChanged();
}

void TMemo::CreateHandle()
{
    TCustomEdit::CreateHandle();
    ScrollChanged();
}

void TMemo::ScrollChanged()
{
    if (!HandleAllocated() || (FScrollBars != ssVertical && FScrollBars != ssBoth)) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = static_cast<int>(LayoutLines().size()) - 1;
    si.nPage = static_cast<unsigned>(std::max(1, ClientHeight() / std::max(1, LineHeight())));
    si.nPos = FScroll.Y;
    SetScrollInfo(Handle(), SB_VERT, si, true);
}

void TMemo::ScrollToLine(int Line)
{
    int last = std::max(0, static_cast<int>(LayoutLines().size()) - 1);
    Line = std::clamp(Line, 0, last);
    if (Line == FScroll.Y) return;
    FScroll.Y = Line;
    ScrollChanged();
    Invalidate();
}

void TMemo::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_VSCROLL) {
        TCustomEdit::Dispatch(Message);
        return;
    }
    int page = std::max(1, ClientHeight() / std::max(1, LineHeight()));
    switch (Message.WParamLo()) {
    case SB_LINEUP: ScrollToLine(FScroll.Y - 1); break;
    case SB_LINEDOWN: ScrollToLine(FScroll.Y + 1); break;
    case SB_PAGEUP: ScrollToLine(FScroll.Y - page); break;
    case SB_PAGEDOWN: ScrollToLine(FScroll.Y + page); break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: ScrollToLine(static_cast<int>(Message.WParamHi())); break;
    case SB_TOP: ScrollToLine(0); break;
    case SB_BOTTOM: ScrollToLine(static_cast<int>(LayoutLines().size())); break;
    default: break;
    }
}

bool TMemo::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    if (TCustomEdit::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    ScrollToLine(FScroll.Y + (WheelDelta > 0 ? -3 : 3));
    return true;
}
