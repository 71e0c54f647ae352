#include "map/UGeolithGeocoding.h"

#include "platform/net/testing/LoopbackHttpServer.h"
#include "platform/rtl/FormatSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <mutex>

using namespace net::testing;
using namespace std::chrono_literals;

namespace {

// A reply shaped like the service's: the location comes before the viewport,
// whose corners hold further "lat" and "lng" elements.
std::string ServiceReply(std::string_view status, std::string_view locationType = "ROOFTOP",
                         std::string_view lat = "48.8582", std::string_view lng = "2.2945")
{
    std::string geometry = "<location><lat>" + std::string(lat) + "</lat><lng>" + std::string(lng) + "</lng></location>";
    if (!locationType.empty()) geometry += "<location_type>" + std::string(locationType) + "</location_type>";
    geometry += "<viewport><southwest><lat>-1</lat><lng>-2</lng></southwest>"
                "<northeast><lat>3</lat><lng>4</lng></northeast></viewport>";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<GeocodeResponse>\n <status>" + std::string(status) +
           "</status>\n <result>\n  <type>street_address</type>\n  <formatted_address>Somewhere</formatted_address>\n"
           "  <geometry>" + geometry + "</geometry>\n </result>\n</GeocodeResponse>\n";
}

net::HttpOptions LoopbackOptions(std::chrono::milliseconds total)
{
    net::HttpOptions options;
    options.ConnectTimeout = 5000ms;
    options.TotalTimeout = total;
    return options;
}

// The service stand-in: answers every request with the reply it was last given.
class GeocodingTest : public ::testing::Test {
protected:
    GeocodingTest()
        : Server([this](const HttpRequest&) {
              std::lock_guard guard(ReplyLock);
              return Reply;
          }),
          Proxy(Server),
          Geocoder(nullptr)
    {
        Geocoder.SetRequestOptions(LoopbackOptions(5000ms));
        Geocoder.SetAddress("Champ de Mars, Paris");
    }

    void Answer(HttpResponse response)
    {
        std::lock_guard guard(ReplyLock);
        Reply = std::move(response);
    }
    void AnswerXml(std::string body) { Answer({200, {{"Content-Type", "application/xml; charset=UTF-8"}}, std::move(body)}); }

    // A first request that succeeds, so later tests can see what is kept.
    void GeocodeKnownPlace()
    {
        AnswerXml(ServiceReply("OK", "ROOFTOP", "1.5", "2.5"));
        ASSERT_EQ(Geocoder.LaunchGeocoding(), erOk);
        ASSERT_EQ(Geocoder.ResultLatitude(), 1.5);
    }

    std::mutex ReplyLock;
    HttpResponse Reply;
    LoopbackHttpServer Server;
    ScopedHttpProxy Proxy;
    TGeolithGeocoding Geocoder;
};

}  // namespace

TEST(GeolithGeocoding, StartsEmptyAndReportsItsVersion)
{
    TComponent owner(nullptr);
    auto* geocoder = new TGeolithGeocoding(&owner);  // freed by its owner
    EXPECT_EQ(geocoder->Address(), "");
    EXPECT_EQ(geocoder->ResultLatitude(), 0);
    EXPECT_EQ(geocoder->ResultLongitude(), 0);
    EXPECT_EQ(geocoder->ResultLocationType(), ltNotInitialize);
    EXPECT_EQ(geocoder->GetVersionNr(), 0x01000000u);
    geocoder->SetVersion("9.9.9.9");
    EXPECT_EQ(geocoder->Version(), "1.0.0.0");
    EXPECT_TRUE(geocoder->InheritsFrom(TGeolithGeocodingService::StaticClass()));
    EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST_F(GeocodingTest, StatusesAndLocationTypes)
{
    const struct {
        const char* Name;
        std::string Body;
        TGeocodingResult Result;
        TLocationType Type;
    } cases[] = {
        {"rooftop", ServiceReply("OK", "ROOFTOP"), erOk, ltRoofTop},
        {"range interpolated", ServiceReply("OK", "RANGE_INTERPOLATED"), erOk, ltRangeInterpolated},
        {"geometric center", ServiceReply("OK", "GEOMETRIC_CENTER"), erOk, ltGeometricCenter},
        {"approximate", ServiceReply("OK", "APPROXIMATE"), erOk, ltApproximate},
        {"unknown type", ServiceReply("OK", "EXACT"), erOk, ltNotInitialize},
        {"type in lower case", ServiceReply("OK", "rooftop"), erOk, ltNotInitialize},
        {"no location_type", ServiceReply("OK", ""), erOk, ltNotInitialize},
        {"zero results", ServiceReply("ZERO_RESULTS", ""), erZeroResults, ltNotInitialize},
        {"over query limit", ServiceReply("OVER_QUERY_LIMIT", ""), erOverQueryLimit, ltNotInitialize},
        {"request denied", ServiceReply("REQUEST_DENIED", ""), erRequestDenied, ltNotInitialize},
        {"invalid request", ServiceReply("INVALID_REQUEST", ""), erInvalidRequest, ltNotInitialize},
        {"ok in lower case", ServiceReply("ok"), erOtherProblem, ltNotInitialize},
        {"unknown status", ServiceReply("UNKNOWN_ERROR"), erOtherProblem, ltNotInitialize},
        {"status as attribute", "<GeocodeResponse status=\"ZERO_RESULTS\"/>", erZeroResults, ltNotInitialize},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        GeocodeKnownPlace();
        AnswerXml(c.Body);
        EXPECT_EQ(Geocoder.LaunchGeocoding(), c.Result);
        EXPECT_EQ(Geocoder.ResultLocationType(), c.Type);
        if (c.Result == erOk) {
            // The first lat and lng are the location's, not the viewport's.
            EXPECT_EQ(Geocoder.ResultLatitude(), 48.8582);
            EXPECT_EQ(Geocoder.ResultLongitude(), 2.2945);
        } else {
            EXPECT_EQ(Geocoder.ResultLatitude(), 1.5);
            EXPECT_EQ(Geocoder.ResultLongitude(), 2.5);
        }
    }
}

TEST_F(GeocodingTest, FailuresAreOtherProblemAndKeepEveryResult)
{
    const struct {
        const char* Name;
        HttpResponse Response;
        LoopbackMode Mode;
    } cases[] = {
        {"malformed xml", {200, {}, "<GeocodeResponse><status>OK</status>"}, LoopbackMode::Answer},
        {"empty body", {200, {}, ""}, LoopbackMode::Answer},
        {"html error page", {200, {}, "<html><body>Oops</body>"}, LoopbackMode::Answer},
        {"no status element", {200, {}, "<GeocodeResponse><lat>9</lat></GeocodeResponse>"}, LoopbackMode::Answer},
        {"http error with a good body", {500, {}, ServiceReply("OK", "APPROXIMATE", "9", "9")}, LoopbackMode::Answer},
        {"not found", {404, {}, "gone"}, LoopbackMode::Answer},
        {"connection closed", {}, LoopbackMode::CloseAtOnce},
        {"never answers", {}, LoopbackMode::NeverAnswer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        GeocodeKnownPlace();
        Answer(c.Response);
        Server.SetMode(c.Mode);
        // Only the silent server needs a short limit; the others answer at once.
        if (c.Mode == LoopbackMode::NeverAnswer) Geocoder.SetRequestOptions(LoopbackOptions(300ms));
        EXPECT_EQ(Geocoder.LaunchGeocoding(), erOtherProblem);
        Server.SetMode(LoopbackMode::Answer);
        Geocoder.SetRequestOptions(LoopbackOptions(5000ms));
        EXPECT_EQ(Geocoder.ResultLatitude(), 1.5);
        EXPECT_EQ(Geocoder.ResultLongitude(), 2.5);
        EXPECT_EQ(Geocoder.ResultLocationType(), ltRoofTop);
    }
}

TEST_F(GeocodingTest, SendsTheWholeAddressToTheServicePath)
{
    AnswerXml(ServiceReply("OK"));
    const struct {
        std::string Address;
        std::string Path;
    } cases[] = {
        {"Smith & Sons, Main St", "/maps/api/geocode/xml?address=Smith%20%26%20Sons,%20Main%20St&sensor=false"},
        {"", "/maps/api/geocode/xml?address=&sensor=false"},
        {"a=b&sensor=true#x", "/maps/api/geocode/xml?address=a%3Db%26sensor%3Dtrue%23x&sensor=false"},
    };
    for (const auto& c : cases) {
        Server.ClearRequests();
        Geocoder.SetAddress(c.Address);
        EXPECT_EQ(Geocoder.LaunchGeocoding(), erOk) << c.Address;
        const auto requests = Server.Requests();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].Method, "GET");
        EXPECT_TRUE(requests[0].ViaProxy);
        EXPECT_EQ(requests[0].Host, "maps.googleapis.com");
        EXPECT_EQ(requests[0].Path, c.Path);
    }
}

TEST_F(GeocodingTest, UnreadableCoordinatesBecomeZero)
{
    const struct {
        const char* Lat;
        const char* Lng;
        double Latitude;
        double Longitude;
    } cases[] = {
        {"north", "-0.5", 0, -0.5},
        {"  ", "1e2", 0, 100},
        {"NaN", "INF", 0, 0},
        {"12.5.1", "3,5", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Lat);
        GeocodeKnownPlace();
        AnswerXml(ServiceReply("OK", "ROOFTOP", c.Lat, c.Lng));
        EXPECT_EQ(Geocoder.LaunchGeocoding(), erOk);
        EXPECT_EQ(Geocoder.ResultLatitude(), c.Latitude);
        EXPECT_EQ(Geocoder.ResultLongitude(), c.Longitude);
    }
    // An empty location lat is found and reads as 0; the viewport's corner is not taken instead.
    GeocodeKnownPlace();
    AnswerXml(ServiceReply("OK", "ROOFTOP", "", "7"));
    EXPECT_EQ(Geocoder.LaunchGeocoding(), erOk);
    EXPECT_EQ(Geocoder.ResultLatitude(), 0);
    EXPECT_EQ(Geocoder.ResultLongitude(), 7);

    GeocodeKnownPlace();
    AnswerXml("<GeocodeResponse><status>OK</status></GeocodeResponse>");
    EXPECT_EQ(Geocoder.LaunchGeocoding(), erOk);
    EXPECT_EQ(Geocoder.ResultLatitude(), 0);
    EXPECT_EQ(Geocoder.ResultLongitude(), 0);
}

TEST_F(GeocodingTest, ReadsDotDecimalsUnderACommaSeparator)
{
    TFormatSettings& settings = FormatSettings();
    const char saved = settings.DecimalSeparator;
    const char savedThousands = settings.ThousandSeparator;
    settings.DecimalSeparator = ',';
    settings.ThousandSeparator = '.';
    AnswerXml(ServiceReply("OK", "ROOFTOP", "48.8582", "-2.2945"));
    const TGeocodingResult result = Geocoder.LaunchGeocoding();
    const double converted = TGeolithGeocoding::XmlStrToFloat("0.25");
    settings.DecimalSeparator = saved;
    settings.ThousandSeparator = savedThousands;

    EXPECT_EQ(result, erOk);
    EXPECT_EQ(Geocoder.ResultLatitude(), 48.8582);
    EXPECT_EQ(Geocoder.ResultLongitude(), -2.2945);
    EXPECT_EQ(converted, 0.25);
    EXPECT_THROW(TGeolithGeocoding::XmlStrToFloat("12 East"), EConvertError);
}

TEST(GeolithGeocoding, EncodeAddress)
{
    const struct {
        const char* Address;
        const char* Encoded;
    } cases[] = {
        {"", ""},
        {"x y", "x%20y"},
        {"a=b", "a%3Db"},
        {"M\xC3\xBCller", "M%C3%BCller"},
        {"Smith & Sons", "Smith%20%26%20Sons"},
        {"1+2", "1%2B2"},
        {"No #5", "No%20%235"},
        {"100%", "100%25"},
        {"%20", "%2520"},
        {"*<>\"{}|\\^[]`", "%2A%3C%3E%22%7B%7D%7C%5C%5E%5B%5D%60"},
        {"Kept: a-z/A_Z.0~9!$'(),;?@", "Kept:%20a-z/A_Z.0~9!$'(),;?@"},
        {"tab\there\nline", "tab%09here%0Aline"},
        {"\x7F", "%7F"},
        {"\xC2\x80", "%C2%80"},
        {"\xE5\x8C\x97\xE4\xBA\xAC", "%E5%8C%97%E4%BA%AC"},
        {"\xF0\x9F\x97\xBA map", "%F0%9F%97%BA%20map"},
    };
    for (const auto& c : cases) EXPECT_EQ(TGeolithGeocoding::EncodeAddress(c.Address), c.Encoded) << c.Address;
}

TEST(GeolithGeocoding, FindXmlNodeSearchOrder)
{
    xml::Document doc;
    doc.LoadFromString(R"(<root lat="attr-of-root">
        <LAT><inner>not a text element</inner></LAT>
        <a><lat>first text element</lat></a>
        <b lat="attr-later"/>
        <lat>later</lat>
        <status kind="x">done</status>
        <name kind="y"/>
    </root>)");
    const xml::Node root = doc.DocumentElement();
    const struct {
        const char* From;
        const char* Name;
        const char* Text;  // nullptr when nothing is found
        xml::NodeType Type;
    } cases[] = {
        {"root", "lat", "attr-of-root", xml::NodeType::Attribute},
        {"a", "LAT", "first text element", xml::NodeType::Element},
        {"b", "Lat", "attr-later", xml::NodeType::Attribute},
        {"root", "inner", "not a text element", xml::NodeType::Element},
        {"root", "STATUS", "done", xml::NodeType::Element},
        {"root", "kind", "x", xml::NodeType::Attribute},
        {"root", "a", nullptr, xml::NodeType::Null},
        {"root", "missing", nullptr, xml::NodeType::Null},
    };
    for (const auto& c : cases) {
        const xml::Node from = std::string_view(c.From) == "root" ? root : root.ChildElement(c.From);
        const xml::Node found = TGeolithGeocoding::FindXmlNode(from, c.Name);
        EXPECT_EQ(found.Type(), c.Type) << c.From << " " << c.Name;
        if (c.Text) {
            EXPECT_EQ(found.Text(), c.Text) << c.From << " " << c.Name;
        }
    }
    EXPECT_FALSE(TGeolithGeocoding::FindXmlNode(root.ChildElement("status").FirstChild(), "status"));
    EXPECT_FALSE(TGeolithGeocoding::FindXmlNode(xml::Node(), "status"));
}
