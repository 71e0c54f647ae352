// Drop-target registration, the drop dispatch of a form's window, the modal
// drag over the host, and the translation between data objects and the
// named formats the host carries between programs.
#include "platform/ui/DragDrop.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Backend.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/VirtualKeys.h"
#include "platform/ui/WinControl.h"

namespace {

constexpr const char* TextMime = "text/plain;charset=utf-8";
constexpr const char* TextAliases[] = {TextMime, "UTF8_STRING", "text/plain", "STRING", "TEXT"};
constexpr const char* RtfMime = "text/rtf";
constexpr const char* UriListMime = "text/uri-list";
constexpr const char* UrlMimes[] = {"text/x-moz-url", "_NETSCAPE_URL"};
constexpr const char* UrlFormatName = "UniformResourceLocator";
constexpr std::size_t DropFilesHeader = 20;
// No drop names more files than this; a longer list is cut.
constexpr std::size_t MaxDropFiles = 100000;

bool IsText(std::string_view name)
{
    return std::ranges::any_of(TextAliases, [&](const char* a) { return name == a; });
}

bool IsUrl(std::string_view name)
{
    return std::ranges::any_of(UrlMimes, [&](const char* a) { return name == a; });
}

unsigned RtfFormat() { return RegisterClipboardFormat("Rich Text Format"); }
unsigned UrlFormat() { return RegisterClipboardFormat(UrlFormatName); }

void PutU32(std::string& s, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint32_t GetU32(std::string_view s, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecode(std::string_view s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            int hi = HexValue(s[i + 1]), lo = HexValue(s[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

std::string FileUri(std::string_view path)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out = "file://";
    for (unsigned char c : path) {
        if (std::isalnum(c) || std::strchr("/-_.~", c)) out += static_cast<char>(c);
        else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::vector<std::string> UriLines(std::string_view list)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find('\n', start);
        if (end == std::string_view::npos) end = list.size();
        std::string_view line = list.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == '\0')) line.remove_suffix(1);
        if (!line.empty() && line.front() != '#') out.emplace_back(line);
        start = end + 1;
    }
    return out;
}

// Local file paths of a URI list; "file:///p" and "file://localhost/p".
std::vector<std::string> FilesOfUriList(std::string_view list)
{
    std::vector<std::string> files;
    for (const std::string& uri : UriLines(list)) {
        if (uri.rfind("file://", 0) != 0) continue;
        std::string_view rest = std::string_view(uri).substr(7);
        if (rest.rfind("localhost/", 0) == 0) rest.remove_prefix(9);
        if (rest.empty() || rest.front() != '/') continue;
        files.push_back(PercentDecode(rest));
        if (files.size() >= MaxDropFiles) break;
    }
    return files;
}

HRESULT CheckMedium(const FORMATETC& f)
{
    return f.dwAspect == DVASPECT_CONTENT && (f.tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
}

HRESULT PutBlock(STGMEDIUM& medium, const std::string& bytes)
{
    medium.hGlobal = GlobalAlloc(bytes.size());
    if (!medium.hGlobal) return DV_E_FORMATETC;
    std::memcpy(medium.hGlobal->data(), bytes.data(), bytes.size());
    medium.tymed = TYMED_HGLOBAL;
    return S_OK;
}

// The formats of a list, walked from its start.
class TFormatList final : public IEnumFORMATETC {
public:
    explicit TFormatList(std::vector<FORMATETC> formats, std::size_t at = 0) : FFormats(std::move(formats)), FAt(at) {}
    HRESULT Next(unsigned celt, FORMATETC* rgelt, unsigned* fetched) override
    {
        unsigned n = 0;
        while (n < celt && FAt < FFormats.size()) rgelt[n++] = FFormats[FAt++];
        if (fetched) *fetched = n;
        return n == celt ? S_OK : S_FALSE;
    }
    HRESULT Skip(unsigned celt) override
    {
        bool whole = FAt + celt <= FFormats.size();
        FAt = std::min(FFormats.size(), FAt + celt);
        return whole ? S_OK : S_FALSE;
    }
    HRESULT Reset() override
    {
        FAt = 0;
        return S_OK;
    }
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& out) override
    {
        out = std::make_shared<TFormatList>(FFormats, FAt);
        return S_OK;
    }

private:
    std::vector<FORMATETC> FFormats;
    std::size_t FAt;
};

// Data dragged from another program (or by the host itself) as a data
// object: the host's format names become the formats a Windows-style reader
// knows, and their bytes the blocks it expects.
class THostDataObject final : public IDataObject {
public:
    explicit THostDataObject(ui::TDragData& data) : FData(&data) {}
    // The host hands over the dropped data anew; the object stays the one the target knows.
    void Rebind(ui::TDragData& data) { FData = &data; }

    HRESULT GetData(const FORMATETC& f, STGMEDIUM& medium) override
    {
        medium = {};
        if (QueryGetData(f) != S_OK) return DV_E_FORMATETC;
        std::optional<std::string> block = Block(f.cfFormat);
        return block ? PutBlock(medium, *block) : DV_E_FORMATETC;
    }
    HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const FORMATETC& f) override
    {
        if (CheckMedium(f) != S_OK) return DV_E_FORMATETC;
        for (const FORMATETC& o : Offered())
            if (o.cfFormat == f.cfFormat) return S_OK;
        return DV_E_FORMATETC;
    }
    HRESULT GetCanonicalFormatEtc(const FORMATETC&, FORMATETC& out) override
    {
        out.ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT SetData(const FORMATETC&, STGMEDIUM&, bool) override { return E_NOTIMPL; }
    HRESULT EnumFormatEtc(DWORD dir, std::shared_ptr<IEnumFORMATETC>& out) override
    {
        if (dir != DATADIR_GET) return E_NOTIMPL;
        out = std::make_shared<TFormatList>(Offered());
        return S_OK;
    }
    HRESULT DAdvise(const FORMATETC&, DWORD, void*, DWORD&) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumDAdvise(void*& out) override
    {
        out = nullptr;
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    std::vector<FORMATETC> Offered()
    {
        std::vector<FORMATETC> out;
        auto add = [&](unsigned cf) {
            if (std::ranges::none_of(out, [&](const FORMATETC& f) { return f.cfFormat == cf; })) out.push_back({cf});
        };
        const std::vector<std::string> names = FData->Formats();
        const bool text = std::ranges::any_of(names, IsText);
        if (text) {
            add(CF_TEXT);
            add(CF_UNICODETEXT);
        }
        for (const std::string& n : names) {
            if (n == RtfMime || n == "text/richtext") add(RtfFormat());
            else if (n == UriListMime) add(CF_HDROP);
            else if (IsUrl(n)) {
                add(UrlFormat());
                add(CF_UNICODETEXT);
            } else if (!IsText(n)) {
                if (unsigned cf = ui::FormatOfMime(n)) add(cf);
            }
        }
        return out;
    }

    std::optional<std::string> Named(std::string_view name)
    {
        for (const std::string& n : FData->Formats())
            if (n == name) return FData->Bytes(n);
        return std::nullopt;
    }

    std::optional<std::string> Text()
    {
        for (const char* alias : TextAliases)
            if (auto t = Named(alias)) return t;
        for (const char* url : UrlMimes)
            if (auto u = Named(url)) {
                std::vector<std::string> lines = UriLines(*u);
                return lines.empty() ? std::string() : lines.front();
            }
        return std::nullopt;
    }

    std::optional<std::string> Block(unsigned cf)
    {
        if (cf == CF_TEXT || cf == CF_UNICODETEXT) {
            std::optional<std::string> t = Text();
            if (!t) return std::nullopt;
            return cf == CF_TEXT ? ui::TextBlock(ui::TextFromBlock(*t)) : ui::UnicodeTextBlock(ui::TextFromBlock(*t));
        }
        if (cf == CF_HDROP) {
            std::optional<std::string> list = Named(UriListMime);
            if (!list) return std::nullopt;
            std::vector<std::string> files = FilesOfUriList(*list);
            if (files.empty()) return std::nullopt;
            return ui::MakeDropFilesBlock(files);
        }
        if (cf == RtfFormat()) {
            std::optional<std::string> r = Named(RtfMime);
            if (!r) r = Named("text/richtext");
            return r ? std::optional(ui::TextBlock(ui::TextFromBlock(*r))) : std::nullopt;
        }
        if (cf == UrlFormat()) {
            for (const char* url : UrlMimes)
                if (auto u = Named(url)) {
                    std::vector<std::string> lines = UriLines(*u);
                    return ui::TextBlock(lines.empty() ? std::string() : lines.front());
                }
            return std::nullopt;
        }
        return Named(ui::FormatMime(cf));
    }

    ui::TDragData* FData;
};

std::optional<std::string> BlockOf(IDataObject& data, unsigned cf)
{
    STGMEDIUM medium;
    FORMATETC f{cf};
    if (data.GetData(f, medium) != S_OK || !medium.hGlobal) return std::nullopt;
    return *medium.hGlobal;
}

DWORD KeysOf(TShiftState keys)
{
    DWORD k = static_cast<DWORD>(ui::ShiftStateToMouseKeys(keys));
    if (keys.Contains(ssAlt)) k |= MK_ALT;
    return k;
}

// A drag of this program as the host runs it: the data object's formats
// under the names other programs know, steered by the drop source.
class TLocalOffer final : public ui::TDragOffer {
public:
    TLocalOffer(IDataObject& data, IDropSource& source) : FData(data), FSource(source) {}

    std::vector<std::string> Formats() override
    {
        std::vector<std::string> out;
        std::shared_ptr<IEnumFORMATETC> e;
        if (FData.EnumFormatEtc(DATADIR_GET, e) != S_OK || !e) return out;
        FORMATETC f;
        // An enumerator that never ends is cut at a sane length.
        for (int guard = 0; guard < 256 && e->Next(1, &f, nullptr) == S_OK; ++guard) {
            std::string name = f.cfFormat == CF_TEXT || f.cfFormat == CF_UNICODETEXT ? TextMime
                               : f.cfFormat == CF_HDROP                              ? UriListMime
                                                                                     : ui::FormatMime(f.cfFormat);
            if (std::ranges::find(out, name) == out.end()) out.push_back(name);
        }
        return out;
    }

    std::optional<std::string> Bytes(const std::string& name) override
    {
        if (IsText(name)) {
            if (auto w = BlockOf(FData, CF_UNICODETEXT)) return ui::TextFromUnicodeBlock(*w);
            if (auto a = BlockOf(FData, CF_TEXT)) return ui::TextFromBlock(*a);
            return std::nullopt;
        }
        if (name == UriListMime) {
            auto block = BlockOf(FData, CF_HDROP);
            if (!block) return std::nullopt;
            std::string list;
            for (const std::string& f : ui::ReadDropFilesBlock(*block)) list += FileUri(f) + "\r\n";
            return list;
        }
        if (name == RtfMime) {
            auto r = BlockOf(FData, RtfFormat());
            return r ? std::optional(ui::TextFromBlock(*r)) : std::nullopt;
        }
        unsigned cf = ui::FormatOfMime(name);
        return cf ? BlockOf(FData, cf) : std::nullopt;
    }

    bool KeepGoing(bool escapePressed, TShiftState keys) override
    {
        FLast = FSource.QueryContinueDrag(escapePressed, KeysOf(keys));
        return FLast != DRAGDROP_S_CANCEL;
    }
    void Feedback(int effect) override { FSource.GiveFeedback(static_cast<DWORD>(effect)); }

    HRESULT LastAnswer() const noexcept { return FLast; }

private:
    IDataObject& FData;
    IDropSource& FSource;
    HRESULT FLast = S_OK;
};

struct TDropState {
    std::map<HWND, std::shared_ptr<IDropTarget>> Targets;
    // The data object of this program's drag while it runs.
    std::shared_ptr<IDataObject> LocalData;
    // The target the pointer is over, and what it was given.
    HWND Over = 0;
    std::shared_ptr<IDropTarget> Target;
    std::unique_ptr<THostDataObject> HostData;
    DWORD LastEffect = DROPEFFECT_NONE;
    int OleUsers = 0;
};

TDropState& State()
{
    static TDropState state;
    return state;
}

std::pair<HWND, std::shared_ptr<IDropTarget>> TargetAt(TControl* hit)
{
    for (TControl* c = hit; c; c = c->Parent()) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (!w || !w->HandleAllocated()) continue;
        auto it = State().Targets.find(w->Handle());
        if (it != State().Targets.end()) return *it;
    }
    return {0, nullptr};
}

IDataObject* DataFor(ui::TDragData& data)
{
    TDropState& s = State();
    if (data.Local() && s.LocalData) return s.LocalData.get();
    if (s.HostData) s.HostData->Rebind(data);
    else s.HostData = std::make_unique<THostDataObject>(data);
    return s.HostData.get();
}

void LeaveCurrent()
{
    TDropState& s = State();
    std::shared_ptr<IDropTarget> target = std::move(s.Target);
    s.Over = 0;
    if (target) target->DragLeave();
    s.HostData.reset();
}

// Enters the target under the point when it is not the current one; answers
// the current target, null when there is none.
IDropTarget* Track(TControl* hit, ui::TDragData& data, TPoint screen, DWORD keys, DWORD& effect, bool& entered)
{
    TDropState& s = State();
    auto [hwnd, target] = TargetAt(hit);
    entered = false;
    if (hwnd != s.Over || target != s.Target) {
        LeaveCurrent();
        if (!target) return nullptr;
        s.Over = hwnd;
        s.Target = target;
        entered = true;
        if (s.Target->DragEnter(DataFor(data), keys, screen, effect) != S_OK) effect = DROPEFFECT_NONE;
    }
    return s.Target.get();
}

DWORD Settle(DWORD effect, DWORD allowed)
{
    effect &= allowed;
    return (effect & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : effect & (DROPEFFECT_COPY | DROPEFFECT_LINK);
}

// The target of files accepted through DragAcceptFiles.
class TFileDropTarget final : public IDropTarget {
public:
    explicit TFileDropTarget(HWND hwnd) : FWnd(hwnd) {}
    HRESULT DragEnter(IDataObject* data, DWORD, TPoint, DWORD& effect) override
    {
        FOk = data && data->QueryGetData(FORMATETC{CF_HDROP}) == S_OK;
        effect = FOk ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT DragOver(DWORD, TPoint, DWORD& effect) override
    {
        effect = FOk ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT DragLeave() override { return S_OK; }
    HRESULT Drop(IDataObject* data, DWORD, TPoint, DWORD& effect) override;

private:
    HWND FWnd;
    bool FOk = false;
};

std::map<HDROP, std::vector<std::string>>& Drops()
{
    static std::map<HDROP, std::vector<std::string>> drops;
    return drops;
}

HRESULT TFileDropTarget::Drop(IDataObject* data, DWORD, TPoint, DWORD& effect)
{
    effect = DROPEFFECT_NONE;
    if (!FOk || !data) return S_OK;
    std::optional<std::string> block = BlockOf(*data, CF_HDROP);
    if (!block) return S_OK;
    static HDROP next = 1;
    HDROP drop = next++;
    Drops()[drop] = ui::ReadDropFilesBlock(*block);
    effect = DROPEFFECT_COPY;
    // The receiver finishes the drop; one that does not is cleaned up here.
    SendMessage(FWnd, WM_DROPFILES, drop, 0);
    Drops().erase(drop);
    return S_OK;
}

} // namespace

HGLOBAL GlobalAlloc(std::size_t Size)
{
    // Blocks come from data a drag carries; nothing sane is this large.
    constexpr std::size_t Largest = std::size_t(1) << 31;
    if (Size > Largest) return nullptr;
    return std::make_shared<std::string>(Size, '\0');
}

std::size_t GlobalSize(const HGLOBAL& Block) { return Block ? Block->size() : 0; }

void ReleaseStgMedium(STGMEDIUM& Medium) { Medium = {}; }

HRESULT OleInitialize() { return State().OleUsers++ == 0 ? S_OK : S_FALSE; }

void OleUninitialize()
{
    if (State().OleUsers > 0) --State().OleUsers;
}

HRESULT RegisterDragDrop(HWND hwnd, std::shared_ptr<IDropTarget> dropTarget)
{
    if (!hwnd || !FindControl(hwnd)) return DRAGDROP_E_INVALIDHWND;
    if (!dropTarget) return E_INVALIDARG;
    auto [it, added] = State().Targets.emplace(hwnd, std::move(dropTarget));
    return added ? S_OK : DRAGDROP_E_ALREADYREGISTERED;
}

HRESULT RevokeDragDrop(HWND hwnd)
{
    TDropState& s = State();
    auto it = s.Targets.find(hwnd);
    if (it == s.Targets.end()) return DRAGDROP_E_NOTREGISTERED;
    if (s.Over == hwnd) LeaveCurrent();
    s.Targets.erase(it);
    return S_OK;
}

void ui::ForgetDropTarget(HWND hwnd)
{
    if (State().Targets.count(hwnd)) RevokeDragDrop(hwnd);
}

HRESULT DoDragDrop(std::shared_ptr<IDataObject> dataObj, std::shared_ptr<IDropSource> dropSource, DWORD dwOKEffects,
                   DWORD& dwEffect)
{
    dwEffect = DROPEFFECT_NONE;
    if (!dataObj || !dropSource) return E_INVALIDARG;
    TControl* capture = ui::CaptureControl();
    TCustomForm* form = capture ? capture->GetParentForm() : ui::ActiveForm();
    ui::TNativeWindow* window = form ? form->NativeWindow() : nullptr;
    if (!window || (dwOKEffects & (DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK)) == 0) return E_UNEXPECTED;
    TDropState& s = State();
    s.LocalData = dataObj;
    const rtl::ScopeExit clear([&] { s.LocalData.reset(); });
    TLocalOffer offer(*dataObj, *dropSource);
    const DWORD effect = Settle(static_cast<DWORD>(window->RunDrag(offer, static_cast<int>(dwOKEffects))), dwOKEffects);
    // The host took the release with the drop.
    ui::SetKeyDown(VK_LBUTTON, false);
    if (ui::CaptureControl()) ui::SetCaptureControl(nullptr);
    // The source hears the end of the drag, whether the host asked it last or not.
    if (offer.LastAnswer() == S_OK) dropSource->QueryContinueDrag(false, ui::DragKeyState());
    dwEffect = effect;
    return effect == DROPEFFECT_NONE ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
}

void DragAcceptFiles(HWND hwnd, bool fAccept)
{
    auto& targets = State().Targets;
    auto it = targets.find(hwnd);
    const bool isFileTarget = it != targets.end() && dynamic_cast<TFileDropTarget*>(it->second.get());
    if (fAccept && it == targets.end()) RegisterDragDrop(hwnd, std::make_shared<TFileDropTarget>(hwnd));
    else if (!fAccept && isFileTarget) RevokeDragDrop(hwnd);
}

unsigned DragQueryFileW(HDROP hDrop, unsigned iFile, char16_t* lpszFile, unsigned cch)
{
    auto it = Drops().find(hDrop);
    if (it == Drops().end()) return 0;
    if (iFile == 0xFFFFFFFFu) return static_cast<unsigned>(it->second.size());
    if (iFile >= it->second.size()) return 0;
    const std::u16string name = rtl::Utf8ToUtf16(it->second[iFile]);
    if (lpszFile && cch > 0) {
        const std::size_t n = std::min<std::size_t>(name.size(), cch - 1);
        std::copy_n(name.begin(), n, lpszFile);
        lpszFile[n] = 0;
        return static_cast<unsigned>(n);
    }
    return static_cast<unsigned>(name.size());
}

void DragFinish(HDROP hDrop) { Drops().erase(hDrop); }

DWORD ui::DragKeyState()
{
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
    if (GetKeyState(VK_LBUTTON) < 0) s.Include(ssLeft);
    if (GetKeyState(VK_RBUTTON) < 0) s.Include(ssRight);
    return KeysOf(s);
}

std::string ui::MakeDropFilesBlock(const std::vector<std::string>& files)
{
    std::string block(DropFilesHeader, '\0');
    PutU32(block, 0, DropFilesHeader);
    PutU32(block, 16, 1);
    auto put16 = [&](char16_t c) {
        block += static_cast<char>(c & 0xFF);
        block += static_cast<char>(c >> 8);
    };
    for (const std::string& f : files) {
        for (char16_t c : rtl::Utf8ToUtf16(f)) put16(c);
        put16(0);
    }
    put16(0);
    return block;
}

std::vector<std::string> ui::ReadDropFilesBlock(std::string_view block)
{
    std::vector<std::string> files;
    if (block.size() < DropFilesHeader) return files;
    const std::size_t offset = GetU32(block, 0) & ~std::uint32_t(1);
    const bool wide = GetU32(block, 16) != 0;
    std::size_t at = offset;
    while (at < block.size() && files.size() < MaxDropFiles) {
        std::string name;
        bool terminated = false;
        if (wide) {
            std::u16string w;
            while (at + 1 < block.size()) {
                char16_t c = static_cast<char16_t>(static_cast<unsigned char>(block[at]) |
                                                   (static_cast<unsigned char>(block[at + 1]) << 8));
                at += 2;
                if ((terminated = c == 0)) break;
                w += c;
            }
            name = rtl::Utf16ToUtf8(w);
        } else {
            std::size_t end = block.find('\0', at);
            terminated = end != std::string_view::npos;
            if (!terminated) end = block.size();
            name = std::string(block.substr(at, end - at));
            at = end + 1;
        }
        // A name cut by the block's end is not a name; the empty one ends the list.
        if (name.empty() || !terminated) break;
        files.push_back(std::move(name));
    }
    return files;
}

std::string ui::TextBlock(std::string_view utf8) { return std::string(utf8) + '\0'; }

std::string ui::UnicodeTextBlock(std::string_view utf8)
{
    std::string block;
    for (char16_t c : rtl::Utf8ToUtf16(utf8)) {
        block += static_cast<char>(c & 0xFF);
        block += static_cast<char>(c >> 8);
    }
    block.append(2, '\0');
    return block;
}

std::string ui::TextFromBlock(std::string_view block) { return std::string(block.substr(0, block.find('\0'))); }

std::string ui::TextFromUnicodeBlock(std::string_view block)
{
    std::u16string w;
    for (std::size_t i = 0; i + 1 < block.size(); i += 2) {
        char16_t c = static_cast<char16_t>(static_cast<unsigned char>(block[i]) |
                                           (static_cast<unsigned char>(block[i + 1]) << 8));
        if (c == 0) break;
        w += c;
    }
    return rtl::Utf16ToUtf8(w);
}

DWORD ui::DragOverControl(TControl* hit, TDragData& data, TPoint screen, DWORD keyState, DWORD allowed)
{
    DWORD effect = allowed;
    bool entered = false;
    IDropTarget* target = Track(hit, data, screen, keyState, effect, entered);
    if (!target) return DROPEFFECT_NONE;
    if (!entered) {
        effect = allowed;
        if (target->DragOver(keyState, screen, effect) != S_OK) effect = DROPEFFECT_NONE;
    }
    return State().LastEffect = Settle(effect, allowed);
}

void ui::DragLeaveTarget() { LeaveCurrent(); }

DWORD ui::DropOnControl(TControl* hit, TDragData& data, TPoint screen, DWORD keyState, DWORD allowed)
{
    // The target hears the drag at the drop point first, as a move there would tell it.
    if (DragOverControl(hit, data, screen, keyState, allowed) == DROPEFFECT_NONE) {
        LeaveCurrent();
        return DROPEFFECT_NONE;
    }
    TDropState& s = State();
    std::shared_ptr<IDropTarget> target = std::move(s.Target);
    s.Over = 0;
    const rtl::ScopeExit clear([&] { s.HostData.reset(); });
    DWORD effect = allowed;
    if (target->Drop(DataFor(data), keyState, screen, effect) != S_OK) return DROPEFFECT_NONE;
    return Settle(effect, allowed);
}
