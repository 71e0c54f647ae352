// Function libraries, custom-function handlers and the order in which names are looked up.
#include "spreadsheet/tests/FormulaFixture.h"

#include "platform/classes/Lists.h"
#include "platform/rtl/Exceptions.h"

namespace {

// Supplies ANSWER, a SUM that multiplies, FAIL(code), and the text function JOIN.
class TTestLib : public TMathLib {
public:
    using TMathLib::TMathLib;
    bool HandlesConstant(const std::string& Constant) override { return Constant == "ANSWER"; }
    double GetConstant(const std::string&) override { return 42; }
    bool HandlesFunction(const std::string& FuncName) override { return FuncName == "SUM" || FuncName == "FAIL"; }
    bool HandlesStrFunction(const std::string& FuncName) override { return FuncName == "JOIN"; }
    double CalcFunction(const std::string& FuncName, TParamList& Params, int& ErrType, int&) override
    {
        ErrType = 0;
        if (FuncName == "FAIL") {
            ErrType = static_cast<int>(Params.GetItem(0));
            return 0;
        }
        double product = 1;
        for (int k = 0; k < Params.Count(); ++k) product *= Params.GetItem(k);
        return product;
    }
    std::string CalcStrFunction(const std::string&, TStringList& Params, int& ErrType, int&) override
    {
        ErrType = 0;
        std::string joined;
        for (int k = 0; k < Params.Count(); ++k) joined += (k ? "-" : "") + Params.Strings(k);
        return joined;
    }
};

} // namespace

TEST_F(FormulaTest, LibrariesComeBeforeBuiltinsAndReportTheirErrors)
{
    TComponent owner(nullptr);
    auto* lib = new TTestLib(&owner);
    auto* binder = new TLibBinder(&owner);
    binder->Libs().Add(); // an item without a library is skipped
    binder->Libs().Add()->SetMathLib(lib);
    Put("A1", "2");
    Put("A2", "5");

    EXPECT_DOUBLE_EQ(Eval("SUM(2;3)").Number(), 5);
    Formula->SetLibs(binder);
    EXPECT_DOUBLE_EQ(Eval("SUM(2;3)").Number(), 6);
    EXPECT_DOUBLE_EQ(Eval("SUM(A1:A3;2)").Number(), 0); // the empty cell counts 0
    EXPECT_DOUBLE_EQ(Eval("answer+1").Number(), 43);
    EXPECT_EQ(Eval("JOIN(\"a\";A1:A2)").Text(), "a-2-5");
    EXPECT_EQ(Eval("JOIN(1;5)").Text(), "1-5");
    EXPECT_DOUBLE_EQ(Eval("JOIN(12)").Number(), 12);

    Outcome o = Eval("1+FAIL(101)");
    EXPECT_FALSE(o.Ok);
    EXPECT_EQ(o.Code(), 101);
    EXPECT_EQ(o.Position(), 3);
    EXPECT_EQ(o.Errors.front().Text, "No error");
    o = Eval("FAIL(2)");
    EXPECT_EQ(o.Code(), 2);
    EXPECT_EQ(o.Errors.front().Text, "");
    EXPECT_EQ(FormulaErrorText(2), "Division by zero");

    // Freeing the library removes it from the binder.
    delete lib;
    EXPECT_EQ(binder->Libs().Count(), 1);
    EXPECT_DOUBLE_EQ(Eval("SUM(2;3)").Number(), 5);
}

TEST_F(FormulaTest, FreeingABoundGridRemovesItsItem)
{
    TComponent owner(nullptr);
    auto* binder = new TGridBinder(&owner);
    auto* sheet = new TQuillStringGrid(&owner);
    TGridBinderItem* item = binder->Grids().Add();
    item->SetGrid(sheet);
    item->SetName("Sheet2");
    delete sheet;
    EXPECT_EQ(binder->Grids().Count(), 0);
}

TEST_F(FormulaTest, CustomFunctionsComeBeforeBuiltins)
{
    Formula->IsCustomFunction = [](TGridFormula*, std::string& func, bool& match) {
        match = func == "DOUBLE" || func == "ABS";
    };
    Formula->CalcCustomFunction = [](TGridFormula*, std::string&, double& param) { param *= 2; };
    EXPECT_DOUBLE_EQ(Eval("DOUBLE(21)").Number(), 42);
    EXPECT_DOUBLE_EQ(Eval("double(1+1)").Number(), 4);
    EXPECT_DOUBLE_EQ(Eval("ABS(-3)").Number(), -6);
    EXPECT_EQ(Eval("DOUBLE(1;2)").Code(), 10);
    EXPECT_DOUBLE_EQ(Eval("SQRT(16)").Number(), 4);
}

TEST(ParamList, HoldsItsValuesAndChecksIndexes)
{
    TParamList list;
    list.Add(1);
    list.Add(2);
    list.Add(3);
    list.SetItem(1, 5);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_DOUBLE_EQ(list.GetItem(1), 5);
    EXPECT_THROW(list.GetItem(3), EListError);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}
