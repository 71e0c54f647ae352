// Platform tests, Office theme detection and the theme-library bindings.
#include "render/QuillStyleIF.h"
#include "render/ThemeBinders.h"

#include "platform/classes/Registry.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using render::TOperatingSystemFacts;
using render::TThemeLibraryState;

constexpr const char* k2010Common = "Software\\Microsoft\\Office\\14.0\\Common";
constexpr const char* k2007Common = "Software\\Microsoft\\Office\\12.0\\Common";
constexpr const char* k2010General = "Software\\Microsoft\\Office\\14.0\\Common\\General";
constexpr const char* k2007General = "Software\\Microsoft\\Office\\12.0\\Common\\General";

// One registry key to create, with an optional integer "Theme" value.
struct TKeySetup {
    const char* Key;
    std::optional<int> Theme;
};

// Each test gets its own registry file and the default platform answers.
class ThemeDetectionTest : public testing::Test {
protected:
    void SetUp() override
    {
        FDir = fs::path(testing::TempDir()) /
               ("themes-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(FDir);
        ::setenv("VISTRA_REGISTRY_FILE", (FDir / "registry.ini").c_str(), 1);
    }
    void TearDown() override
    {
        render::SetOperatingSystemForTesting({});
        render::SetThemeLibraryProbeForTesting(nullptr);
        ::unsetenv("VISTRA_REGISTRY_FILE");
        fs::remove_all(FDir);
    }
    static void CreateKeys(const std::vector<TKeySetup>& keys)
    {
        TRegistry reg;
        for (const auto& k : keys) {
            reg.CloseKey();
            reg.OpenKey(k.Key, true);
            if (k.Theme)
                reg.WriteInteger("Theme", *k.Theme);
        }
    }
    static void UseDesktopScheme(bool active, std::string scheme)
    {
        render::SetThemeLibraryProbeForTesting(
            [=]() -> std::optional<TThemeLibraryState> { return TThemeLibraryState{active, scheme}; });
    }
    fs::path FDir;
};

} // namespace

TEST_F(ThemeDetectionTest, OfficeThemeFromRegistryValues)
{
    struct TRow {
        const char* Name;
        std::vector<TKeySetup> Keys;
        TOfficeTheme Expected;
    };
    const std::vector<TRow> rows = {
        {"2010 blue", {{k2010Common, 1}}, ot2010Blue},
        {"2010 silver", {{k2010Common, 2}}, ot2010Silver},
        {"2010 black", {{k2010Common, 3}, {k2007Common, 1}}, ot2010Black},
        {"2010 key without Theme falls to 2007", {{k2010Common, {}}, {k2007Common, 2}}, ot2007Silver},
        {"2010 unknown value stops there", {{k2010Common, 0}, {k2007Common, 3}}, ot2003Blue},
        {"2007 blue", {{k2007Common, 1}}, ot2007Blue},
        {"2007 black", {{k2007Common, 3}}, ot2007Black},
        {"2007 unknown value", {{k2007Common, 7}}, ot2003Blue},
        {"only sub-keys, no Theme anywhere", {{k2010General, {}}, {k2007General, {}}}, ot2003Classic},
        {"no Office keys", {}, ot2003Classic},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        fs::remove_all(FDir);
        CreateKeys(row.Keys);
        EXPECT_EQ(DetectOfficeTheme(), row.Expected);
    }
}

TEST_F(ThemeDetectionTest, WithoutOfficeTheDesktopSchemeDecides)
{
    struct TRow {
        const char* Name;
        bool Active;
        const char* Scheme;
        TOfficeTheme Expected;
    };
    const std::vector<TRow> rows = {
        {"blue", true, "NormalColor", ot2003Blue},
        {"olive", true, "HomeStead", ot2003Olive},
        {"silver", true, "Metallic", ot2003Silver},
        {"a part of a known name counts", true, "Metal", ot2003Silver},
        {"empty name", true, "", ot2003Classic},
        {"unknown name", true, "Royale", ot2003Classic},
        {"themes switched off", false, "Metallic", ot2003Classic},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        UseDesktopScheme(row.Active, row.Scheme);
        EXPECT_EQ(DetectOfficeTheme(), row.Expected);
    }

    // Without a theme library, or on an older system, there is no scheme.
    render::SetThemeLibraryProbeForTesting(nullptr);
    EXPECT_EQ(CurrentXPColorScheme(), 0);
    UseDesktopScheme(true, "Metallic");
    render::SetOperatingSystemForTesting({5, 0, false, 6});
    EXPECT_EQ(CurrentXPColorScheme(), 0);
    render::SetOperatingSystemForTesting({5, 1, false, 5});
    EXPECT_EQ(CurrentXPColorScheme(), 0);
    render::SetOperatingSystemForTesting({5, 1, false, 6});
    EXPECT_EQ(CurrentXPColorScheme(), 3);
}

TEST_F(ThemeDetectionTest, ThemeValueOfTheWrongTypeRaises)
{
    TRegistry reg;
    reg.OpenKey(k2010Common, true);
    reg.WriteString("Theme", "3");
    reg.CloseKey();
    EXPECT_THROW(DetectOfficeTheme(), ERegistryException);
    // The failed read leaves no key open behind it.
    EXPECT_THROW(ReadOfficeThemeValue(reg, k2010Common), ERegistryException);
    EXPECT_EQ(reg.CurrentPath(), "");
    EXPECT_EQ(ReadOfficeThemeValue(reg, "Software\\Nowhere"), -1);
}

TEST_F(ThemeDetectionTest, InstalledOfficeVersionFromTheGeneralKeys)
{
    EXPECT_EQ(InstalledOfficeVersion(), 0);
    CreateKeys({{k2010Common, 1}}); // a Common key alone is not an installation
    EXPECT_EQ(InstalledOfficeVersion(), 0);
    CreateKeys({{k2007General, {}}});
    EXPECT_EQ(InstalledOfficeVersion(), 1);
    CreateKeys({{k2010General, {}}});
    EXPECT_EQ(InstalledOfficeVersion(), 2);
}

TEST_F(ThemeDetectionTest, PlatformTestsFollowTheFacts)
{
    struct TRow {
        TOperatingSystemFacts Facts;
        bool XP, Vista, Themed;
    };
    const std::vector<TRow> rows = {
        {{5, 0, false, 5}, false, false, false},
        {{5, 1, false, 6}, true, false, true},
        {{6, 0, true, 6}, true, true, true},
        {{4, 9, false, 4}, false, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Facts.MajorVersion * 10 + row.Facts.MinorVersion);
        render::SetOperatingSystemForTesting(row.Facts);
        EXPECT_EQ(IsWindowsXPOrNewer(), row.XP);
        EXPECT_EQ(IsVistaOrNewer(), row.Vista);
        EXPECT_EQ(CommonControlsThemed(), row.Themed);
    }
    // The default describes a current system.
    render::SetOperatingSystemForTesting({});
    EXPECT_TRUE(IsWindowsXPOrNewer());
    EXPECT_TRUE(IsVistaOrNewer());
    EXPECT_TRUE(CommonControlsThemed());
}

TEST(ThemeBindersTest, WithoutADisplayNothingIsEverLoaded)
{
    using namespace render;
    for (TThemeLibraryBinder* binder :
         {&ControlsThemeBinder(), &DropDownThemeBinder(), &SpareThemeBinder(), &EditButtonThemeBinder()}) {
        EXPECT_FALSE(binder->Loaded());
        EXPECT_EQ(binder->OpenThemeData, nullptr);
        binder->BindThemeLibrary();
        binder->BindThemeLibrary();
        EXPECT_FALSE(binder->Loaded());
        binder->UnbindThemeLibrary();
        EXPECT_FALSE(binder->Loaded());
    }
}
