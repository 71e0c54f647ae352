// The screen (forms, focus, cursor, metrics) and the mouse.
#pragma once

#include <map>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/graphics/Types.h"
#include "platform/ui/Controls.h"

class TCustomForm;
class TWinControl;

class TScreen : public TComponent {
    VISTRA_CLASS(TScreen, TComponent)

    explicit TScreen(TComponent* AOwner);

    int FormCount() const noexcept { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int Index) const { return FForms.at(static_cast<std::size_t>(Index)); }
    TCustomForm* ActiveForm() const;
    TCustomForm* ActiveCustomForm() const { return ActiveForm(); }
    TWinControl* ActiveControl() const;

    // A cursor shown over every control while set (crDefault: each control's own).
    TCursor Cursor() const noexcept { return FCursor; }
    void SetCursor(TCursor Value) { FCursor = Value; }
    // Registered cursors by number; an unknown number reads as the arrow.
    void SetCursors(int Index, TCursor Shape) { FCursors[Index] = Shape; }
    TCursor Cursors(int Index) const;

    int Width() const;
    int Height() const;
    int DesktopWidth() const { return Width(); }
    int DesktopHeight() const { return Height(); }
    TRect WorkAreaRect() const;
    int WorkAreaWidth() const { return WorkAreaRect().Width(); }
    int WorkAreaHeight() const { return WorkAreaRect().Height(); }
    int PixelsPerInch() const;

    TNotifyEvent OnActiveFormChange;
    TNotifyEvent OnActiveControlChange;

    // Used by the window layer.
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    void FormActivated(TCustomForm* Form);
    void ActivateNextForm(TCustomForm* Leaving);
    void BeginModal(TCustomForm* Form);
    void EndModal(TCustomForm* Form);
    TCustomForm* ModalForm() const { return FModal.empty() ? nullptr : FModal.back(); }
    bool AnyFormNeedsPaint() const;
    void PaintForms();

private:
    std::vector<TCustomForm*> FForms;
    std::vector<TCustomForm*> FModal;
    std::map<int, TCursor> FCursors;
    TCursor FCursor = crDefault;
};

class TMouse {
public:
    TPoint CursorPos() const noexcept { return FCursorPos; }
    // Moves the pointer as far as the program is concerned.
    void SetCursorPos(TPoint Value) { FCursorPos = Value; }
    TControl* Capture() const;
    void SetCapture(TControl* Value);
    int WheelScrollLines() const noexcept { return 3; }
    bool MousePresent() const noexcept { return true; }

    // Recorded by the window layer on every mouse message.
    void SetCursorPosition(TPoint Value) { FCursorPos = Value; }

private:
    TPoint FCursorPos;
};

extern TScreen* Screen;
extern TMouse* Mouse;

// The pointer position in screen coordinates.
bool GetCursorPos(TPoint& Point);
