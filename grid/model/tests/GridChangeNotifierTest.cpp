#include "grid/model/GridChangeNotifier.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using grid::TGridNotifierList;

namespace {

// Writes "<name> <left>,<top>,<right>,<bottom>" into a shared log per notification.
class TLoggingNotifier : public TGridChangeNotifier {
public:
    TLoggingNotifier(std::string AName, std::vector<std::string>& ALog)
        : TGridChangeNotifier(nullptr), FName(std::move(AName)), FLog(ALog)
    {
    }
    void NotifyCellsChanged(const TRect& R) override
    {
        FLog.push_back(FName + " " + std::to_string(R.Left) + "," + std::to_string(R.Top) + "," +
                       std::to_string(R.Right) + "," + std::to_string(R.Bottom));
        if (OnNotified)
            OnNotified();
    }
    std::function<void()> OnNotified;

private:
    std::string FName;
    std::vector<std::string>& FLog;
};

TEST(GridChangeNotifierTest, TheBaseNotifierDoesNothing)
{
    TGridChangeNotifier notifier(nullptr);
    TGridNotifierList list;
    list.RegisterNotifier(&notifier);
    list.NotifyCellsChanged(Rect(0, 0, 1, 1));
    EXPECT_EQ(list.Count(), 1);
}

TEST(GridChangeNotifierTest, NotifiersHearInRegistrationOrderOnce)
{
    std::vector<std::string> log;
    TLoggingNotifier first("first", log), second("second", log), third("third", log);
    TGridNotifierList list;
    list.RegisterNotifier(&second);
    list.RegisterNotifier(&first);
    list.RegisterNotifier(&second);
    list.RegisterNotifier(&third);
    list.UnRegisterNotifier(&third);
    list.UnRegisterNotifier(&third);

    list.NotifyCellsChanged(Rect(1, 2, 3, 4));

    EXPECT_EQ(log, (std::vector<std::string>{"second 1,2,3,4", "first 1,2,3,4"}));
}

TEST(GridChangeNotifierTest, AFreedNotifierLeavesTheList)
{
    std::vector<std::string> log;
    TLoggingNotifier kept("kept", log);
    auto* freed = new TLoggingNotifier("freed", log);
    TGridNotifierList list;
    list.RegisterNotifier(freed);
    list.RegisterNotifier(&kept);

    delete freed;
    list.NotifyCellsChanged(Rect(0, 0, 2, 2));

    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"kept 0,0,2,2"}));
}

TEST(GridChangeNotifierTest, ANotifierRemovedDuringDeliveryIsNotToldAnyMore)
{
    std::vector<std::string> log;
    TLoggingNotifier first("first", log), second("second", log);
    TGridNotifierList list;
    list.RegisterNotifier(&first);
    list.RegisterNotifier(&second);
    first.OnNotified = [&] { list.UnRegisterNotifier(&second); };

    list.NotifyCellsChanged(Rect(0, 0, 0, 0));

    EXPECT_EQ(log, (std::vector<std::string>{"first 0,0,0,0"}));
}

} // namespace
