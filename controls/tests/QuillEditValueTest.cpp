// The value model: Text with prefix and suffix, number reads and writes per
// edit type, and the setters that re-format the value.
#include "QuillEditFixture.h"

#include "controls/RangeList.h"
#include "platform/ui/ExtCtrls.h"

TEST_F(QuillEditTest, TextIsTheValueWithoutPrefixAndSuffix)
{
    Edit->SetPrefix("$ ");
    Edit->SetSuffix(" kg");
    Edit->SetText("12");
    EXPECT_EQ(Edit->DisplayText(), "$ 12 kg");
    EXPECT_EQ(Edit->Text(), "12");
    Edit->SetPrefix("≈");
    EXPECT_EQ(Edit->DisplayText(), "≈12 kg") << "a new prefix keeps the value";
    EXPECT_EQ(Edit->Text(), "12");
    EXPECT_EQ(Edit->Version(), "2.9.2.1");
}

TEST_F(QuillEditTest, NumberReadsAndWrites)
{
    struct Case {
        const char* name;
        TQuillEditType type;
        int precision;
        double write;
        const char* shown;
        double floatRead;
        int intRead;
    } cases[] = {
        {"float takes its decimals", etFloat, 2, 3.14159, "3.14", 3.14, 3},
        {"float general form for negative precision", etFloat, -1, 0.5, "0.5", 0.5, 0},
        {"money groups a million and a half", etMoney, 2, 1000000.5, "1,000,000.50", 1000000.5, 1000000},
        {"numeric writes a whole number that reads back", etNumeric, 0, 1234.4, "1234", 1234, 1234},
        {"hexadecimal writes the integer part", etHex, 0, 255.9, "FF", 255, 255},
        {"text with fixed decimals", etString, 1, 2.25, "2.3", 2.3, 0},
        {"kinds without numbers write nothing", etUppercase, 0, 5, "", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Edit->SetEditType(c.type);
        if (c.type == etString || c.type == etFloat || c.type == etMoney) Edit->SetPrecision(c.precision);
        Edit->SetFloatValue(c.write);
        EXPECT_EQ(Edit->Text(), c.shown);
        EXPECT_DOUBLE_EQ(Edit->FloatValue(), c.floatRead);
        EXPECT_EQ(Edit->IntValue(), c.intRead);
        EXPECT_TRUE(Edit->Modified());
    }
    Edit->SetEditType(etMoney);
    Edit->SetPrecision(0);
    Edit->SetIntValue(-1234567);
    EXPECT_EQ(Edit->Text(), "-1,234,567");
}

TEST_F(QuillEditTest, SettersReformatTheValue)
{
    Edit->SetEditType(etNumeric);
    Edit->SetPrecision(2);
    EXPECT_EQ(Edit->Precision(), 0) << "numeric edits have no decimals";
    Edit->SetText("");
    EXPECT_EQ(Edit->Text(), "0");
    Edit->SetText("42");
    Edit->SetEditType(etFloat);
    Edit->SetPrecision(2);
    EXPECT_EQ(Edit->Text(), "42.00");
    Edit->SetPrecisionDisplay(pdShortest);
    EXPECT_EQ(Edit->Text(), "42");

    Edit->SetText("abc");
    Edit->SetEditType(etMoney);
    EXPECT_EQ(Edit->FloatValue(), 0) << "a value that is no number becomes zero";
    Edit->SetEditType(etHex);
    Edit->SetText("1A");
    Edit->SetEditType(etNumeric);
    EXPECT_EQ(Edit->Text(), "0");

    Edit->SetEditType(etPassword);
    EXPECT_EQ(Edit->PasswordChar(), U'*');
    EXPECT_FALSE(Edit->CanUndo());
    Edit->SetCanUndo(true);
    EXPECT_FALSE(Edit->CanUndo()) << "a password never comes back with Esc";
}

TEST_F(QuillEditTest, RangeListsThroughTheValue)
{
    Edit->SetEditType(etRange);
    Edit->SetText("1-3,5");
    TRangeList list;
    EXPECT_TRUE(Edit->RangeStrToList(list));
    EXPECT_EQ(list.Count(), 4);
    list.Add(4);
    list.Add(9);
    Edit->ListToRangeStr(list);
    EXPECT_EQ(Edit->Text(), "1-5,9");
}

TEST_F(QuillEditTest, EnterAndArrowKeys)
{
    int arrows = 0;
    Edit->OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) { arrows += key == VK_UP || key == VK_DOWN; };
    Edit->SetText("value");
    Focus();
    Press(VK_DOWN);
    EXPECT_EQ(arrows, 1);
    EXPECT_TRUE(Edit->Focused());
    Edit->SetReturnIsTab(true);
    Press(VK_RETURN);
    EXPECT_TRUE(After->Focused());
    EXPECT_EQ(Edit->Text(), "value");
}

TEST_F(QuillEditTest, LabelDeletedAloneIsForgotten)
{
    Edit->SetLabelCaption("Name");
    delete Edit->EditLabel();
    EXPECT_EQ(Edit->EditLabel(), nullptr);
    Edit->SetLabelCaption("Again");
    EXPECT_EQ(Edit->LabelCaption(), "Again");
}
