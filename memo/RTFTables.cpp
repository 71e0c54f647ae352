// The font and colour tables of an RTF document, and the header built from them.
#include "memo/RTFTables.h"

#include "memo/RTFEscape.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cctype>

namespace {

// The decimal digits right after Word in Entry; 0 when the word is missing.
int ComponentAfter(std::string_view entry, std::string_view word)
{
    const size_t at = entry.find(word);
    if (at == std::string_view::npos) return 0;
    int value = 0;
    for (size_t i = at + word.size(); i < entry.size() && std::isdigit(static_cast<unsigned char>(entry[i])); ++i)
        value = std::min(255, value * 10 + (entry[i] - '0'));
    return value;
}

std::string_view TrimLeadingBlanks(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    return text;
}

} // namespace

void TFontItem::Assign(const TPersistent* Source)
{
    if (auto* item = dynamic_cast<const TFontItem*>(Source)) {
        FFaceName = item->FFaceName;
        return;
    }
    TCollectionItem::Assign(Source);
}

std::string TFontItem::Code() const { return "\\f" + std::to_string(Index()); }

TFontCollection::TFontCollection(TObject* /*AOwner*/) : TCollection(ItemClassOf<TFontItem>()) {}

int TFontCollection::IndexOf(std::string_view FaceName) const
{
    const std::string wanted = UpperCase(FaceName);
    for (int i = 0; i < Count(); ++i)
        if (UpperCase(GetItem(i)->FaceName()) == wanted) return i;
    return -1;
}

void TFontCollection::Update(TCollectionItem* /*Item*/)
{
    if (FOnChange) FOnChange(this);
}

TFontTable::TFontTable() : FFonts(std::make_unique<TFontCollection>(this)) {}
TFontTable::~TFontTable() = default;

std::string TFontTable::AddFont(std::string_view FaceName)
{
    int index = IndexOf(FaceName);
    if (index < 0) {
        TFontItem* item = FFonts->Add();
        item->SetFaceName(std::string(FaceName));
        index = item->Index();
    }
    return FFonts->GetItem(index)->Code();
}

std::string TFontTable::AddFont(const TFont& Font) { return AddFont(Font.Name()); }

std::string TFontTable::GetText() const
{
    if (FFonts->Count() == 0) return {};
    std::string text = "{\\fonttbl";
    for (int i = 0; i < FFonts->Count(); ++i) {
        const TFontItem* item = FFonts->GetItem(i);
        text += "{" + item->Code() + "\\fnil " + memo::EscapeRTFText(item->FaceName()) + ";}";
    }
    return text + "}";
}

void TFontTable::LoadFonts(std::string_view RTFText)
{
    const size_t start = RTFText.find("{\\fonttbl");
    if (start == std::string_view::npos) return;
    std::string_view rest = TrimLeadingBlanks(RTFText.substr(start + 9));
    if (rest.empty() || rest.front() != '{' || rest.find(";}}") == std::string_view::npos) return;
    // Each pass consumes one "{...;}" entry, so the loop ends with the text.
    while (!rest.empty() && rest.front() == '{') {
        const size_t end = rest.find(";}");
        if (end == std::string_view::npos) break;
        const std::string_view entry = rest.substr(1, end - 1);
        const size_t lastWord = entry.rfind('\\');
        const size_t space = entry.find(' ', lastWord == std::string_view::npos ? 0 : lastWord);
        if (space != std::string_view::npos) AddFont(entry.substr(space + 1));
        rest = TrimLeadingBlanks(rest.substr(end + 2));
    }
}

TColorTable::TColorTable() : FColorList(std::make_unique<TStringList>()) {}
TColorTable::~TColorTable() = default;

int TColorTable::AddColor(TColor Color)
{
    const std::string text = ColorToString(ColorToRGB(Color) & 0xFFFFFF);
    const int index = FColorList->IndexOf(text);
    return index >= 0 ? index : FColorList->Add(text);
}

std::string TColorTable::GetText() const
{
    if (FColorList->Count() == 0) return {};
    std::string text = "{\\colortbl ";
    for (int i = 0; i < FColorList->Count(); ++i) {
        const auto rgb = static_cast<TColorRef>(StringToColor(FColorList->Strings(i)));
        text += "\\red" + std::to_string(GetRValue(rgb)) + "\\green" + std::to_string(GetGValue(rgb)) + "\\blue" +
                std::to_string(GetBValue(rgb)) + ";";
    }
    return text + "}";
}

void TColorTable::LoadColors(std::string_view RTFText)
{
    const size_t start = RTFText.find("{\\colortbl");
    if (start == std::string_view::npos) return;
    std::string_view table = RTFText.substr(start + 10);
    table = TrimLeadingBlanks(table.substr(0, table.find('}')));
    // A leading ";" is the reader's automatic colour, taken here as black.
    if (!table.empty() && table.front() == ';') AddColor(clBlack);
    const size_t firstWord = table.find('\\');
    if (firstWord == std::string_view::npos) return;
    table.remove_prefix(firstWord);
    while (!table.empty()) {
        const size_t end = table.find(';');
        if (end == std::string_view::npos) break;
        const std::string_view entry = table.substr(0, end + 1);
        AddColor(static_cast<TColor>(
            RGB(ComponentAfter(entry, "\\red"), ComponentAfter(entry, "\\green"), ComponentAfter(entry, "\\blue"))));
        table.remove_prefix(end + 1);
    }
}

TRTFHeader::TRTFHeader() : FFontTable(std::make_unique<TFontTable>()), FColorTable(std::make_unique<TColorTable>()) {}
TRTFHeader::~TRTFHeader() = default;

std::string TRTFHeader::GetText() const
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033" + FFontTable->GetText() + FColorTable->GetText() +
           "\\viewkind" + std::to_string(FViewKind) + "\\uc1";
}
