// The grid's drag and drop between windows and programs: a drop target that
// tells text, rich text, files, links, a grid column and a block of grid
// cells apart and hands each to an overridable operation, a drop source, the
// data object a drag carries with its format list, a reader of the formats of
// any dragged data, and the two routines that start a drag.
#pragma once

#include <memory>
#include <string>

#include "grid/base/GridEnums.h"
#include "platform/ui/DragDrop.h"

class TStringList;
class TMemoryStream;

// Rich text takes part in drags and drops only while switched on (off at start).
void SetOleRTFSupport(bool Value);
bool OleRTFSupport();

// The registered formats of grid drags: rich text, a grid column, grid cells, a link.
unsigned RTFClipboardFormat();
unsigned ColClipboardFormat();
unsigned GridCellsClipboardFormat();
unsigned URLClipboardFormat();

// Move when Ctrl is not held and Allowed includes move; copy otherwise.
DWORD DropEffectForKeys(DWORD Shift, DWORD Allowed);

// Reads the formats and the contents of a dragged data object.
class TEnumFormats {
public:
    // Raises Exception "Cannot get the format enumerator" for an object without one.
    explicit TEnumFormats(IDataObject* DataObject);
    ~TEnumFormats();
    TEnumFormats(const TEnumFormats&) = delete;
    TEnumFormats& operator=(const TEnumFormats&) = delete;

    int Count() const noexcept { return FCount; }
    IDataObject* DataObject() const noexcept { return FDataObject; }
    void SetDataObject(IDataObject* Value);
    bool Valid() const noexcept { return FValid; }
    const FORMATETC& FormatEtc() const noexcept { return FFormatEtc; }
    DWORD Aspect() const noexcept { return FFormatEtc.dwAspect; }
    void SetAspect(DWORD Value) noexcept { FFormatEtc.dwAspect = Value; }
    unsigned Format() const noexcept { return FFormatEtc.cfFormat; }
    void SetFormat(unsigned Value) noexcept { FFormatEtc.cfFormat = Value; }
    int Index() const noexcept { return FFormatEtc.lindex; }
    void SetIndex(int Value) noexcept { FFormatEtc.lindex = Value; }
    DWORD Medium() const noexcept { return FFormatEtc.tymed; }
    void SetMedium(DWORD Value) noexcept { FFormatEtc.tymed = Value; }

    bool Reset();
    bool Next();
    bool HasFormat(unsigned ClipFormat);
    // The memory block of the current format in that medium; null when there is none.
    HGLOBAL Handle(DWORD Tymed);
    HGLOBAL GlobalHandle() { return Handle(TYMED_HGLOBAL); }

    bool HasText() { return HasFormat(CF_UNICODETEXT_FORMAT); }
    bool HasFile() { return HasFormat(CF_HDROP_FORMAT); }
    bool HasRTF() { return HasFormat(RTFClipboardFormat()); }
    bool HasCol() { return HasFormat(ColClipboardFormat()); }
    bool HasURL() { return HasFormat(URLClipboardFormat()); }
    bool HasGridCells() { return HasFormat(GridCellsClipboardFormat()); }

    std::string Text();
    std::string RTF();
    // -1 when absent or unreadable.
    int Col();
    // A stream of the cells block's bytes; null when absent.
    std::unique_ptr<TMemoryStream> Stream();
    // The dropped file names (replacing the list's content); the list stays owned here.
    TStringList& Files();

private:
    static constexpr unsigned CF_UNICODETEXT_FORMAT = 13;
    static constexpr unsigned CF_HDROP_FORMAT = 15;
    std::string Block(unsigned ClipFormat);

    IDataObject* FDataObject = nullptr;
    std::shared_ptr<IEnumFORMATETC> FEnumerator;
    FORMATETC FFormatEtc;
    bool FValid = false;
    int FCount = 0;
    std::unique_ptr<TStringList> FFiles;
};

class TSARNDropTarget : public IDropTarget {
public:
    TSARNDropTarget() = default;

    HRESULT DragEnter(IDataObject* dataObj, DWORD grfKeyState, TPoint pt, DWORD& dwEffect) override;
    HRESULT DragOver(DWORD grfKeyState, TPoint pt, DWORD& dwEffect) override;
    HRESULT DragLeave() override;
    HRESULT Drop(IDataObject* dataObj, DWORD grfKeyState, TPoint pt, DWORD& dwEffect) override;

    // What a drop hands over; pt is in screen coordinates.
    virtual void DropText(TPoint pt, const std::string& s);
    // The receiver owns ms.
    virtual void DropStream(TPoint pt, std::unique_ptr<TMemoryStream> ms);
    virtual void DropCol(TPoint pt, int col);
    virtual void DropRTF(TPoint pt, const std::string& s);
    virtual void DropFiles(TPoint pt, TStringList& files);
    virtual void DropURL(TPoint pt, const std::string& s);
    // Clearing Allow refuses the drop at that point.
    virtual void DragMouseMove(TPoint pt, bool& Allow, TDropFormats DropFormats);
    virtual void DragMouseEnter();
    virtual void DragMouseLeave();

    bool AcceptText() const noexcept { return FAcceptText; }
    void SetAcceptText(bool Value) noexcept { FAcceptText = Value; }
    bool AcceptFiles() const noexcept { return FAcceptFiles; }
    void SetAcceptFiles(bool Value) noexcept { FAcceptFiles = Value; }
    bool AcceptCols() const noexcept { return FAcceptCols; }
    void SetAcceptCols(bool Value) noexcept { FAcceptCols = Value; }
    bool AcceptURLs() const noexcept { return FAcceptURLs; }
    void SetAcceptURLs(bool Value) noexcept { FAcceptURLs = Value; }
    TDropFormats DropFormats() const noexcept { return FDropFormats; }

protected:
    bool FOk = false;
    bool FAcceptText = true;
    bool FAcceptFiles = true;
    bool FAcceptCols = false;
    bool FAcceptURLs = true;
    TDropFormats FDropFormats;
};

class TSARNDropSource : public IDropSource {
public:
    HRESULT QueryContinueDrag(bool fEscapePressed, DWORD grfKeyState) override;
    HRESULT GiveFeedback(DWORD dwEffect) override;

    // The drag ended by Escape or by releasing the left button.
    virtual void DragDropDone();
    // Every feedback, with its effect.
    virtual void CurrentEffect(DWORD dwEffect);
    // Every continue query.
    virtual void QueryDrag();

    bool NoAccept() const noexcept { return FNoAccept; }

protected:
    bool FNoAccept = false;
};

// The data a drag from the grid carries: text (plain and Unicode, and as rich
// text when that is switched on), a column index (-1: none) and a cells
// stream (not owned; null: none).
class TSourceDataObject : public IDataObject {
public:
    TSourceDataObject(std::string stxt, std::string srtf, int sidx, TMemoryStream* ms);

    HRESULT GetData(const FORMATETC& formatetcIn, STGMEDIUM& medium) override;
    HRESULT GetDataHere(const FORMATETC& formatetc, STGMEDIUM& medium) override;
    HRESULT QueryGetData(const FORMATETC& formatetc) override;
    HRESULT GetCanonicalFormatEtc(const FORMATETC& formatetc, FORMATETC& formatetcOut) override;
    HRESULT SetData(const FORMATETC& formatetc, STGMEDIUM& medium, bool fRelease) override;
    HRESULT EnumFormatEtc(DWORD dwDirection, std::shared_ptr<IEnumFORMATETC>& enumFormatEtc) override;
    HRESULT DAdvise(const FORMATETC& formatetc, DWORD advf, void* advSink, DWORD& dwConnection) override;
    HRESULT DUnadvise(DWORD dwConnection) override;
    HRESULT EnumDAdvise(void*& enumAdvise) override;

    std::string textdata;
    std::string rtfdata;
    int scolidx;
    TMemoryStream* memstr;
};

// The formats of a TSourceDataObject: CF_TEXT, CF_UNICODETEXT, rich text,
// then the column and the cells when the object has them.
class TSourceEnumFormatEtc : public IEnumFORMATETC {
public:
    TSourceEnumFormatEtc(bool HasCol, bool HasGridCells, int Index = 0);

    HRESULT Next(unsigned celt, FORMATETC* rgelt, unsigned* pceltFetched) override;
    HRESULT Skip(unsigned celt) override;
    HRESULT Reset() override;
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& ppenum) override;

private:
    int Count() const;
    unsigned FormatAt(int i) const;

    int FIndex;
    bool FHasCol;
    bool FHasGridCells;
};

// Drags text, rich text and cells with the source; DRAGDROP_S_CANCEL when the
// source's last feedback showed no effect, else the drag's own result.
HRESULT BeginTextDragDrop(std::shared_ptr<TSARNDropSource> DropSource, const std::string& Text, const std::string& RTF,
                          TMemoryStream* CellsStream, DWORD OkEffects, DWORD& Effect);
// The same with only a column index.
HRESULT BeginColumnDragDrop(std::shared_ptr<TSARNDropSource> DropSource, int Column, DWORD OkEffects, DWORD& Effect);
