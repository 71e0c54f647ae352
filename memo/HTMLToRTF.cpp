// Mini-HTML markup (B, I, U, S, FONT, A, IMG, BR, UL and LI, Z ...) turned into RTF builder calls.
#include "memo/HTMLToRTF.h"

#include "memo/RTFEngine.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"
#include "render/HTMLTags.h"
#include "render/HTMLUtils.h"

#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <utility>

namespace {

using render::HTMLTagAttribute;

// Entities decoded before scanning; the rest are decoded in each text piece.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> MarkupEntities{{
    {"&amp;", "&"}, {"&quot;", "\""}, {"&sect;", "\xC2\xA7"}, {"&permil;", "\xE2\x80\xB0"}, {"&reg;", "\xC2\xAE"},
    {"&copy;", "\xC2\xA9"}, {"&para;", "\xC2\xB6"}, {"&trade;", "\xE2\x84\xA2"}, {"&euro;", "\xE2\x82\xAC"},
}};

// Font sizes of FONT SIZE=1 to 5, in half-points.
constexpr std::array<int, 5> HTMLFontSizes{16, 20, 24, 28, 32};
// Larger sizes are no size a document can show.
constexpr int MaxFontPoints = 1638;

// Decodes until no entity is left, so "&amp;copy;" becomes the copyright
// sign. Only "&amp;" makes an "&", which can only start a later entity, so
// one pass that decodes each entity as its ";" arrives reaches that end
// without rescanning the text.
std::string DecodeMarkupEntities(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c != ';') continue;
        for (const auto& [entity, character] : MarkupEntities) {
            if (out.size() >= entity.size() && SameText(std::string_view(out).substr(out.size() - entity.size()), entity)) {
                out.replace(out.size() - entity.size(), entity.size(), character);
                break;
            }
        }
    }
    return out;
}

// An attribute's value, quoted or not; empty optional when the attribute is missing.
std::optional<std::string> AttributeValue(std::string_view body, std::string_view name)
{
    std::optional<std::string> value = HTMLTagAttribute(body, name);
    if (!value || !value->empty()) return value;
    // Without quotes the value runs to the next blank.
    const size_t at = PosNoCase(name, body);
    const size_t equals = at ? body.find('=', at - 1 + name.size()) : std::string_view::npos;
    if (equals == std::string_view::npos) return value;
    size_t start = equals + 1;
    while (start < body.size() && body[start] == ' ')
        ++start;
    const size_t end = body.find(' ', start);
    return std::string(body.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

// One conversion: the state the tags change while the text is scanned.
class THTMLConversion {
public:
    THTMLConversion(const TFont& baseFont, TRTFEngine& builder) : FBase(baseFont), FBuilder(builder)
    {
        FLinkFont.Assign(&baseFont);
        FLinkFont.SetColor(clBlue);
    }

    void Run(std::string_view text)
    {
        size_t pos = 0;
        while (pos < text.size()) {
            const size_t open = text.find('<', pos);
            TextPiece(text.substr(pos, open == std::string_view::npos ? std::string_view::npos : open - pos));
            if (open == std::string_view::npos || text.size() - open <= 2) return;
            const size_t close = text.find('>', open);
            if (close == std::string_view::npos) return;
            Tag(text.substr(open, close - open));
            pos = close + 1;
        }
    }

private:
    void TextPiece(std::string_view piece)
    {
        if (piece.empty() || FHidden) return;
        std::string text = StringReplace(piece, "&nbsp;", " ", rfReplaceAll | rfIgnoreCase);
        text = StringReplace(text, "&lt;", "<", rfReplaceAll | rfIgnoreCase);
        text = StringReplace(text, "&gt;", ">", rfReplaceAll | rfIgnoreCase);
        if (FInLink) FLinkText = std::move(text);
        else FBuilder.AddText(text);
    }

    // Tag is the text from "<" up to, not including, its ">".
    void Tag(std::string_view tag)
    {
        const bool closing = tag.size() > 1 && tag[1] == '/';
        const std::string_view rest = tag.substr(closing ? 2 : 1);
        size_t nameEnd = 0;
        while (nameEnd < rest.size() && std::isalnum(static_cast<unsigned char>(rest[nameEnd])))
            ++nameEnd;
        const std::string name = UpperCase(rest.substr(0, nameEnd));
        const std::string_view body = rest.substr(std::min<size_t>(1, rest.size()));
        if (name.empty()) return;
        switch (name[0]) {
        case 'A':
            if (name != "A") return;
            return closing ? EndLink() : StartLink(body);
        case 'B': return BTag(name, closing);
        case 'F':
            if (name != "FONT") return;
            return closing ? RestoreBaseFont() : FontTag(body);
        case 'I':
            if (name == "I") return FBuilder.AddItalic(!closing);
            if (name == "IMG" && !closing) ImageTag(body);
            return;
        case 'L': return LTag(name, closing);
        case 'S':
            if (closing) return FBuilder.AddStrikeOut(false);
            if (name == "S") FBuilder.AddStrikeOut(true);
            return;
        case 'U': return UTag(name, closing);
        case 'Z': FHidden = !closing; return;
        default: return;
        }
    }

    void StartLink(std::string_view body)
    {
        if (std::optional<std::string> url = AttributeValue(body, "HREF")) {
            FInLink = true;
            FLinkURL = std::move(*url);
            FLinkText.clear();
        }
    }

    void EndLink()
    {
        if (!FInLink) return;
        FBuilder.AddHyperLink(FLinkURL, FLinkText, FLinkFont);
        RestoreBaseFont();
        FInLink = false;
    }

    void RestoreBaseFont()
    {
        FBuilder.AddFont(FBase);
        FBuilder.AddForeColor(FBase.Color());
        if (FBuilder.FonSize() != FBase.Size() * 2) FBuilder.AddFontSize(FBase.Size() * 2);
    }

    void BTag(const std::string& name, bool closing)
    {
        if (name == "BR") return FBuilder.AddNewLine();
        if (name == "B") return FBuilder.AddBold(!closing);
        if (!closing) return;
        if (FBuilder.ForeColor() != 0) FBuilder.AddForeColor(FBase.Color());
        else FBuilder.AddBold(false);
    }

    void FontTag(std::string_view body)
    {
        if (std::optional<std::string> face = AttributeValue(body, "FACE")) FBuilder.AddFontName(*face);
        if (std::optional<std::string> color = AttributeValue(body, "COLOR"); color && !color->empty())
            FBuilder.AddForeColor((*color)[0] == '#' ? ColorFromHTMLHex(*color) : ColorFromHTMLName(LowerCase(*color)));
        if (std::optional<int> size = render::HTMLTagLeadingInteger(body, "SIZE");
            size && *size > 0 && *size <= MaxFontPoints)
            FBuilder.AddFontSize(*size <= 5 ? HTMLFontSizes[static_cast<size_t>(*size - 1)] : *size * 2);
    }

    void ImageTag(std::string_view body)
    {
        TImageList* images = FBuilder.Images();
        const std::optional<std::string> source = AttributeValue(body, "SRC");
        if (!images || !source || !SameText(std::string_view(*source).substr(0, 4), "IDX:")) return;
        const int index = TextToIntLoose(std::string_view(*source).substr(4));
        if (index < 0 || index >= images->Count()) return;
        TBitmap bitmap(images->Width(), images->Height());
        images->Draw(bitmap.Canvas(), 0, 0, index);
        TPicture picture;
        picture.SetGraphic(&bitmap);
        FBuilder.AddPicture(&picture);
    }

    void LTag(const std::string& name, bool closing)
    {
        if (closing) return FBuilder.AddNewLine();
        if (name != "LI") return;
        if (FFirstItem) FFirstItem = false;
        else FBuilder.AddNewLine();
    }

    void UTag(const std::string& name, bool closing)
    {
        if (name == "U") return FBuilder.AddUnderLine(!closing);
        if (name != "UL") return;
        if (!closing) {
            ++FListDepth;
            FBuilder.StartBullet("Symbol", 7);
            FFirstItem = true;
        } else if (FListDepth >= 1) {
            FBuilder.EndBullet();
        } else {
            FBuilder.AddUnderLine(false);
        }
    }

    const TFont& FBase;
    TRTFEngine& FBuilder;
    TFont FLinkFont;
    bool FHidden = false;
    bool FInLink = false;
    std::string FLinkURL;
    std::string FLinkText;
    int FListDepth = 0;
    bool FFirstItem = false;
};

} // namespace

void HTMLToRTF(std::string_view Text, const TFont& BaseFont, TRTFEngine& Builder)
{
    const std::string text = CRLFToBRTags(UnwrapHashTags(DecodeMarkupEntities(Text)), true);
    THTMLConversion(BaseFont, Builder).Run(text);
}

void TRTFEngine::AddHTML(std::string_view HTMLText)
{
    const TFont baseFont;
    HTMLToRTF(HTMLText, baseFont, *this);
}
