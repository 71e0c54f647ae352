// Item texts of the styled menus: captions with notes lines, shortcut texts
// and the drawing of both in the item's font and colour.
#include "menus/MenuItemDrawing.h"

#include "menus/MenuAppearance.h"
#include "menus/MenuFonts.h"
#include "menus/MenuStyler.h"
#include "menus/QuillMenuInterface.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/TextOutput.h"
#include "platform/ui/Menus.h"
#include "render/QuillGDIP.h"

#include <cctype>
#include <cmath>

namespace menus {

TCaptionLines SplitCaption(std::string_view Caption, bool ShowNotes)
{
    TCaptionLines lines;
    constexpr std::string_view separator = "\\n";
    const std::size_t first = Caption.find(separator);
    if (!ShowNotes || first == std::string_view::npos) {
        lines.Title = std::string(Caption);
        return lines;
    }
    lines.HasNotes = true;
    lines.Title = std::string(Caption.substr(0, first));
    std::size_t start = first + separator.size();
    while (true) {
        const std::size_t next = Caption.find(separator, start);
        if (next == std::string_view::npos) {
            lines.Notes.emplace_back(Caption.substr(start));
            break;
        }
        lines.Notes.emplace_back(Caption.substr(start, next - start));
        start = next + separator.size();
    }
    return lines;
}

std::string KeyNameText(unsigned short VirtualKey)
{
    // The names a US keyboard layout gives its keys.
    struct TKeyName {
        unsigned short Key;
        const char* Name;
    };
    static constexpr TKeyName names[] = {
        {VK_BACK, "BACKSPACE"}, {VK_TAB, "TAB"},       {VK_RETURN, "ENTER"},   {VK_SHIFT, "SHIFT"},
        {VK_CONTROL, "CTRL"},   {VK_MENU, "ALT"},      {VK_PAUSE, "PAUSE"},    {VK_ESCAPE, "ESC"},
        {VK_SPACE, "SPACE"},    {VK_PRIOR, "PAGE UP"}, {VK_NEXT, "PAGE DOWN"}, {VK_END, "END"},
        {VK_HOME, "HOME"},      {VK_LEFT, "LEFT"},     {VK_UP, "UP"},          {VK_RIGHT, "RIGHT"},
        {VK_DOWN, "DOWN"},      {VK_INSERT, "INSERT"}, {VK_DELETE, "DELETE"},  {VK_MULTIPLY, "NUM *"},
        {VK_ADD, "NUM +"},      {VK_SUBTRACT, "NUM -"}, {VK_DIVIDE, "NUM /"},  {VK_OEM_PLUS, "="},
        {VK_OEM_COMMA, ","},    {VK_OEM_MINUS, "-"},   {VK_OEM_PERIOD, "."},
    };
    if ((VirtualKey >= 'A' && VirtualKey <= 'Z') || (VirtualKey >= '0' && VirtualKey <= '9'))
        return std::string(1, static_cast<char>(VirtualKey));
    if (VirtualKey >= VK_NUMPAD0 && VirtualKey <= VK_NUMPAD9) return "NUM " + std::to_string(VirtualKey - VK_NUMPAD0);
    for (const TKeyName& n : names)
        if (n.Key == VirtualKey) return n.Name;
    return {};
}

std::string CapitalizeKeyName(std::string_view Name)
{
    std::string result(Name);
    for (std::size_t i = 1; i < result.size(); ++i)
        result[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(result[i])));
    if (const std::size_t open = result.find('('); open != std::string::npos && open + 1 < result.size())
        result[open + 1] = static_cast<char>(std::toupper(static_cast<unsigned char>(result[open + 1])));
    return result;
}

} // namespace menus

std::string ShortCutText(TShortCut ShortCut, bool International)
{
    if (!International) {
        std::string text = ShortCutToText(ShortCut);
        if (ShortCut & scWindowsKey) text = "Win+" + text;
        return text;
    }
    const unsigned key = ShortCut & 0xFF;
    std::string text = key >= VK_F1 && key <= VK_F24 ? "F" + std::to_string(key - 111)
                                                     : menus::CapitalizeKeyName(menus::KeyNameText(key));
    if (ShortCut & scShift) text = menus::CapitalizeKeyName(menus::KeyNameText(VK_SHIFT)) + "+" + text;
    if (ShortCut & scCtrl) text = menus::CapitalizeKeyName(menus::KeyNameText(VK_CONTROL)) + "+" + text;
    if (ShortCut & scAlt) text = menus::CapitalizeKeyName(menus::KeyNameText(VK_MENU)) + "+" + text;
    return text;
}

namespace {

// The font an item's text takes, by its state.
const TFont& ItemFont(const TCustomQuillMenuStyler& S, const TMenuItem* Item, TOwnerDrawState State)
{
    if (menus::IsRootItem(Item))
        return S.RootItem()->UseSystemFont() ? menus::SystemMenuFont() : *S.RootItem()->Font();
    if (State.Contains(odSelected))
        return S.SelectedItem()->UseSystemFont() ? menus::SystemMenuFont() : *S.SelectedItem()->Font();
    return S.UseSystemFont() ? menus::SystemMenuFont() : *S.Font();
}

// Grey for a disabled item; on a system whose highlight is that grey, a
// highlighted disabled item takes the light button colour instead.
void ApplyDisabledColour(TCanvas& Canvas, const TMenuItem* Item, TOwnerDrawState State)
{
    if (Item->Enabled()) return;
    const bool sameAsHighlight = ColorToRGB(clHighlight) == ColorToRGB(clBtnShadow);
    Canvas.Font()->SetColor(State.Contains(odSelected) && sameAsHighlight ? clBtnHighlight : clBtnShadow);
}

// One line drawn through the anti-aliased text path.
void DrawSmoothText(TCanvas& Canvas, TAntiAlias AntiAlias, std::string_view Text, const TRect& Rect,
                    StringAlignment Alignment, bool CentreVertically)
{
    TGPGraphics graphics(Canvas.Handle());
    graphics.SetTextRenderingHint(AntiAlias == aaClearType ? TextRenderingHintClearTypeGridFit
                                                           : TextRenderingHintAntiAlias);
    TGPFontFamily family(Canvas.Font()->Name());
    TGPFont font(&family, static_cast<float>(Canvas.Font()->Size()), FontStyleRegular, UnitPoint);
    TGPStringFormat format(StringFormatFlagsNoWrap);
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    if (CentreVertically) format.SetLineAlignment(StringAlignmentCenter);
    format.SetAlignment(Alignment);
    TGPSolidBrush brush(ColorToOpaqueARGB(Canvas.Font()->Color()));
    const TGPRectF layout{static_cast<float>(Rect.Left), static_cast<float>(Rect.Top),
                          static_cast<float>(Rect.Width()), static_cast<float>(Rect.Height())};
    graphics.DrawString(Text, -1, &font, layout, &format, &brush);
}

// The height of "gh" in the notes font measured by the anti-aliased path.
float SmoothLineHeight(TCanvas& Canvas)
{
    TGPGraphics graphics(Canvas.Handle());
    TGPFontFamily family(Canvas.Font()->Name());
    TGPFont font(&family, static_cast<float>(Canvas.Font()->Size()), FontStyleRegular, UnitPoint);
    TGPRectF box;
    graphics.MeasureString("gh", -1, &font, TGPPointF{0, 0}, nullptr, box);
    return box.Height;
}

} // namespace

void DrawMenuItemText(TMenuItem* Item, TCanvas* Canvas, std::string Text, unsigned Flags, TOwnerDrawState State,
                      TRect& Rect)
{
    IQuillMenu* intf = ItemMenuInterface(Item);
    if (!intf || !Canvas) return;
    const TCustomQuillMenuStyler& S = *intf->CurrentMenuStyler();
    const bool calc = (Flags & DT_CALCRECT) != 0;
    if (calc && (Text.empty() || Text == "&")) Text += ' ';
    Canvas->Brush()->SetStyle(bsClear);

    const bool root = menus::IsRootItem(Item);
    Canvas->Font()->Assign(&ItemFont(S, Item, State));
    if (Item->Default()) Canvas->Font()->SetStyle(Canvas->Font()->Style().Include(fsBold));
    if (root) {
        const TRootItem& r = *S.RootItem();
        if (State.Contains(odSelected) && r.SelectedTextColor() != clNone) Canvas->Font()->SetColor(r.SelectedTextColor());
        else if (State.Contains(odHotLight) && r.HoverTextColor() != clNone) Canvas->Font()->SetColor(r.HoverTextColor());
    }
    ApplyDisabledColour(*Canvas, Item, State);

    const menus::TCaptionLines lines = menus::SplitCaption(Text, intf->ShowNotes());
    const bool smooth = S.AntiAlias() != aaNone;
    if (!lines.HasNotes) {
        if (!smooth) {
            DrawText(Canvas->Handle(), Text, Rect, Flags);
            return;
        }
        if (calc) return;
        const StringAlignment alignment = root ? StringAlignmentCenter
                                          : (Flags & DT_RIGHT) ? StringAlignmentFar
                                                               : StringAlignmentNear;
        DrawSmoothText(*Canvas, S.AntiAlias(), Text, Rect, alignment, true);
        return;
    }
    if (calc) return;

    const TFont& notesFont = State.Contains(odSelected) ? *S.SelectedItem()->NotesFont() : *S.NotesFont();
    if (!smooth) {
        const unsigned lineFlags = Flags & DT_SINGLELINE;
        TRect r = Rect;
        DrawText(Canvas->Handle(), lines.Title, r, lineFlags);
        r = Rect;
        r.Top += Canvas->TextHeight("gh");
        Canvas->Font()->Assign(&notesFont);
        ApplyDisabledColour(*Canvas, Item, State);
        const int lineHeight = Canvas->TextHeight("gh");
        for (const std::string& note : lines.Notes) {
            TRect line = r;
            DrawText(Canvas->Handle(), note, line, lineFlags);
            r.Top += lineHeight;
        }
        return;
    }
    DrawSmoothText(*Canvas, S.AntiAlias(), lines.Title, Rect, StringAlignmentNear, false);
    Canvas->Font()->Assign(&notesFont);
    ApplyDisabledColour(*Canvas, Item, State);
    const int lineHeight = static_cast<int>(std::nearbyint(SmoothLineHeight(*Canvas)));
    TRect r = Rect;
    r.Top += 20;
    for (const std::string& note : lines.Notes) {
        DrawSmoothText(*Canvas, S.AntiAlias(), note, r, StringAlignmentNear, false);
        r.Top += lineHeight;
    }
}
