// The geocoding component: request, reply parsing and address encoding.
#include "map/UGeolithGeocoding.h"

#include "platform/net/UrlEncoding.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr struct {
    std::string_view Text;
    TGeocodingResult Result;
} StatusTexts[] = {
    {"OK", erOk},
    {"ZERO_RESULTS", erZeroResults},
    {"OVER_QUERY_LIMIT", erOverQueryLimit},
    {"REQUEST_DENIED", erRequestDenied},
    {"INVALID_REQUEST", erInvalidRequest},
};

constexpr struct {
    std::string_view Text;
    TLocationType Type;
} LocationTypeTexts[] = {
    {"ROOFTOP", ltRoofTop},
    {"RANGE_INTERPOLATED", ltRangeInterpolated},
    {"GEOMETRIC_CENTER", ltGeometricCenter},
    {"APPROXIMATE", ltApproximate},
};

constexpr std::uint32_t VersionNr = 0x01000000;  // 1.0.0.0

// Printable ASCII that may stand in a query value as it is. Everything else
// is encoded, in particular "&" and "=" (they would end the value or start a
// new parameter), "+" (read as a blank), "#" (ends the query) and "%".
bool KeepInAddress(unsigned char c)
{
    constexpr std::string_view encoded = "*<>#%\"{}|\\^[]`&+=";
    return c > 32 && c < 127 && encoded.find(static_cast<char>(c)) == std::string_view::npos;
}

// The text of the first node called Name below Root as a coordinate; 0 when
// there is none or it is not a finite number.
double ReadCoordinate(const xml::Node& Root, std::string_view Name)
{
    const xml::Node node = TGeolithGeocoding::FindXmlNode(Root, Name);
    if (!node) return 0;
    try {
        const double value = TGeolithGeocoding::XmlStrToFloat(node.Text());
        return std::isfinite(value) ? value : 0;
    } catch (const EConvertError&) {
        return 0;
    }
}

}  // namespace

TGeolithGeocoding::TGeolithGeocoding(TComponent* AOwner) : TGeolithGeocodingService(AOwner) {}

std::string TGeolithGeocoding::Version() const
{
    const std::uint32_t nr = GetVersionNr();
    return std::to_string(nr >> 24) + "." + std::to_string((nr >> 16) & 0xFF) + "." +
           std::to_string((nr >> 8) & 0xFF) + "." + std::to_string(nr & 0xFF);
}

std::uint32_t TGeolithGeocoding::GetVersionNr() const { return VersionNr; }

TGeocodingResult TGeolithGeocoding::LaunchGeocoding()
{
    try {
        net::HttpClient client(FRequestOptions);
        const net::HttpReply reply = client.Get(std::string(ServiceHost) + std::string(ServicePath) +
                                                EncodeAddress(FAddress) + "&sensor=false");
        xml::Document document;
        document.LoadFromString(reply.Body);
        return ReadReply(document);
    } catch (...) {
        // The callers turn the result into messages; the result properties keep
        // whatever was read before the failure.
        return erOtherProblem;
    }
}

TGeocodingResult TGeolithGeocoding::ReadReply(const xml::Document& Reply)
{
    const xml::Node root = Reply.DocumentElement();
    const xml::Node status = FindXmlNode(root, "status");
    if (!status) return erOtherProblem;

    FResultLocationType = ltNotInitialize;
    const std::string statusText = status.Text();
    const auto known = std::find_if(std::begin(StatusTexts), std::end(StatusTexts),
                                    [&](const auto& s) { return s.Text == statusText; });
    const TGeocodingResult result = known == std::end(StatusTexts) ? erOtherProblem : known->Result;
    if (result != erOk) return result;

    FResultLatitude = ReadCoordinate(root, "lat");
    FResultLongitude = ReadCoordinate(root, "lng");
    if (const xml::Node type = FindXmlNode(root, "location_type")) {
        const std::string typeText = type.Text();
        for (const auto& t : LocationTypeTexts)
            if (t.Text == typeText) FResultLocationType = t.Type;
    }
    return result;
}

std::string TGeolithGeocoding::EncodeAddress(std::string_view Address)
{
    return net::PercentEncode(Address, KeepInAddress);
}

xml::Node TGeolithGeocoding::FindXmlNode(const xml::Node& Node, std::string_view Name)
{
    // Depth first without recursion: a node's own name, then its attributes,
    // then its children in order, each child's subtree before the next child.
    std::vector<xml::Node> pending{Node};
    while (!pending.empty()) {
        const xml::Node node = pending.back();
        pending.pop_back();
        if (!node.IsElement()) continue;
        if (node.IsTextElement() && SameText(node.Name(), Name)) return node;
        for (const xml::Node& attribute : node.Attributes())
            if (SameText(attribute.Name(), Name)) return attribute;
        const std::vector<xml::Node> children = node.Children();
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return {};
}

double TGeolithGeocoding::XmlStrToFloat(std::string_view Text)
{
    std::string text(Text);
    const char separator = FormatSettings().DecimalSeparator;
    if (separator != '.') std::replace(text.begin(), text.end(), '.', separator);
    return StrToFloat(text);
}
