// Drops on windows: which registered target hears a drag, how data of other
// programs reads as formats and blocks, and files accepted from the desktop.
#include "UiFixture.h"

#include "platform/ui/Clipboard.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/ExtCtrls.h"

using backend::input::TForeignDrag;

namespace {

class TRecordingTarget final : public IDropTarget {
public:
    TRecordingTarget(std::vector<std::string>& log, std::string name, DWORD answer = DROPEFFECT_COPY)
        : FLog(log), FName(std::move(name)), FAnswer(answer)
    {
    }
    HRESULT DragEnter(IDataObject* data, DWORD, TPoint, DWORD& effect) override
    {
        FLog.push_back(FName + " enter");
        Data = data;
        effect = FAnswer;
        return S_OK;
    }
    HRESULT DragOver(DWORD, TPoint, DWORD& effect) override
    {
        FLog.push_back(FName + " over");
        effect = FAnswer;
        return S_OK;
    }
    HRESULT DragLeave() override
    {
        FLog.push_back(FName + " leave");
        return S_OK;
    }
    HRESULT Drop(IDataObject* data, DWORD, TPoint, DWORD& effect) override
    {
        FLog.push_back(FName + " drop");
        STGMEDIUM m;
        if (data->GetData(FORMATETC{CF_UNICODETEXT}, m) == S_OK) Text = ui::TextFromUnicodeBlock(*m.hGlobal);
        effect = FAnswer;
        return S_OK;
    }
    IDataObject* Data = nullptr;
    std::string Text;

private:
    std::vector<std::string>& FLog;
    std::string FName;
    DWORD FAnswer;
};

std::string Utf16Z(std::u16string_view s)
{
    std::string out;
    for (char16_t c : s) out += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return out + std::string(2, '\0');
}

std::string Header(std::uint32_t offset, bool wide)
{
    std::string h(20, '\0');
    h[0] = static_cast<char>(offset);
    h[16] = wide ? 1 : 0;
    return h;
}

} // namespace

TEST(DropFilesBlockTest, NamesAreReadUpToTheBlocksEnd)
{
    struct Case {
        const char* name;
        std::string block;
        std::vector<std::string> files;
    };
    const std::string two = Header(20, true) + Utf16Z(u"/a") + Utf16Z(u"/b\u00e9") + std::string(2, '\0');
    const Case cases[] = {
        {"ours", ui::MakeDropFilesBlock({"/tmp/x y.csv", "/b"}), {"/tmp/x y.csv", "/b"}},
        {"two wide names", two, {"/a", "/b\xc3\xa9"}},
        {"ANSI names", Header(20, false) + std::string("/a\0/b\0\0", 7), {"/a", "/b"}},
        {"odd offset rounds down", Header(21, false) + std::string("/a\0\0", 4), {"/a"}},
        {"shorter than its header", std::string(10, '\0'), {}},
        {"offset past the end", Header(200, true) + Utf16Z(u"/a"), {}},
        {"last name cut by the end", Header(20, true) + Utf16Z(u"/a") + std::string("/\0b", 3), {"/a"}},
        {"no end mark", Header(20, false) + std::string("/a\0/b", 5), {"/a"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::ReadDropFilesBlock(c.block), c.files) << c.name;
}

TEST_F(UiTest, ADragIsHeardByTheRegisteredWindowUnderItOrItsParent)
{
    std::vector<std::string> log;
    auto* left = new TPanel(Form);
    left->SetParent(Form);
    left->SetBounds(0, 0, 100, 100);
    auto* inner = new TPanel(Form);
    inner->SetParent(left);
    inner->SetBounds(10, 10, 50, 50);
    auto* right = new TPanel(Form);
    right->SetParent(Form);
    right->SetBounds(200, 0, 100, 100);
    Form->Show();
    ASSERT_EQ(RegisterDragDrop(left->Handle(), std::make_shared<TRecordingTarget>(log, "left")), S_OK);
    EXPECT_EQ(RegisterDragDrop(left->Handle(), std::make_shared<TRecordingTarget>(log, "again")),
              DRAGDROP_E_ALREADYREGISTERED);
    auto rightTarget = std::make_shared<TRecordingTarget>(log, "right", DROPEFFECT_MOVE);
    ASSERT_EQ(RegisterDragDrop(right->Handle(), rightTarget), S_OK);

    TForeignDrag text("text/plain;charset=utf-8", "h\xc3\xa9llo");
    EXPECT_EQ(backend::input::DragOver(*inner, {5, 5}, text), DROPEFFECT_COPY);
    EXPECT_EQ(backend::input::DragOver(*left, {80, 80}, text), DROPEFFECT_COPY);
    EXPECT_EQ(backend::input::DragOver(*Form, {150, 50}, text), DROPEFFECT_NONE) << "nobody takes drops there";
    EXPECT_EQ(backend::input::Drop(*right, {5, 5}, text), DROPEFFECT_MOVE);
    EXPECT_EQ(backend::input::Drop(*right, {5, 5}, text, {}, DROPEFFECT_COPY), DROPEFFECT_NONE)
        << "an effect the source does not allow is no effect";
    EXPECT_EQ(log, (std::vector<std::string>{"left enter", "left over", "left leave", "right enter", "right drop",
                                             "right enter", "right leave"}));
    EXPECT_EQ(rightTarget->Text, "h\xc3\xa9llo");

    log.clear();
    delete right;
    EXPECT_EQ(backend::input::DragOver(*Form, {250, 50}, text), DROPEFFECT_NONE) << "gone with its window";
    EXPECT_EQ(RevokeDragDrop(left->Handle()), S_OK);
    EXPECT_EQ(backend::input::DragOver(*left, {5, 5}, text), DROPEFFECT_NONE);
    EXPECT_TRUE(log.empty());
}

TEST_F(UiTest, DataOfOtherProgramsReadsAsTheFormatsOfTheirNames)
{
    std::vector<std::string> log;
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 100, 100);
    Form->Show();
    auto target = std::make_shared<TRecordingTarget>(log, "t");
    RegisterDragDrop(panel->Handle(), target);
    const unsigned url = RegisterClipboardFormat("UniformResourceLocator");
    const unsigned rtf = RegisterClipboardFormat("Rich Text Format");
    TForeignDrag data({{"text/x-moz-url", "http://example.org/\nExample"},
                       {"text/rtf", "{\\rtf1 x}"},
                       {"text/uri-list", "# comment\r\nfile:///tmp/a%20b.txt\r\nhttp://example.org/\r\n"},
                       {"application/x-unknown", "?"}});
    backend::input::DragOver(*panel, {5, 5}, data);
    ASSERT_TRUE(target->Data);
    std::shared_ptr<IEnumFORMATETC> e;
    ASSERT_EQ(target->Data->EnumFormatEtc(DATADIR_GET, e), S_OK);
    std::vector<unsigned> formats;
    FORMATETC f;
    while (e->Next(1, &f, nullptr) == S_OK) formats.push_back(f.cfFormat);
    EXPECT_EQ(formats, (std::vector<unsigned>{url, CF_UNICODETEXT, rtf, CF_HDROP}));

    STGMEDIUM m;
    ASSERT_EQ(target->Data->GetData(FORMATETC{CF_UNICODETEXT}, m), S_OK);
    EXPECT_EQ(ui::TextFromUnicodeBlock(*m.hGlobal), "http://example.org/") << "a link's text is its address";
    ASSERT_EQ(target->Data->GetData(FORMATETC{CF_HDROP}, m), S_OK);
    EXPECT_EQ(ui::ReadDropFilesBlock(*m.hGlobal), std::vector<std::string>{"/tmp/a b.txt"});
    ASSERT_EQ(target->Data->GetData(FORMATETC{rtf}, m), S_OK);
    EXPECT_EQ(*m.hGlobal, std::string("{\\rtf1 x}\0", 10));
    FORMATETC other{CF_TEXT};
    other.dwAspect = 4;
    EXPECT_EQ(target->Data->GetData(other, m), DV_E_FORMATETC);
    EXPECT_EQ(target->Data->GetData(FORMATETC{CF_TEXT}, m), DV_E_FORMATETC) << "no plain text was offered";
    backend::input::DragLeave(*Form);
}

TEST_F(UiTest, FilesDroppedFromTheDesktopArriveAsADropFilesMessage)
{
    class TFileWindow final : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        std::vector<std::u16string> Names;
        unsigned Count = 0;
        void WndProc(TMessage& m) override
        {
            if (m.Msg != WM_DROPFILES) return TCustomControl::WndProc(m);
            HDROP drop = m.WParam;
            Count = DragQueryFileW(drop, 0xFFFFFFFFu, nullptr, 0);
            for (unsigned i = 0; i < Count; ++i) {
                char16_t buffer[6];
                DragQueryFileW(drop, i, buffer, 6);
                Names.emplace_back(buffer);
            }
            DragFinish(drop);
        }
    };
    auto* w = new TFileWindow(Form);
    w->SetParent(Form);
    w->SetBounds(0, 0, 100, 100);
    Form->Show();
    TForeignDrag text("text/plain;charset=utf-8", "x");
    TForeignDrag files("text/uri-list", "file:///a\r\nfile://localhost/tmp/long-name\r\n");
    EXPECT_EQ(backend::input::Drop(*w, {5, 5}, files), DROPEFFECT_NONE) << "not accepted yet";
    DragAcceptFiles(w->Handle(), true);
    EXPECT_EQ(backend::input::Drop(*w, {5, 5}, text), DROPEFFECT_NONE) << "text is no file";
    EXPECT_EQ(backend::input::Drop(*w, {5, 5}, files), DROPEFFECT_COPY);
    EXPECT_EQ(w->Count, 2u);
    EXPECT_EQ(w->Names, (std::vector<std::u16string>{u"/a", u"/tmp/"})) << "names cut to the buffer";
    DragAcceptFiles(w->Handle(), false);
    EXPECT_EQ(backend::input::Drop(*w, {5, 5}, files), DROPEFFECT_NONE);
}
