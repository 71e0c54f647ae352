// Wrappers of font collections, font families, fonts and string formats.
#pragma once

#include "render/QuillGDIPBase.h"

#include <memory>
#include <string_view>

// Fonts come only from the installed set; a collection has no fonts of its own.
class TGPFontCollection : public TGdiplusBase {
public:
    TGPFontCollection() = default;
    ~TGPFontCollection() = default;
    TGPFontCollection(const TGPFontCollection&) = delete;
    TGPFontCollection& operator=(const TGPFontCollection&) = delete;

    void* Native() const noexcept { return nativeFontCollection; }
    Status GetLastStatus() noexcept { return render::TakeStatus(lastResult); }

private:
    void* nativeFontCollection = nullptr;
    Status lastResult = Ok;
};

class TGPFontFamily : public TGdiplusBase {
public:
    // The family of that name; the status is FontFamilyNotFound when no font of it is installed.
    explicit TGPFontFamily(std::string_view name, const TGPFontCollection* fontCollection = nullptr);
    // A wrapper without a family.
    TGPFontFamily() = default;
    ~TGPFontFamily();
    TGPFontFamily(const TGPFontFamily&) = delete;
    TGPFontFamily& operator=(const TGPFontFamily&) = delete;

    // Shared families that live as long as the program; never freed by callers.
    static const TGPFontFamily* GenericSansSerif();
    static const TGPFontFamily* GenericSerif();
    static const TGPFontFamily* GenericMonospace();

    Status GetLastStatus() noexcept { return render::TakeStatus(lastResult); }
    GpFontFamily* Native() const noexcept { return nativeFamily; }

private:
    TGPFontFamily(GpFontFamily* native, Status status) : nativeFamily(native), lastResult(status) {}
    static const TGPFontFamily* Shared(std::unique_ptr<TGPFontFamily>& slot, Status (*make)(GpFontFamily**));

    GpFontFamily* nativeFamily = nullptr;
    Status lastResult = Ok;
};

class TGPFont : public TGdiplusBase {
public:
    TGPFont(const TGPFontFamily* family, float emSize, int style = FontStyleRegular, Unit_ unit = UnitPoint);
    // The font of the named family; the generic sans-serif family when that cannot be had.
    TGPFont(std::string_view familyName, float emSize, int style = FontStyleRegular, Unit_ unit = UnitPoint,
            const TGPFontCollection* fontCollection = nullptr);
    TGPFont(GpFont* native, Status status) : nativeFont(native), lastResult(status) {}
    ~TGPFont();
    TGPFont(const TGPFont&) = delete;
    TGPFont& operator=(const TGPFont&) = delete;

    Status GetLastStatus() noexcept { return render::TakeStatus(lastResult); }
    GpFont* Native() const noexcept { return nativeFont; }

private:
    GpFont* nativeFont = nullptr;
    Status lastResult = Ok;
};

class TGPStringFormat : public TGdiplusBase {
public:
    explicit TGPStringFormat(int formatFlags = 0, int language = 0);
    explicit TGPStringFormat(const TGPStringFormat* format);
    TGPStringFormat(GpStringFormat* native, Status status) : nativeFormat(native), lastError(status) {}
    ~TGPStringFormat();
    TGPStringFormat(const TGPStringFormat&) = delete;
    TGPStringFormat& operator=(const TGPStringFormat&) = delete;

    Status SetAlignment(StringAlignment align);
    StringAlignment GetAlignment();
    Status SetLineAlignment(StringAlignment align);
    StringAlignment GetLineAlignment();
    Status SetFormatFlags(int flags);
    int GetFormatFlags();
    Status SetTrimming(StringTrimming trimming);
    StringTrimming GetTrimming();
    Status SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix);
    HotkeyPrefix GetHotkeyPrefix();
    Status GetLastStatus() noexcept { return render::TakeStatus(lastError); }

    GpStringFormat* Native() const noexcept { return nativeFormat; }

private:
    Status SetStatus(Status status) noexcept { return render::RecordStatus(lastError, status); }

    GpStringFormat* nativeFormat = nullptr;
    Status lastError = Ok;
};
