// The grid's drop target, drag source and dragged data: which data reaches
// which drop operation, the effect keys give, and the blocks a drag renders.
#include <gtest/gtest.h>

#include "grid/base/SarnDD.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Streams.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

using backend::input::TForeignDrag;

namespace {

class TRecordingTarget final : public TSARNDropTarget {
public:
    std::vector<std::string> Log;
    void DropText(TPoint, const std::string& s) override { Log.push_back("text " + s); }
    void DropStream(TPoint, std::unique_ptr<TMemoryStream> ms) override
    {
        Log.push_back("cells " + std::to_string(ms->Size()));
    }
    void DropCol(TPoint, int col) override { Log.push_back("col " + std::to_string(col)); }
    void DropRTF(TPoint, const std::string& s) override { Log.push_back("rtf " + s); }
    void DropFiles(TPoint, TStringList& files) override { Log.push_back("files " + files.CommaText()); }
    void DropURL(TPoint, const std::string& s) override { Log.push_back("url " + s); }
};

// A data object that cannot list its formats.
class TNoFormats final : public TSourceDataObject {
public:
    TNoFormats() : TSourceDataObject("x", "", -1, nullptr) {}
    HRESULT EnumFormatEtc(DWORD, std::shared_ptr<IEnumFORMATETC>&) override { return E_NOTIMPL; }
};

class SarnDDTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Panel = new TPanel(Form.get());
        Panel->SetParent(Form.get());
        Panel->SetBounds(0, 0, 100, 100);
        Form->Show();
        Target = std::make_shared<TRecordingTarget>();
        RegisterDragDrop(Panel->Handle(), Target);
    }
    void TearDown() override { SetOleRTFSupport(false); }

    std::unique_ptr<TForm> Form;
    TPanel* Panel = nullptr;
    std::shared_ptr<TRecordingTarget> Target;
};

std::vector<unsigned> Listed(IDataObject& data)
{
    std::shared_ptr<IEnumFORMATETC> e;
    data.EnumFormatEtc(DATADIR_GET, e);
    std::vector<unsigned> out;
    FORMATETC f;
    while (e->Next(1, &f, nullptr) == S_OK) out.push_back(f.cfFormat);
    return out;
}

} // namespace

TEST_F(SarnDDTest, EachKindOfDataReachesItsDropOperation)
{
    const std::string text = "text/plain;charset=utf-8";
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> data;
        bool acceptText, rtf;
        TShiftState keys;
        int effect;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"text moves", {{text, "hi"}}, true, false, {}, DROPEFFECT_MOVE, {"text hi"}},
        {"Ctrl copies", {{text, "hi"}}, true, false, {ssCtrl}, DROPEFFECT_COPY, {"text hi"}},
        {"text refused", {{text, "hi"}}, false, false, {}, DROPEFFECT_NONE, {}},
        {"rich text switched off", {{"text/rtf", "{\\rtf1 r}"}}, true, false, {}, DROPEFFECT_NONE, {}},
        {"rich text switched on", {{"text/rtf", "{\\rtf1 r}"}, {text, "r"}}, true, true, {}, DROPEFFECT_MOVE,
         {"rtf {\\rtf1 r}"}},
        {"text, then files", {{"text/uri-list", "file:///a\r\nfile:///b\r\n"}, {text, "t"}}, true, false, {},
         DROPEFFECT_MOVE, {"text t", "files /a,/b"}},
        {"a link", {{"text/x-moz-url", "http://x.org/\nX"}}, true, false, {}, DROPEFFECT_MOVE,
         {"text http://x.org/", "url http://x.org/"}},
    };
    for (const Case& c : cases) {
        Target->Log.clear();
        Target->SetAcceptText(c.acceptText);
        SetOleRTFSupport(c.rtf);
        TForeignDrag data(c.data);
        backend::input::DragOver(*Panel, {5, 5}, data, c.keys);
        EXPECT_EQ(backend::input::Drop(*Panel, {6, 6}, data, c.keys), c.effect) << c.name;
        EXPECT_EQ(Target->Log, c.log) << c.name;
    }
}

TEST_F(SarnDDTest, ADragOfAColumnAndCellsDeliversOnlyTheColumn)
{
    TMemoryStream cells;
    cells.WriteString("0123456789");
    Target->SetAcceptCols(true);
    backend::HeadlessBackend().SetDragHandler([&](ui::TDragOffer& offer, int allowed) {
        backend::input::DragOver(*Panel, {5, 5}, offer, {ssLeft}, allowed);
        return backend::input::Drop(*Panel, {5, 5}, offer, {}, allowed);
    });
    auto source = std::make_shared<TSARNDropSource>();
    TSourceDataObject both("", "", 3, &cells);
    EXPECT_EQ(Listed(both).size(), 5u);
    EXPECT_EQ(Listed(both).back(), GridCellsClipboardFormat()) << "the cells come last";

    DWORD effect = 0;
    EXPECT_EQ(BeginColumnDragDrop(source, 3, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(Target->Log, std::vector<std::string>{"col 3"});

    Target->Log.clear();
    EXPECT_EQ(BeginTextDragDrop(source, "a\tb", "", &cells, DROPEFFECT_COPY, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(Target->Log, std::vector<std::string>{"cells 10"}) << "cells go before text";

    // A target that takes nothing: the drag ends cancelled and the source knows.
    Target->SetAcceptText(false);
    EXPECT_EQ(BeginTextDragDrop(source, "a", "", nullptr, DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
    EXPECT_TRUE(source->NoAccept());
}

TEST_F(SarnDDTest, TheCellsBlockCarriesItsCountAndReadsBackExactly)
{
    TMemoryStream cells;
    cells.WriteString("abcdef");
    TSourceDataObject source("t", "", -1, &cells);
    EXPECT_EQ(Listed(source).size(), 4u);
    TSourceDataObject textOnly("t", "", -1, nullptr);
    EXPECT_EQ(Listed(textOnly), (std::vector<unsigned>{CF_TEXT, CF_UNICODETEXT, RTFClipboardFormat()}));
    STGMEDIUM m;
    ASSERT_EQ(source.GetData(FORMATETC{GridCellsClipboardFormat()}, m), S_OK);
    EXPECT_EQ(*m.hGlobal, std::string("\6\0\0\0\0\0\0\0abcdef", 14));
    EXPECT_EQ(source.GetData(FORMATETC{RTFClipboardFormat()}, m), DV_E_FORMATETC) << "rich text is off";
    FORMATETC stream{CF_TEXT};
    stream.tymed = 4;
    EXPECT_EQ(source.QueryGetData(stream), DV_E_FORMATETC);

    // Read back through a target, from a foreign block whose count is too large.
    TEnumFormats reader(&source);
    auto back = reader.Stream();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Size(), 6);
    TForeignDrag lying("TQuillStringGrid Cells", std::string("\xff\0\0\0\0\0\0\0xy", 10));
    backend::input::DragOver(*Panel, {5, 5}, lying);
    EXPECT_EQ(backend::input::Drop(*Panel, {5, 5}, lying), DROPEFFECT_MOVE);
    EXPECT_EQ(Target->Log, std::vector<std::string>{"cells 2"}) << "cut at the block's end";
}

TEST_F(SarnDDTest, DataWithoutAFormatListIsDataWithoutFormats)
{
    TNoFormats none;
    EXPECT_THROW(TEnumFormats reader(&none), Exception);
    DWORD effect = DROPEFFECT_MOVE;
    EXPECT_EQ(Target->DragEnter(&none, 0, {0, 0}, effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_TRUE(Target->DropFormats().Empty());
}
