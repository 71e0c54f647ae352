// The main window's address commands against a geocoding service answered on loopback.
#include "app/tests/AppFixture.h"

#include "map/UGeolithGeocoding.h"
#include "platform/net/testing/LoopbackHttpServer.h"

namespace {

std::string Reply(const std::string& status)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<GeocodeResponse><status>" + status +
           "</status><result><geometry><location><lat>48.8582</lat><lng>2.2945</lng></location>"
           "<location_type>ROOFTOP</location_type></geometry></result></GeocodeResponse>";
}

class UMainGeocodingTest : public app::testing::AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        WriteSettings("");
        ShowAndGoLive();
    }

    std::string status = "OK";
    net::testing::LoopbackHttpServer server{[this](const net::testing::HttpRequest&) {
        return net::testing::HttpResponse{200, {{"Content-Type", "text/xml"}}, Reply(status)};
    }};
    net::testing::ScopedHttpProxy proxy{server};
};

TEST_F(UMainGeocodingTest, AddMarkerAtAddress)
{
    // Cancelled or empty: no request, nothing added.
    for (std::optional<std::string> answer : {std::optional<std::string>(), std::optional<std::string>("")}) {
        inputAnswer = answer;
        FrmMain->Addmarkeratadress1Click(nullptr);
    }
    EXPECT_EQ(server.Requests().size(), 0u);
    ASSERT_EQ(inputQueries.size(), 2u);
    EXPECT_EQ(inputQueries[0].Caption, "Lookup address");
    EXPECT_EQ(inputQueries[0].Prompt, "Address");

    status = "ZERO_RESULTS";
    inputAnswer = "Nowhere";
    FrmMain->Addmarkeratadress1Click(nullptr);
    EXPECT_EQ(messages.back(), "Problem with the geocoding of the address ...");
    EXPECT_EQ(Markers().Count(), 0);

    status = "OK";
    inputAnswer = "Smith & Sons, Main St";
    FrmMain->Addmarkeratadress1Click(nullptr);
    ASSERT_EQ(Markers().Count(), 1);
    const TMarker& m = *Markers().Items(0);
    EXPECT_EQ(m.Title(), "Smith & Sons, Main St");
    EXPECT_DOUBLE_EQ(m.Latitude(), 48.8582);
    EXPECT_EQ(m.Icon(), "");
    EXPECT_FALSE(m.Draggable());
    EXPECT_FALSE(m.Clickable());
    EXPECT_TRUE(m.InitialDropAnimation());
    EXPECT_EQ(Scripts().back(), "map.panTo(new google.maps.LatLng(48.8582, 2.2945));");
}

TEST_F(UMainGeocodingTest, GoToAddressPansOrReports)
{
    FrmMain->EAddress->SetText("Eiffel Tower");
    FrmMain->BGoToAddressClick(nullptr);
    EXPECT_EQ(Scripts().back(), "map.panTo(new google.maps.LatLng(48.8582, 2.2945));");
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_NE(server.Requests()[0].Path.find("address=Eiffel%20Tower"), std::string::npos) << server.Requests()[0].Path;

    status = "OVER_QUERY_LIMIT";
    Engine().ClearScripts();
    FrmMain->BGoToAddressClick(nullptr);
    EXPECT_EQ(messages.back(), "Problem with the geocoding of the address !!!");
    EXPECT_TRUE(Scripts().empty());
    EXPECT_EQ(Markers().Count(), 0);
}

}  // namespace
