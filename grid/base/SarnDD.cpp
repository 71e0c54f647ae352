// The grid's drop target, drop source, dragged data object and format reader.
#include "grid/base/SarnDD.h"

#include <cstring>

#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Clipboard.h"

namespace {

bool gRTFSupport = false;

std::uint32_t ReadU32(const std::string& s, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

void WriteU32(std::string& s, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

bool PlainMedium(const FORMATETC& f) { return f.dwAspect == DVASPECT_CONTENT && f.tymed == TYMED_HGLOBAL; }

} // namespace

void SetOleRTFSupport(bool Value) { gRTFSupport = Value; }
bool OleRTFSupport() { return gRTFSupport; }

unsigned RTFClipboardFormat() { return RegisterClipboardFormat("Rich Text Format"); }
unsigned ColClipboardFormat() { return RegisterClipboardFormat("Grid Column"); }
unsigned GridCellsClipboardFormat() { return RegisterClipboardFormat("TQuillStringGrid Cells"); }
unsigned URLClipboardFormat() { return RegisterClipboardFormat("UniformResourceLocator"); }

DWORD DropEffectForKeys(DWORD Shift, DWORD Allowed)
{
    return !(Shift & MK_CONTROL) && (Allowed & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

// ---- TEnumFormats

TEnumFormats::TEnumFormats(IDataObject* DataObject) : FFiles(std::make_unique<TStringList>())
{
    // The registered formats get their numbers before any is looked for.
    RTFClipboardFormat();
    ColClipboardFormat();
    GridCellsClipboardFormat();
    URLClipboardFormat();
    SetDataObject(DataObject);
}

TEnumFormats::~TEnumFormats() = default;

void TEnumFormats::SetDataObject(IDataObject* Value)
{
    FEnumerator.reset();
    FDataObject = Value;
    FValid = false;
    FCount = 0;
    if (!FDataObject) return;
    if (FDataObject->EnumFormatEtc(DATADIR_GET, FEnumerator) != S_OK || !FEnumerator)
        throw Exception("Cannot get the format enumerator");
    Reset();
}

bool TEnumFormats::Reset()
{
    FValid = false;
    FCount = 0;
    return FEnumerator && FEnumerator->Reset() == S_OK;
}

bool TEnumFormats::Next()
{
    ++FCount;
    unsigned fetched = 0;
    FValid = FEnumerator && FEnumerator->Next(1, &FFormatEtc, &fetched) == S_OK && fetched == 1;
    return FValid;
}

bool TEnumFormats::HasFormat(unsigned ClipFormat)
{
    Reset();
    // A list that never ends is not walked for ever.
    constexpr int MaxFormats = 1024;
    while (FCount < MaxFormats && Next())
        if (FFormatEtc.cfFormat == ClipFormat) return true;
    return false;
}

HGLOBAL TEnumFormats::Handle(DWORD Tymed)
{
    if (!FValid || !FDataObject || (FFormatEtc.tymed & Tymed) != Tymed) return nullptr;
    FORMATETC f = FFormatEtc;
    f.tymed = Tymed;
    STGMEDIUM medium;
    if (FDataObject->GetData(f, medium) != S_OK) return nullptr;
    return medium.hGlobal;
}

std::string TEnumFormats::Block(unsigned ClipFormat)
{
    if (!HasFormat(ClipFormat)) return {};
    HGLOBAL h = GlobalHandle();
    return h ? *h : std::string();
}

std::string TEnumFormats::Text() { return ui::TextFromUnicodeBlock(Block(CF_UNICODETEXT_FORMAT)); }

std::string TEnumFormats::RTF() { return ui::TextFromBlock(Block(RTFClipboardFormat())); }

int TEnumFormats::Col()
{
    // A block shorter than its index is unreadable.
    std::string block = Block(ColClipboardFormat());
    return block.size() < 4 ? -1 : static_cast<std::int32_t>(ReadU32(block, 0));
}

std::unique_ptr<TMemoryStream> TEnumFormats::Stream()
{
    if (!HasFormat(GridCellsClipboardFormat())) return nullptr;
    HGLOBAL h = GlobalHandle();
    if (!h || h->size() < 8) return nullptr;
    // A count past the block's end is cut at the end.
    const std::size_t n = std::min<std::size_t>(ReadU32(*h, 0), h->size() - 8);
    auto ms = std::make_unique<TMemoryStream>();
    ms->WriteBuffer(h->data() + 8, static_cast<std::int64_t>(n));
    ms->SetPosition(0);
    return ms;
}

TStringList& TEnumFormats::Files()
{
    FFiles->Clear();
    for (const std::string& f : ui::ReadDropFilesBlock(Block(CF_HDROP_FORMAT))) FFiles->Add(f);
    return *FFiles;
}

// ---- TSARNDropTarget

HRESULT TSARNDropTarget::DragEnter(IDataObject* dataObj, DWORD grfKeyState, TPoint, DWORD& dwEffect)
{
    FDropFormats = {};
    FOk = false;
    try {
        TEnumFormats formats(dataObj);
        const bool text = formats.HasText(), files = formats.HasFile(), rtf = formats.HasRTF(),
                   col = formats.HasCol(), url = formats.HasURL(), cells = formats.HasGridCells();
        FOk = (text && FAcceptText) || (files && FAcceptFiles) || (rtf && gRTFSupport && FAcceptText) ||
              (col && FAcceptCols) || (url && FAcceptURLs) || cells;
        if (text) FDropFormats.Include(dfText);
        if (files) FDropFormats.Include(dfFile);
        if (rtf) FDropFormats.Include(dfRTF);
        if (col) FDropFormats.Include(dfCol);
        if (url) FDropFormats.Include(dfURL);
        if (cells) FDropFormats.Include(dfGridCells);
    } catch (const Exception&) {
        // Data whose formats cannot be read is data without formats.
    }
    dwEffect = FOk ? DropEffectForKeys(grfKeyState, dwEffect) : DROPEFFECT_NONE;
    DragMouseEnter();
    return S_OK;
}

HRESULT TSARNDropTarget::DragOver(DWORD grfKeyState, TPoint pt, DWORD& dwEffect)
{
    dwEffect = FOk ? DropEffectForKeys(grfKeyState, dwEffect) : DROPEFFECT_NONE;
    bool allow = dwEffect != DROPEFFECT_NONE;
    DragMouseMove(pt, allow, FDropFormats);
    if (!allow) dwEffect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TSARNDropTarget::DragLeave()
{
    DragMouseLeave();
    return S_OK;
}

HRESULT TSARNDropTarget::Drop(IDataObject* dataObj, DWORD grfKeyState, TPoint pt, DWORD& dwEffect)
{
    if (!FOk) {
        dwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    try {
        TEnumFormats formats(dataObj);
        if (formats.HasCol()) {
            DropCol(pt, formats.Col());
        } else {
            if (formats.HasGridCells()) {
                if (auto ms = formats.Stream()) DropStream(pt, std::move(ms));
            } else if (formats.HasRTF() && gRTFSupport) {
                DropRTF(pt, formats.RTF());
            } else if (formats.HasText()) {
                DropText(pt, formats.Text());
            }
            if (formats.HasFile()) DropFiles(pt, formats.Files());
            if (formats.HasURL()) DropURL(pt, formats.Text());
        }
    } catch (const Exception&) {
        dwEffect = DROPEFFECT_NONE;
        return S_OK;
    }
    dwEffect = DropEffectForKeys(grfKeyState, dwEffect);
    return S_OK;
}

void TSARNDropTarget::DropText(TPoint, const std::string&) {}
void TSARNDropTarget::DropStream(TPoint, std::unique_ptr<TMemoryStream>) {}
void TSARNDropTarget::DropCol(TPoint, int) {}
void TSARNDropTarget::DropRTF(TPoint, const std::string&) {}
void TSARNDropTarget::DropFiles(TPoint, TStringList&) {}
void TSARNDropTarget::DropURL(TPoint, const std::string&) {}
void TSARNDropTarget::DragMouseMove(TPoint, bool&, TDropFormats) {}
void TSARNDropTarget::DragMouseEnter() {}
void TSARNDropTarget::DragMouseLeave() {}

// ---- TSARNDropSource

HRESULT TSARNDropSource::QueryContinueDrag(bool fEscapePressed, DWORD grfKeyState)
{
    QueryDrag();
    if (fEscapePressed) {
        DragDropDone();
        return DRAGDROP_S_CANCEL;
    }
    if (!(grfKeyState & MK_LBUTTON)) {
        DragDropDone();
        return DRAGDROP_S_DROP;
    }
    return S_OK;
}

HRESULT TSARNDropSource::GiveFeedback(DWORD dwEffect)
{
    FNoAccept = dwEffect == DROPEFFECT_NONE;
    CurrentEffect(dwEffect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

void TSARNDropSource::DragDropDone() {}
void TSARNDropSource::CurrentEffect(DWORD) {}
void TSARNDropSource::QueryDrag() {}

// ---- TSourceDataObject

TSourceDataObject::TSourceDataObject(std::string stxt, std::string srtf, int sidx, TMemoryStream* ms)
    : textdata(std::move(stxt)), rtfdata(std::move(srtf)), scolidx(sidx), memstr(ms)
{
}

HRESULT TSourceDataObject::QueryGetData(const FORMATETC& f)
{
    if (!PlainMedium(f)) return DV_E_FORMATETC;
    if (!textdata.empty() && (f.cfFormat == CF_TEXT || f.cfFormat == CF_UNICODETEXT)) return S_OK;
    if (!textdata.empty() && gRTFSupport && f.cfFormat == RTFClipboardFormat()) return S_OK;
    if (memstr && f.cfFormat == GridCellsClipboardFormat()) return S_OK;
    if (scolidx != -1 && f.cfFormat == ColClipboardFormat()) return S_OK;
    return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const FORMATETC& f, STGMEDIUM& medium)
{
    medium = {};
    if (QueryGetData(f) != S_OK) return DV_E_FORMATETC;
    std::string bytes;
    if (f.cfFormat == CF_TEXT) bytes = ui::TextBlock(textdata);
    else if (f.cfFormat == CF_UNICODETEXT) bytes = ui::UnicodeTextBlock(textdata);
    else if (f.cfFormat == RTFClipboardFormat()) bytes = ui::TextBlock(rtfdata);
    else if (f.cfFormat == ColClipboardFormat()) {
        bytes.assign(4, '\0');
        WriteU32(bytes, 0, static_cast<std::uint32_t>(scolidx));
    } else {
        const std::vector<std::uint8_t>& cells = memstr->Bytes();
        bytes.assign(8, '\0');
        WriteU32(bytes, 0, static_cast<std::uint32_t>(cells.size()));
        bytes.append(cells.begin(), cells.end());
    }
    medium.hGlobal = GlobalAlloc(bytes.size());
    if (!medium.hGlobal) return DV_E_FORMATETC;
    std::memcpy(medium.hGlobal->data(), bytes.data(), bytes.size());
    medium.tymed = TYMED_HGLOBAL;
    return S_OK;
}

HRESULT TSourceDataObject::GetDataHere(const FORMATETC&, STGMEDIUM&) { return DV_E_FORMATETC; }

HRESULT TSourceDataObject::GetCanonicalFormatEtc(const FORMATETC&, FORMATETC& formatetcOut)
{
    formatetcOut.ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT TSourceDataObject::SetData(const FORMATETC&, STGMEDIUM&, bool) { return DV_E_FORMATETC; }

HRESULT TSourceDataObject::EnumFormatEtc(DWORD dwDirection, std::shared_ptr<IEnumFORMATETC>& enumFormatEtc)
{
    if (dwDirection != DATADIR_GET) return E_NOTIMPL;
    enumFormatEtc = std::make_shared<TSourceEnumFormatEtc>(scolidx != -1, memstr != nullptr);
    return S_OK;
}

HRESULT TSourceDataObject::DAdvise(const FORMATETC&, DWORD, void*, DWORD&) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT TSourceDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT TSourceDataObject::EnumDAdvise(void*& enumAdvise)
{
    enumAdvise = nullptr;
    return OLE_E_ADVISENOTSUPPORTED;
}

// ---- TSourceEnumFormatEtc

TSourceEnumFormatEtc::TSourceEnumFormatEtc(bool HasCol, bool HasGridCells, int Index)
    : FIndex(Index), FHasCol(HasCol), FHasGridCells(HasGridCells)
{
}

int TSourceEnumFormatEtc::Count() const { return 3 + (FHasCol ? 1 : 0) + (FHasGridCells ? 1 : 0); }

unsigned TSourceEnumFormatEtc::FormatAt(int i) const
{
    switch (i) {
    case 0: return CF_TEXT;
    case 1: return CF_UNICODETEXT;
    case 2: return RTFClipboardFormat();
    case 3: return FHasCol ? ColClipboardFormat() : GridCellsClipboardFormat();
    default: return GridCellsClipboardFormat();
    }
}

HRESULT TSourceEnumFormatEtc::Next(unsigned celt, FORMATETC* rgelt, unsigned* pceltFetched)
{
    unsigned n = 0;
    while (n < celt && FIndex < Count()) rgelt[n++] = FORMATETC{FormatAt(FIndex++)};
    if (pceltFetched) *pceltFetched = n;
    return n == celt ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Skip(unsigned celt)
{
    if (FIndex + static_cast<long long>(celt) > Count()) {
        FIndex = Count();
        return S_FALSE;
    }
    FIndex += static_cast<int>(celt);
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Reset()
{
    FIndex = 0;
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Clone(std::shared_ptr<IEnumFORMATETC>& ppenum)
{
    ppenum = std::make_shared<TSourceEnumFormatEtc>(FHasCol, FHasGridCells, FIndex);
    return S_OK;
}

// ---- Starting a drag

namespace {

HRESULT RunDrag(const std::shared_ptr<TSARNDropSource>& DropSource, std::shared_ptr<TSourceDataObject> data,
                DWORD OkEffects, DWORD& Effect)
{
    HRESULT result = DoDragDrop(std::move(data), DropSource, OkEffects, Effect);
    return DropSource->NoAccept() ? DRAGDROP_S_CANCEL : result;
}

} // namespace

HRESULT BeginTextDragDrop(std::shared_ptr<TSARNDropSource> DropSource, const std::string& Text, const std::string& RTF,
                          TMemoryStream* CellsStream, DWORD OkEffects, DWORD& Effect)
{
    return RunDrag(DropSource, std::make_shared<TSourceDataObject>(Text, RTF, -1, CellsStream), OkEffects, Effect);
}

HRESULT BeginColumnDragDrop(std::shared_ptr<TSARNDropSource> DropSource, int Column, DWORD OkEffects, DWORD& Effect)
{
    return RunDrag(DropSource, std::make_shared<TSourceDataObject>("", "", Column, nullptr), OkEffects, Effect);
}
