// The typed edit's lookup popup (filtering as the user types, size, keys,
// mouse, multi entries, history) and the persistence of text and history.
#include "QuillEditFixture.h"

#include <cstdlib>
#include <vector>

#include "platform/classes/ExceptionHook.h"
#include "platform/classes/IniFiles.h"
#include "platform/ui/ScrollBars.h"
#include "testsupport/TempFolder.h"

namespace input = backend::input;

namespace {

std::vector<std::string> Rows(const TQuillEdit& edit)
{
    std::vector<std::string> rows;
    TListBox& list = edit.LookupList().ListControl();
    for (int i = 0; i < list.Count(); ++i) rows.push_back(list.Items().Strings(i));
    return rows;
}

class QuillEditLookupTest : public QuillEditTest {
protected:
    void SetUp() override
    {
        QuillEditTest::SetUp();
        Edit->Lookup().SetEnabled(true);
        for (const char* city : {"Berlin", "Antwerp", "Amsterdam"}) Edit->Lookup().DisplayList().Add(city);
        Focus();
    }
    bool Shows() const { return Edit->LookupList().Visible(); }
};

TEST_F(QuillEditLookupTest, TypingFiltersTheEntries)
{
    struct Case {
        const char* name;
        const char* typed;
        bool caseSensitive, fullText;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"one character is below NumChars", "A", false, false, {}},
        {"prefix, any case", "an", false, false, {"Antwerp"}},
        {"common prefix", "am", false, false, {"Amsterdam"}},
        {"anywhere with full-text search", "ST", false, true, {"Amsterdam"}},
        {"not anywhere without it", "ST", false, false, {}},
        {"case-sensitive prefix misses", "an", true, false, {}},
        {"case-sensitive prefix hits", "An", true, false, {"Antwerp"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Edit->SetText("");
        Edit->Lookup().SetCaseSensitive(c.caseSensitive);
        Edit->SetFullTextSearch(c.fullText);
        Type(c.typed);
        EXPECT_EQ(Shows(), !c.rows.empty());
        if (!c.rows.empty()) {
            EXPECT_EQ(Rows(*Edit), c.rows);
        }
    }
}

TEST_F(QuillEditLookupTest, PopupSizeFollowsTheMatchesAndSitsBelowTheEdit)
{
    Edit->Lookup().DisplayList().Add("Amiens");
    Type("Am");
    EXPECT_EQ(Edit->LookupList().Height(), 2 * 12 + 4);
    Edit->SetText("");
    for (const char* more : {"Anna", "Anders", "Anton", "Antibes", "Ankara"}) Edit->Lookup().DisplayList().Add(more);
    Type("An");
    const TRect six = Edit->LookupList().BoundsRect();
    EXPECT_EQ(six.Height(), 4 * 12 + 4);
    const TPoint origin = Edit->ClientToScreen({0, 0});
    EXPECT_EQ(six.Top, origin.Y + Edit->Height() - 6);
    EXPECT_GE(six.Width(), 50 + 8 + GetSystemMetrics(SM_CYHSCROLL));

    Edit->Lookup().SetDisplayCount(8);
    Edit->SetText("");
    Type("An");
    EXPECT_EQ(Edit->LookupList().Height(), 6 * 12 + 4);
    EXPECT_EQ(Edit->LookupList().Width(), six.Width() - GetSystemMetrics(SM_CYHSCROLL));
}

TEST_F(QuillEditLookupTest, KeysMoveTheHighlightAndEnterChooses)
{
    for (const char* more : {"Anna", "Anders", "Anton", "Antibes", "Ankara"}) Edit->Lookup().DisplayList().Add(more);
    Type("An");
    TListBox& list = Edit->LookupList().ListControl();
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.ItemIndex(), 0);
    struct Step {
        unsigned short key;
        int row;
    };
    const Step steps[] = {{VK_DOWN, 1}, {VK_UP, 0}, {VK_UP, 0}, {VK_END, 5}, {VK_DOWN, 5}, {VK_PRIOR, 1},
                          {VK_PRIOR, 0}, {VK_NEXT, 4}, {VK_NEXT, 5}, {VK_HOME, 0}, {VK_DOWN, 1}};
    for (const Step& s : steps) {
        Press(s.key);
        EXPECT_EQ(list.ItemIndex(), s.row) << "after key " << s.key;
    }
    // The arrows move the highlight, not the caret.
    EXPECT_EQ(ValueCaret(), 2);
    const std::string second = list.Items().Strings(1);
    Press(VK_RETURN);
    EXPECT_FALSE(Shows());
    EXPECT_EQ(Edit->Text(), second);
    EXPECT_TRUE(Edit->Focused());
}

TEST_F(QuillEditLookupTest, ChoosingTakesThePairedValueOrTheEntry)
{
    // Sorted: Amsterdam, Antwerp, Berlin; only the first two have values.
    Edit->Lookup().ValueList().Add("NL");
    Edit->Lookup().ValueList().Add("BE");
    int chosenIndex = -2;
    Edit->OnLookupIndexSelect = [&](TObject*, int Index, std::string&) { chosenIndex = Index; };
    Type("an");
    Press(VK_RETURN);
    EXPECT_EQ(Edit->Text(), "BE");
    EXPECT_EQ(chosenIndex, 1);
    Edit->SetText("");
    Type("be");
    Edit->OnLookupSelect = [](TObject*, std::string& Value) { Value += "!"; };
    Press(VK_RETURN);
    EXPECT_EQ(Edit->Text(), "Berlin!");
    EXPECT_EQ(chosenIndex, 2);
}

TEST_F(QuillEditLookupTest, MultiEntriesCompleteTheLastPart)
{
    Edit->Lookup().SetMulti(true);
    Edit->Lookup().DisplayList().Add("cat");
    Edit->Lookup().DisplayList().Add("cow");
    Edit->SetText("a;b;");
    Caret(4);
    Type("ca");
    EXPECT_EQ(Rows(*Edit), std::vector<std::string>{"cat"});
    Press(VK_RETURN);
    EXPECT_EQ(Edit->Text(), "a;b;cat;");
    EXPECT_EQ(ValueCaret(), 8);
}

TEST_F(QuillEditLookupTest, ClickOnARowChoosesIt)
{
    Type("a");
    Type("n");
    ASSERT_TRUE(Shows());
    input::Click(Edit->LookupList().ListControl(), {5, 3});
    EXPECT_EQ(Edit->Text(), "Antwerp");
    EXPECT_FALSE(Shows());
}

TEST_F(QuillEditLookupTest, AltAndLeavingCloseThePopupWithoutChoosing)
{
    Type("am");
    ASSERT_TRUE(Shows());
    input::KeyDown(*Form, VK_MENU);
    input::KeyUp(*Form, VK_MENU);
    EXPECT_FALSE(Shows());
    EXPECT_EQ(Edit->Text(), "am");
    // Alt with the popup hidden keeps the value too.
    input::KeyDown(*Form, VK_MENU);
    input::KeyUp(*Form, VK_MENU);
    EXPECT_EQ(Edit->Text(), "am");

    Type("s");
    ASSERT_TRUE(Shows());
    After->SetFocus();
    EXPECT_FALSE(Shows());
    EXPECT_EQ(Edit->Text(), "ams");
}

TEST_F(QuillEditLookupTest, HistoryKeepsValuesPairedWithTheirEntries)
{
    Edit->Lookup().SetHistory(true);
    Edit->Lookup().ValueList().Add("NL");
    Edit->Lookup().ValueList().Add("BE");
    Edit->Lookup().ValueList().Add("DE");
    Edit->SetText("  Aachen ");
    After->SetFocus();
    const TStringList& display = Edit->Lookup().DisplayList();
    ASSERT_EQ(display.Count(), 4);
    EXPECT_EQ(display.Strings(0), "Aachen");
    // Antwerp still gives its own value after an entry went in before it.
    Edit->SetFocus();
    Edit->SetText("");
    Type("ant");
    Press(VK_RETURN);
    EXPECT_EQ(Edit->Text(), "BE");
    Edit->SetText("");
    Type("aa");
    Press(VK_RETURN);
    EXPECT_EQ(Edit->Text(), "Aachen");

    // A password never joins the list.
    Edit->SetEditType(etPassword);
    Edit->SetText("secret");
    After->SetFocus();
    EXPECT_EQ(display.IndexOf("secret"), -1);
}

class QuillEditPersistTest : public QuillEditTest {
protected:
    // A new edit named Edit1 that persists into File with history on.
    TQuillEdit* NewEdit()
    {
        auto* edit = new TQuillEdit(Form);
        edit->SetName("Edit1");
        edit->SetParent(Form);
        edit->Persistence().SetEnable(true);
        edit->Persistence().SetKey(File);
        edit->Lookup().SetEnabled(true);
        edit->Lookup().SetHistory(true);
        return edit;
    }
    TQuillEdit* LoadedEdit()
    {
        TQuillEdit* edit = NewEdit();
        edit->BeginLoading();
        edit->EndLoading();
        return edit;
    }
    testsupport::TempFolder Folder{"persist"};
    std::string File = Folder / "program.INI";
};

TEST_F(QuillEditPersistTest, TextAndHistoryAreSavedAndReadBack)
{
    TQuillEdit* edit = NewEdit();
    edit->HandleNeeded();
    edit->SetPrefix("<");
    edit->SetText("Ghent");
    for (const char* d : {"a", "b", "c"}) edit->Lookup().DisplayList().Add(d);
    for (const char* v : {"1", "", "3"}) edit->Lookup().ValueList().Add(v);
    delete edit;

    TMemIniFile ini(File);
    EXPECT_EQ(ini.ReadString("Edit1", "Edit1", ""), "<Ghent");
    EXPECT_EQ(ini.ReadInteger("Edit1", "LOOKUPCOUNT", 0), 3);
    EXPECT_EQ(ini.ReadString("Edit1", "LOOKUPDISPL3", ""), "c");
    EXPECT_EQ(ini.ReadString("Edit1", "LOOKUPVAL1", ""), "1");
    EXPECT_TRUE(ini.ValueExists("Edit1", "LOOKUPVAL2"));

    TQuillEdit* back = LoadedEdit();
    EXPECT_EQ(back->DisplayText(), "<Ghent");
    EXPECT_EQ(back->Lookup().DisplayList().CommaText(), "a,b,c");
    // The empty value keeps its place, so c stays paired with 3.
    EXPECT_EQ(back->Lookup().ValueList().Count(), 3);
    EXPECT_EQ(back->Lookup().ValueList().Strings(2), "3");
}

TEST_F(QuillEditPersistTest, TheRegistryStoreKeepsTextAndHistoryUnderItsKey)
{
    const std::string store = Folder / "registry.ini";
    ::setenv("VISTRA_REGISTRY_FILE", store.c_str(), 1);
    auto onRegistry = [this](TQuillEdit* edit) {
        edit->Persistence().SetLocation(plRegistry);
        edit->Persistence().SetKey("Software\\Vistra\\Lookup");
        edit->Persistence().SetSection("Town");
        return edit;
    };
    TQuillEdit* edit = onRegistry(NewEdit());
    edit->HandleNeeded();
    edit->SetText("Ghent");
    edit->Lookup().DisplayList().Add("Bruges");
    delete edit;
    EXPECT_NE(testsupport::ReadFile(store).find("Bruges"), std::string::npos);

    TQuillEdit* back = onRegistry(NewEdit());
    back->BeginLoading();
    back->EndLoading();
    EXPECT_EQ(back->Text(), "Ghent");
    EXPECT_EQ(back->Lookup().DisplayList().CommaText(), "Bruges");
    ::unsetenv("VISTRA_REGISTRY_FILE");
}

TEST_F(QuillEditPersistTest, StoredAtSignHostileCountAndPasswordsAreNotRestored)
{
    testsupport::WriteFile(File, "[Edit1]\nEdit1=@\nLOOKUPCOUNT=2000000000\nLOOKUPDISPL1=x\n");
    TQuillEdit* edit = NewEdit();
    edit->SetText("kept");
    edit->BeginLoading();
    edit->EndLoading();
    EXPECT_EQ(edit->Text(), "kept");
    EXPECT_EQ(edit->Lookup().DisplayList().CommaText(), "x");

    edit->SetEditType(etPassword);
    edit->SetText("secret");
    edit->HandleNeeded();
    delete edit;
    EXPECT_EQ(testsupport::ReadFile(File).find("secret"), std::string::npos);
}

TEST_F(QuillEditPersistTest, AnUnwritableStoreIsReportedAndTheEditKeepsWorking)
{
    std::vector<std::string> reports;
    auto previous = classes::SetExceptionHandler(
        [&](TObject*, const std::exception& E) { reports.push_back(E.what()); });
    File = Folder / "missing-folder/program.INI";
    TQuillEdit* edit = NewEdit();
    edit->HandleNeeded();
    edit->SetText("value");
    edit->RecreateWnd();
    EXPECT_EQ(edit->Text(), "value");
    EXPECT_EQ(reports.size(), 1u);
    delete edit;
    EXPECT_EQ(reports.size(), 2u);
    classes::SetExceptionHandler(previous);
}

} // namespace
