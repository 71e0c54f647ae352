// Drag and drop between windows and programs: data objects that render their
// formats into memory blocks, format enumerators, drop targets registered per
// window, drop sources that steer a drag, and the modal drag itself. Within
// this program the dragged data object reaches the target as it is; between
// programs the host carries the formats under their clipboard names.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Types.h"
#include "platform/ui/Messages.h"

class TControl;

using HRESULT = std::int32_t;
using DWORD = std::uint32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
inline constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064u);
inline constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = static_cast<HRESULT>(0x80040003u);
inline constexpr HRESULT DRAGDROP_S_DROP = 0x00040100;
inline constexpr HRESULT DRAGDROP_S_CANCEL = 0x00040101;
inline constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;
inline constexpr HRESULT DRAGDROP_E_NOTREGISTERED = static_cast<HRESULT>(0x80040100u);
inline constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = static_cast<HRESULT>(0x80040101u);
inline constexpr HRESULT DRAGDROP_E_INVALIDHWND = static_cast<HRESULT>(0x80040102u);

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }

// What a drop did with the data; a cancelled drag did nothing.
inline constexpr DWORD DROPEFFECT_NONE = 0;
inline constexpr DWORD DROPEFFECT_COPY = 1;
inline constexpr DWORD DROPEFFECT_MOVE = 2;
inline constexpr DWORD DROPEFFECT_LINK = 4;

// Key state of drag calls: MK_LBUTTON, MK_SHIFT, MK_CONTROL ... and Alt.
inline constexpr DWORD MK_ALT = 0x20;

inline constexpr DWORD DVASPECT_CONTENT = 1;
inline constexpr DWORD TYMED_NULL = 0;
inline constexpr DWORD TYMED_HGLOBAL = 1;
inline constexpr DWORD DATADIR_GET = 1;
inline constexpr DWORD DATADIR_SET = 2;

// A block of memory handed from a data object to its reader; whoever holds
// it keeps it alive, so releasing is letting go.
using HGLOBAL = std::shared_ptr<std::string>;
// A zero-filled block of Size bytes; null when so much cannot be had.
HGLOBAL GlobalAlloc(std::size_t Size);
std::size_t GlobalSize(const HGLOBAL& Block);

struct DVTARGETDEVICE;

struct FORMATETC {
    unsigned cfFormat = 0;
    DVTARGETDEVICE* ptd = nullptr;
    DWORD dwAspect = DVASPECT_CONTENT;
    std::int32_t lindex = -1;
    DWORD tymed = TYMED_HGLOBAL;
};

struct STGMEDIUM {
    DWORD tymed = TYMED_NULL;
    HGLOBAL hGlobal;
};

void ReleaseStgMedium(STGMEDIUM& Medium);

class IEnumFORMATETC {
public:
    virtual ~IEnumFORMATETC() = default;
    // Fills up to celt entries; S_FALSE when fewer came. pceltFetched may be null.
    virtual HRESULT Next(unsigned celt, FORMATETC* rgelt, unsigned* pceltFetched) = 0;
    virtual HRESULT Skip(unsigned celt) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& ppenum) = 0;
};

class IDataObject {
public:
    virtual ~IDataObject() = default;
    virtual HRESULT GetData(const FORMATETC& formatetcIn, STGMEDIUM& medium) = 0;
    virtual HRESULT GetDataHere(const FORMATETC& formatetc, STGMEDIUM& medium) = 0;
    virtual HRESULT QueryGetData(const FORMATETC& formatetc) = 0;
    virtual HRESULT GetCanonicalFormatEtc(const FORMATETC& formatetc, FORMATETC& formatetcOut) = 0;
    virtual HRESULT SetData(const FORMATETC& formatetc, STGMEDIUM& medium, bool fRelease) = 0;
    virtual HRESULT EnumFormatEtc(DWORD dwDirection, std::shared_ptr<IEnumFORMATETC>& enumFormatEtc) = 0;
    virtual HRESULT DAdvise(const FORMATETC& formatetc, DWORD advf, void* advSink, DWORD& dwConnection) = 0;
    virtual HRESULT DUnadvise(DWORD dwConnection) = 0;
    virtual HRESULT EnumDAdvise(void*& enumAdvise) = 0;
};

class IDropSource {
public:
    virtual ~IDropSource() = default;
    // S_OK goes on, DRAGDROP_S_DROP drops, DRAGDROP_S_CANCEL cancels.
    virtual HRESULT QueryContinueDrag(bool fEscapePressed, DWORD grfKeyState) = 0;
    virtual HRESULT GiveFeedback(DWORD dwEffect) = 0;
};

// Points are screen coordinates.
class IDropTarget {
public:
    virtual ~IDropTarget() = default;
    virtual HRESULT DragEnter(IDataObject* dataObj, DWORD grfKeyState, TPoint pt, DWORD& dwEffect) = 0;
    virtual HRESULT DragOver(DWORD grfKeyState, TPoint pt, DWORD& dwEffect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT Drop(IDataObject* dataObj, DWORD grfKeyState, TPoint pt, DWORD& dwEffect) = 0;
};

// S_OK the first time, S_FALSE when already initialised; each call is paired
// with an OleUninitialize.
HRESULT OleInitialize();
void OleUninitialize();

// The window takes drops through the target until revoked or destroyed.
HRESULT RegisterDragDrop(HWND hwnd, std::shared_ptr<IDropTarget> dropTarget);
HRESULT RevokeDragDrop(HWND hwnd);
// Drags the data from the window under the pressed left button (the capturing
// one, else the active form) until the source drops or cancels. Effect is
// what the target did, DROPEFFECT_NONE after a cancel.
HRESULT DoDragDrop(std::shared_ptr<IDataObject> dataObj, std::shared_ptr<IDropSource> dropSource, DWORD dwOKEffects,
                   DWORD& dwEffect);

// Files dropped from the desktop's file managers: a window that accepts
// them gets WM_DROPFILES with the drop's handle in WParam.
using HDROP = std::uintptr_t;
void DragAcceptFiles(HWND hwnd, bool fAccept);
// With iFile 0xFFFFFFFF, the number of files. Otherwise the length of name
// iFile (0 when there is none), copied into the buffer of cch characters
// (zero-terminated, cut to fit) when one is given.
unsigned DragQueryFileW(HDROP hDrop, unsigned iFile, char16_t* lpszFile, unsigned cch);
void DragFinish(HDROP hDrop);

namespace ui {

// The state of the keys of a drag call, from the keyboard and buttons now.
DWORD DragKeyState();
// The platform's file-drop block (header, then wide zero-terminated names,
// then an empty name), and back: names read up to the block's end.
std::string MakeDropFilesBlock(const std::vector<std::string>& files);
std::vector<std::string> ReadDropFilesBlock(std::string_view block);
// Text blocks: UTF-8 or UTF-16 with their terminating zero, and back (up to
// the first zero or the block's end).
std::string TextBlock(std::string_view utf8);
std::string UnicodeTextBlock(std::string_view utf8);
std::string TextFromBlock(std::string_view block);
std::string TextFromUnicodeBlock(std::string_view block);

class TDragData;
// The drop dispatch of a form's window: the drop target under the point (a
// registered window or its nearest registered parent) is entered, moved over,
// left and dropped on. hit is the control under the point, screen the point.
DWORD DragOverControl(::TControl* hit, TDragData& data, TPoint screen, DWORD keyState, DWORD allowed);
void DragLeaveTarget();
DWORD DropOnControl(::TControl* hit, TDragData& data, TPoint screen, DWORD keyState, DWORD allowed);
// A window is going: its registration goes with it.
void ForgetDropTarget(HWND hwnd);

} // namespace ui
