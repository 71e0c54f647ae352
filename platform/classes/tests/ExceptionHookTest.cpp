#include "platform/classes/ExceptionHook.h"

#include "platform/classes/Object.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Recorded {
    TObject* Sender;
    std::string Message;
};

// Installs a recorder for the test and puts the previous handler back.
class ExceptionHookTest : public testing::Test {
protected:
    void SetUp() override
    {
        FPrevious = classes::SetExceptionHandler(
            [this](TObject* sender, const std::exception& e) { FReports.push_back({sender, e.what()}); });
    }
    void TearDown() override { classes::SetExceptionHandler(FPrevious); }

    std::vector<Recorded> FReports;
    classes::TExceptionHandler FPrevious;
};

} // namespace

TEST_F(ExceptionHookTest, ReportsWhatEscapesButNeverAnAbort)
{
    TObject sender;
    try {
        throw EConvertError("'x' is not a valid integer value");
    } catch (...) {
        HandleException(&sender);
    }
    try {
        Abort();
    } catch (...) {
        HandleException(&sender);
    }
    try {
        throw std::runtime_error("from a library");
    } catch (...) {
        HandleException(nullptr);
    }
    try {
        throw 42;
    } catch (...) {
        HandleException(&sender);
    }
    HandleException(&sender); // outside a catch block: nothing to report

    ASSERT_EQ(FReports.size(), 3u);
    EXPECT_EQ(FReports[0].Sender, &sender);
    EXPECT_EQ(FReports[0].Message, "'x' is not a valid integer value");
    EXPECT_EQ(FReports[1].Sender, nullptr);
    EXPECT_EQ(FReports[1].Message, "from a library");
    EXPECT_EQ(FReports[2].Message, "Unknown exception");
}

TEST_F(ExceptionHookTest, AFailingHandlerDoesNotEscape)
{
    classes::SetExceptionHandler([](TObject*, const std::exception&) { throw std::logic_error("handler broke"); });
    try {
        throw Exception("first");
    } catch (...) {
        EXPECT_NO_THROW(HandleException(nullptr));
    }
}
