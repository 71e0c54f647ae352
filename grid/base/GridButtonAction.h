// A small action (caption, enabled, hint, visible, checked, group index and an
// execute handler) and the link that keeps a control in step with it.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/Component.h"

class TControl;

namespace grid {

class TGridActionLink;

// Changing a property hands the new value to every link before storing it,
// so a link can still compare its client with the old value and follow the
// action only where the client had not been changed on its own.
class TGridAction : public TComponent {
    VISTRA_CLASS(TGridAction, TComponent)

    explicit TGridAction(TComponent* AOwner) : TComponent(AOwner) {}
    ~TGridAction() override;

    const std::string& Caption() const noexcept { return FCaption; }
    void SetCaption(const std::string& Value);
    bool Enabled() const noexcept { return FEnabled; }
    void SetEnabled(bool Value);
    const std::string& Hint() const noexcept { return FHint; }
    void SetHint(const std::string& Value);
    bool Visible() const noexcept { return FVisible; }
    void SetVisible(bool Value);
    bool Checked() const noexcept { return FChecked; }
    void SetChecked(bool Value);
    int GroupIndex() const noexcept { return FGroupIndex; }
    void SetGroupIndex(int Value);

    // Runs OnExecute; false when there is none.
    bool Execute();
    TNotifyEvent OnExecute;

private:
    friend class TGridActionLink;
    std::vector<TGridActionLink*> FLinks;
    std::string FCaption;
    bool FEnabled = true;
    std::string FHint;
    bool FVisible = true;
    bool FChecked = false;
    int FGroupIndex = 0;
};

// Ties one control to an action. The base links caption, enabled, hint and
// visible; a client with checked or grouped states derives and adds its own.
class TGridActionLink {
public:
    explicit TGridActionLink(TControl& Client) : FClient(Client) {}
    virtual ~TGridActionLink();
    TGridActionLink(const TGridActionLink&) = delete;
    TGridActionLink& operator=(const TGridActionLink&) = delete;

    TGridAction* Action() const noexcept { return FAction; }
    void SetAction(TGridAction* Value);
    // Runs the action; false without one.
    bool Execute();

    virtual bool IsCaptionLinked() const;
    virtual bool IsEnabledLinked() const;
    virtual bool IsHintLinked() const;
    virtual bool IsVisibleLinked() const;
    // With an action the checked state and group index may follow it; the
    // client's link decides when they do.
    virtual bool IsCheckedLinked() const { return FAction != nullptr; }
    virtual bool IsGroupIndexLinked() const { return FAction != nullptr; }

    // Called by the action before it stores a new value.
    virtual void SetCaption(const std::string& Value);
    virtual void SetEnabled(bool Value);
    virtual void SetHint(const std::string& Value);
    virtual void SetVisible(bool Value);
    virtual void SetChecked(bool) {}
    virtual void SetGroupIndex(int) {}

protected:
    TControl& FClient;

private:
    friend class TGridAction;
    TGridAction* FAction = nullptr;
};

} // namespace grid
