// The map page built from default and changed options.
#include "map/UGeolith.h"
#include "map/UGeolithControls.h"
#include "map/UGeolithPage.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/web/RecordingEngine.h"
#include "platform/web/WebBrowser.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

class UGeolithPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = TWebBrowser::SetEngineFactory(
            [](int w, int h) { return std::make_unique<web::RecordingEngine>(w, h); });
    }
    void TearDown() override { TWebBrowser::SetEngineFactory(saved); }

    std::string Page() const
    {
        std::string text;
        geolith.BuildMapPage(text);
        return text;
    }

    TWebBrowser::EngineFactory saved;
    TGeolith geolith{nullptr};
};

bool Has(const std::string& page, const std::string& part) { return page.find(part) != std::string::npos; }

TEST_F(UGeolithPage, DefaultsCentreTheRoadMapOnTheTower)
{
    const std::string page = Page();
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\r", 0), 0u);
    EXPECT_EQ(page.find('\n'), std::string::npos) << "lines end with a carriage return alone";
    EXPECT_FALSE(std::regex_search(page, std::regex("%[A-Za-z]+%"))) << "every placeholder is filled";
    EXPECT_TRUE(Has(page, "center: new google.maps.LatLng(48.85904, 2.294297)"));
    EXPECT_TRUE(Has(page, "zoom: 10,"));
    EXPECT_TRUE(Has(page, "mapTypeId: google.maps.MapTypeId.ROADMAP"));
    EXPECT_TRUE(Has(page, "/maps/api/js?sensor=false&v=3.5&libraries=panoramio\""));
    EXPECT_FALSE(Has(page, "language="));
    EXPECT_TRUE(Has(page, "panControlOptions: { position: google.maps.ControlPosition.TOP_LEFT }"));
    EXPECT_TRUE(Has(page, "zoomControlOptions: { position: google.maps.ControlPosition.TOP_LEFT, style: google.maps.ZoomControlStyle.DEFAULT }"));
    EXPECT_TRUE(Has(page, "streetViewControlOptions: { position: google.maps.ControlPosition.TOP_LEFT }"));
    EXPECT_TRUE(Has(page, "mapTypeControlOptions: { position: google.maps.ControlPosition.TOP_RIGHT, style: google.maps.MapTypeControlStyle.DEFAULT }"));
    EXPECT_TRUE(Has(page, "scaleControlOptions: { position: google.maps.ControlPosition.BOTTOM_LEFT }"));
    EXPECT_TRUE(Has(page, "navigationControlOptions: { style: google.maps.NavigationControlStyle.DEFAULT }"));
    // Booleans and layers are bare script values, not strings.
    for (const char* part : {"panControl: true,", "zoomControl: true,", "mapTypeControl: true,", "scaleControl: true,",
                             "streetViewControl: true,", "overviewMapControl: true,", "opened: false",
                             "disableDoubleClickZoom: false,", "draggable: true,", "keyboardShortcuts: true,",
                             "scrollwheel: true,", "disableDefaultUI: false,", "trafficLayer.setMap(null);",
                             "bicyclingLayer.setMap(null);", "panoramioLayer.setMap(null);"})
        EXPECT_TRUE(Has(page, part)) << part;
}

TEST_F(UGeolithPage, ChangedOptionsReachThePage)
{
    TMapOptions& m = *geolith.MapOptions();
    TControlsOptions& c = *geolith.ControlsOptions();
    m.SetDraggable(false);
    m.SetZoomMap(15);
    m.SetMapType(mtHybrid);
    m.SetDefaultLatitude(-33.5);
    m.SetDefaultLongitude(151.25);
    m.SetShowTraffic(true);
    m.SetShowPanoramio(true);
    m.SetDisableControls(true);
    c.SetControlsType(ctZomPan);
    c.ScaleControl()->SetPosition(cpRightBottom);
    c.ZoomControl()->SetStyle(zsLarge);
    c.MapTypeControl()->SetStyle(mtsHorizontalBar);
    c.PanControl()->SetVisible(false);
    c.OverviewMapControl()->SetOpen(true);

    const std::string page = Page();
    for (const char* part : {"draggable: false,", "zoom: 15,", "mapTypeId: google.maps.MapTypeId.HYBRID",
                             "center: new google.maps.LatLng(-33.5, 151.25)", "trafficLayer.setMap(map);",
                             "panoramioLayer.setMap(map);", "bicyclingLayer.setMap(null);", "disableDefaultUI: true,",
                             "NavigationControlStyle.ZOOM_PAN", "scaleControlOptions: { position: google.maps.ControlPosition.RIGHT_BOTTOM }",
                             "ZoomControlStyle.LARGE", "MapTypeControlStyle.HORIZONTAL_BAR", "panControl: false,",
                             "opened: true"})
        EXPECT_TRUE(Has(page, part)) << part;
}

TEST_F(UGeolithPage, LanguagesEndTheLibraryQuery)
{
    struct Row {
        TLanguageName language;
        const char* query;
    };
    for (const Row& row : {Row{lnEnglish_GreatBritain, "libraries=panoramio&language=en-GB\""},
                           Row{lnChinese_Tradtional, "libraries=panoramio&language=zh-TW\""},
                           Row{lnArabic, "libraries=panoramio&language=ar\""},
                           Row{lnFilipino, "libraries=panoramio&language=fil\""}}) {
        geolith.MapOptions()->SetLanguage(row.language);
        EXPECT_TRUE(Has(Page(), row.query)) << row.query;
    }
    EXPECT_EQ(map::LanguageCode(lnDefault), "");
    EXPECT_EQ(map::LanguageCode(lnPortuguese_Brazil), "pt-BR");
}

TEST_F(UGeolithPage, CoordinatesKeepADotUnderACommaSetting)
{
    const TFormatSettings saved = FormatSettings();
    FormatSettings().DecimalSeparator = ',';
    const std::string page = Page();
    FormatSettings() = saved;
    EXPECT_TRUE(Has(page, "new google.maps.LatLng(48.85904, 2.294297)"));
}

TEST(ReplaceControlPositionTest, ReplacesEveryOccurrenceIgnoringCase)
{
    EXPECT_EQ(ReplaceControlPosition("a %POS% b %pos%", "%Pos%", cpLeftCenter), "a LEFT_CENTER b LEFT_CENTER");
}

}  // namespace
