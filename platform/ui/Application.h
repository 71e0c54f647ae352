// The application object: creating forms, the message loop, the title, and
// the handling of exceptions that leave message handlers.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "platform/classes/Component.h"
#include "platform/ui/Forms.h"

class THintWindow;

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TMessageEvent = std::function<void(TMessage& Msg, bool& Handled)>;

class TApplication : public TComponent {
    VISTRA_CLASS(TApplication, TComponent)

    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // Makes sure a backend exists; call once before forms are created.
    void Initialize();
    // Creates a form owned by the application, stores it in Reference, and runs
    // its OnCreate. The first form created becomes the main form.
    template <class TFormClass>
    void CreateForm(TFormClass*& Reference)
    {
        auto* form = new TFormClass(this);
        Reference = form;
        if (!FMainForm) FMainForm = form;
        form->DoCreate();
    }
    // Shows the main form and handles messages until Terminate.
    void Run();
    // Handles every message waiting now, without waiting for more.
    void ProcessMessages();
    // Handles waiting messages, or waits for one when there are none.
    void HandleMessage();
    void Terminate();
    bool Terminated() const noexcept { return FTerminated; }
    // Lets a terminated application run a loop again (tests).
    void ResetTerminated() { FTerminated = false; }

    TCustomForm* MainForm() const noexcept { return FMainForm; }
    void SetMainForm(TCustomForm* Form) { FMainForm = Form; }
    bool MainFormOnTaskBar() const noexcept { return FMainFormOnTaskBar; }
    void SetMainFormOnTaskBar(bool Value) { FMainFormOnTaskBar = Value; }
    const std::string& Title() const noexcept { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    // The full path of the running program.
    std::string ExeName() const;

    // Reports the exception being handled: OnException when set, else
    // ShowException. Call only inside a catch block. EAbort is silent. The
    // program-wide HandleException reaches the same place.
    void HandleException(TObject* Sender);
    void ReportException(TObject* Sender, const std::exception& E);
    // Shows the exception's message in a message box.
    void ShowException(const Exception& E);
    // A message box with the application's title when Caption is empty.
    int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags);

    // Hints.
    bool ShowHint() const noexcept { return FShowHint; }
    void SetShowHint(bool Value);
    unsigned HintPause() const noexcept { return FHintPause; }
    void SetHintPause(unsigned Value) { FHintPause = Value; }
    unsigned HintHidePause() const noexcept { return FHintHidePause; }
    void SetHintHidePause(unsigned Value) { FHintHidePause = Value; }
    void CancelHint();
    // Shows the hint of Control now, at the cursor.
    void ActivateHint(TPoint CursorPos);
    THintWindow* HintWindow() const noexcept { return FHintWindow.get(); }
    const std::string& Hint() const noexcept { return FHint; }

    TExceptionEvent OnException;
    TIdleEvent OnIdle;
    TMessageEvent OnMessage;
    TNotifyEvent OnHint;

    // Used by the window layer.
    void FormDestroyed(TCustomForm* Form);
    void ThreadMessage(TMessage& Message);
    void HintMouseMessage(TControl* Control);
    void HintTimerExpired();

private:
    bool Idle();

    bool FTerminated = false;
    TCustomForm* FMainForm = nullptr;
    bool FMainFormOnTaskBar = false;
    std::string FTitle;
    bool FShowHint = true;
    unsigned FHintPause = 500;
    unsigned FHintHidePause = 2500;
    std::string FHint;
    TControl* FHintControl = nullptr;
    bool FHintShown = false;
    std::unique_ptr<THintWindow> FHintWindow;
    THintWindow* (*FHintWindowClass)(TComponent*) = nullptr;
};

// The application object; made by the first TApplication and cleared with it.
extern TApplication* Application;
