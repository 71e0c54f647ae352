// Finding, reading and rewriting the CONTROL tags of a markup text.
#include "render/HTMLControls.h"

#include "render/HTMLUtils.h"
#include "render/HTMLTags.h"

#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <vector>

using render::HTMLTagAttribute;

namespace {

constexpr std::string_view ControlTagStart = "<CONTROL ";

// One CONTROL tag of a text: the "<" it starts at, the first character after
// its ">" (the text's end when it is not closed), and the attributes.
struct TControlTag {
    std::size_t Start = 0;
    std::size_t End = 0;
    TControlTagAttributes Attributes;
};

// The CONTROL tags of Text in order; the walk ends at a tag that is not closed.
std::vector<TControlTag> ControlTags(std::string_view Text)
{
    std::vector<TControlTag> tags;
    std::size_t from = 0;
    while (from < Text.size()) {
        std::size_t start = rtl::PosIgnoreCase(ControlTagStart, Text, from + 1);
        if (start == 0) break;
        --start;
        std::size_t bodyStart = start + ControlTagStart.size() - 1;
        std::size_t close = Text.find('>', bodyStart);
        std::size_t bodyEnd = close == std::string_view::npos ? Text.size() : close;
        std::size_t end = close == std::string_view::npos ? Text.size() : close + 1;
        tags.push_back({start, end, ParseControlTag(Text.substr(bodyStart, bodyEnd - bodyStart))});
        from = end;
    }
    return tags;
}

const TControlTag* FindControl(const std::vector<TControlTag>& tags, std::string_view ID)
{
    for (const auto& tag : tags)
        if (tag.Attributes.ID == ID) return &tag;
    return nullptr;
}

void AppendAttribute(std::string& out, std::string_view name, std::string_view value)
{
    out += ' ';
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

} // namespace

TControlTagAttributes ParseControlTag(std::string_view TagText)
{
    TControlTagAttributes attributes;
    attributes.Type = UpperCase(HTMLTagAttribute(TagText, "TYPE").value_or(""));
    attributes.ID = HTMLTagAttribute(TagText, "ID").value_or("");
    attributes.Value = UnescapeHTMLChars(HTMLTagAttribute(TagText, "VALUE").value_or(""));
    attributes.Width = HTMLTagAttribute(TagText, "WIDTH").value_or("");
    attributes.Height = HTMLTagAttribute(TagText, "HEIGHT").value_or("");
    attributes.Prop = UnescapeHTMLChars(HTMLTagAttribute(TagText, "PROP").value_or(""));
    attributes.MaxLen = HTMLTagAttribute(TagText, "MAXLEN").value_or("");
    return attributes;
}

bool ContainsControlTag(std::string_view Text) { return rtl::PosIgnoreCase("<CONTROL", Text, 1) != 0; }

std::string NextEditControlID(std::string_view Text, std::string_view CurrentID)
{
    bool passedCurrent = CurrentID.empty();
    for (const auto& tag : ControlTags(Text)) {
        const std::string& type = tag.Attributes.Type;
        if (passedCurrent && type != "BUTTON" && type != "CHECK" && type != "RADIO") return tag.Attributes.ID;
        if (tag.Attributes.ID == CurrentID) passedCurrent = true;
    }
    return {};
}

std::string ResetRadioControls(const std::string& Text)
{
    std::vector<std::string> radios;
    for (const auto& tag : ControlTags(Text))
        if (tag.Attributes.Type == "RADIO") radios.push_back(tag.Attributes.ID);
    std::string result = Text;
    for (const auto& id : radios) WriteControlValue(result, id, "FALSE");
    return result;
}

bool ReadControlValue(std::string_view Text, std::string_view ID, std::string& Value)
{
    auto tags = ControlTags(Text);
    const TControlTag* tag = FindControl(tags, ID);
    if (!tag) return false;
    Value = tag->Attributes.Value;
    return true;
}

std::string ReadControlProp(std::string_view Text, std::string_view ID)
{
    auto tags = ControlTags(Text);
    const TControlTag* tag = FindControl(tags, ID);
    return tag ? tag->Attributes.Prop : std::string();
}

int ReadControlMaxLen(std::string_view Text, std::string_view ID)
{
    auto tags = ControlTags(Text);
    const TControlTag* tag = FindControl(tags, ID);
    return tag ? StrToIntDef(tag->Attributes.MaxLen, 0) : 0;
}

bool WriteControlValue(std::string& Text, std::string_view ID, std::string_view Value)
{
    auto tags = ControlTags(Text);
    const TControlTag* tag = FindControl(tags, ID);
    if (!tag) return false;
    const TControlTagAttributes& old = tag->Attributes;
    std::string result = Text.substr(0, tag->Start + 1);
    result += "CONTROL";
    AppendAttribute(result, "ID", ID);
    AppendAttribute(result, "VALUE", EscapeHTMLChars(Value));
    AppendAttribute(result, "WIDTH", old.Width);
    AppendAttribute(result, "TYPE", old.Type);
    // The height stays, so that a control keeps its size when its value changes.
    if (!old.Height.empty()) AppendAttribute(result, "HEIGHT", old.Height);
    if (!old.Prop.empty()) AppendAttribute(result, "PROP", EscapeHTMLChars(old.Prop));
    if (!old.MaxLen.empty()) AppendAttribute(result, "MAXLEN", old.MaxLen);
    result += '>';
    result += Text.substr(tag->End);
    Text = std::move(result);
    return true;
}

std::string PasswordMask(std::string_view Text) { return std::string(rtl::Utf8Length(Text), '*'); }
