// The theme notifier: its handle list, its registration rules, and the delivery
// of a real registry change to the registered windows.
#include "render/QuillStyleIF.h"
#include "render/ThemeNotifier.h"

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/classes/Registry.h"
#include "platform/ui/MessageQueue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* k2010Common = "Software\\Microsoft\\Office\\14.0\\Common";
constexpr const char* k2007Common = "Software\\Microsoft\\Office\\12.0\\Common";
constexpr const char* k2010General = "Software\\Microsoft\\Office\\14.0\\Common\\General";
constexpr const char* k2007General = "Software\\Microsoft\\Office\\12.0\\Common\\General";

// A window that writes down every theme-change message it handles.
class TRecordingWindow : public TWinControl {
    VISTRA_CLASS(TRecordingWindow, TWinControl)

    TRecordingWindow(std::vector<std::string>& log, std::string name)
        : TWinControl(nullptr), FLog(log), FName(std::move(name))
    {
    }
    void WndProc(TMessage& Message) override
    {
        if (Message.Msg == WM_OFFICETHEMECHANGE) {
            FLog.push_back(FName);
            RootKey = Message.WParam;
            KeyPath = reinterpret_cast<const char*>(Message.LParam);
        }
        TWinControl::WndProc(Message);
    }
    WPARAM RootKey = 0;
    std::string KeyPath;

private:
    std::vector<std::string>& FLog;
    std::string FName;
};

class ThemeNotifierTest : public testing::Test {
protected:
    void SetUp() override
    {
        FDir = fs::path(testing::TempDir()) /
               ("notifier-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(FDir);
        ::setenv("VISTRA_REGISTRY_FILE", (FDir / "registry.ini").c_str(), 1);
        ui::ResetMessageQueue();
    }
    void TearDown() override
    {
        ::unsetenv("VISTRA_REGISTRY_FILE");
        fs::remove_all(FDir);
    }
    static void CreateKey(const char* key)
    {
        TRegistry reg;
        reg.OpenKey(key, true);
    }
    static void WriteTheme(const char* key, int theme)
    {
        TRegistry reg;
        reg.OpenKey(key, true);
        reg.WriteInteger("Theme", theme);
    }
    // Runs the message loop until done() holds; the generous limit only
    // guards against a hang, it measures nothing.
    static bool PumpUntil(const std::function<bool()>& done)
    {
        auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!done()) {
            if (std::chrono::steady_clock::now() > limit)
                return false;
            ui::ProcessPending();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }
    fs::path FDir;
};

} // namespace

TEST(HandleListTest, IntegersInAndOut)
{
    THandleList list;
    list.Add(7);
    list.Add(9);
    list.Insert(1, 8);
    list.Add(7);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.GetInteger(1), 8u);
    EXPECT_TRUE(list.HasValue(9));
    list.DeleteValue(7); // only the first of two
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetInteger(0), 8u);
    EXPECT_EQ(list.GetInteger(2), 7u);
    list.DeleteValue(42);
    list.SetInteger(0, 5);
    list.Delete(1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetInteger(0), 5u);
    EXPECT_FALSE(list.HasValue(9));
}

TEST_F(ThemeNotifierTest, WithoutOfficeThereIsNoWatcher)
{
    WriteTheme(k2010Common, 1); // a theme value alone is no installation
    TWinControl parent(nullptr);
    TThemeNotifier notifier(&parent);
    EXPECT_EQ(notifier.RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier.Notifier(), nullptr);
    notifier.RegisterWindow(parent.Handle());
    notifier.UnRegisterWindow(parent.Handle());
}

TEST_F(ThemeNotifierTest, WatchesTheNewestOfficeVersionsKey)
{
    CreateKey(k2007General);
    TWinControl parent(nullptr);
    {
        TThemeNotifier notifier(&parent);
        ASSERT_NE(notifier.RegMonitorThread(), nullptr);
        EXPECT_EQ(notifier.RegMonitorThread()->Key(), k2007Common);
    }
    CreateKey(k2010General);
    TThemeNotifier notifier(&parent);
    TRegMonitorThread* thread = notifier.RegMonitorThread();
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(thread->Key(), k2010Common);
    EXPECT_EQ(thread->RootKey(), HKEY_CURRENT_USER);
    EXPECT_EQ(thread->Filter(), 4);
    EXPECT_TRUE(thread->WatchSub());
    EXPECT_EQ(thread->Wnd(), notifier.Notifier()->Handle());
    EXPECT_EQ(notifier.Notifier()->Parent(), &parent);

    notifier.RegisterWindow(100);
    notifier.RegisterWindow(100);
    notifier.RegisterWindow(200);
    EXPECT_EQ(thread->WinList()->Count(), 2);
    notifier.UnRegisterWindow(300);
    notifier.UnRegisterWindow(100);
    EXPECT_EQ(thread->WinList()->Count(), 1);
    EXPECT_EQ(thread->WinList()->GetInteger(0), 200u);

    TRegMonitorThread idle;
    EXPECT_EQ(idle.Filter(), 15);
}

TEST_F(ThemeNotifierTest, ARegistryChangeReachesTheNotifierThenTheWindowsInOrder)
{
    CreateKey(k2010General);
    WriteTheme(k2010Common, 1);
    std::vector<std::string> log;
    TRecordingWindow parent(log, "parent");
    TRecordingWindow first(log, "first");
    TRecordingWindow second(log, "second");
    TThemeNotifier notifier(&parent);
    TObject* sender = nullptr;
    notifier.OnOfficeThemeChange = [&](TObject* Sender) {
        sender = Sender;
        log.push_back("notifier");
    };
    notifier.RegisterWindow(first.Handle());
    notifier.RegisterWindow(second.Handle());
    ASSERT_TRUE(PumpUntil([&] { return notifier.RegMonitorThread()->Watching(); }));

    WriteTheme(k2010Common, 3);
    ASSERT_TRUE(PumpUntil([&] { return log.size() >= 3; }));
    EXPECT_EQ(log, (std::vector<std::string>{"notifier", "first", "second"}));
    EXPECT_EQ(sender, &notifier);
    EXPECT_EQ(second.RootKey, HKEY_CURRENT_USER);
    EXPECT_EQ(second.KeyPath, k2010Common);
    EXPECT_EQ(DetectOfficeTheme(), ot2010Black);
}

TEST_F(ThemeNotifierTest, SharedInstanceLivesUntilItsOwnerFreesIt)
{
    CreateKey(k2007General);
    auto* owner = new TWinControl(nullptr);
    TThemeNotifier* shared = ThemeNotifierInstance(owner);
    EXPECT_EQ(ThemeNotifierInstance(nullptr), shared);
    EXPECT_EQ(shared->Owner(), owner);
    delete owner;
    TWinControl otherOwner(nullptr);
    TThemeNotifier* fresh = ThemeNotifierInstance(&otherOwner);
    EXPECT_EQ(fresh->Owner(), &otherOwner);
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    backend::InstallHeadlessBackend();
    return RUN_ALL_TESTS();
}
