// The owning form's resizes reach every grid on it. The grids of one form
// share one handler that runs the form's own handler and each grid's resize;
// a grid that goes takes itself out, and the last one gives the form its own
// handler back, so the form never calls into a freed grid.
#include "grid/QuillGrid.h"

#include <algorithm>

#include "grid/model/BehaviourSettings.h"
#include "platform/ui/Forms.h"

namespace grid {

struct TFormResizeChain {
    struct TEntry {
        const TQuillStringGrid* Grid;
        std::function<void()> Resize;
        std::function<void()> Stretch;
    };
    TNotifyEvent Stored;
    std::vector<TEntry> Entries;
};

} // namespace grid

namespace {

// The form's handler while grids are on it; found again in OnResize by its type.
struct TFormResizeDispatch {
    std::shared_ptr<grid::TFormResizeChain> Chain;

    void operator()(TObject* Sender) const
    {
        // A grid may go while the chain runs: walk a copy.
        const std::shared_ptr<grid::TFormResizeChain> chain = Chain;
        const std::vector<grid::TFormResizeChain::TEntry> entries = chain->Entries;
        for (const auto& entry : entries) entry.Resize();
        if (chain->Stored) {
            try {
                chain->Stored(Sender);
            } catch (...) {
                // The form's own handler failing must not stop the grids' layout.
            }
        }
        for (const auto& entry : entries) entry.Stretch();
    }
};

} // namespace

void TQuillStringGrid::JoinFormResize()
{
    auto* form = dynamic_cast<TCustomForm*>(Owner());
    if (!form || ComponentState().Contains(csDesigning)) return;
    if (const auto* dispatch = form->OnResize.target<TFormResizeDispatch>()) {
        FResizeChain = dispatch->Chain;
    } else {
        FResizeChain = std::make_shared<grid::TFormResizeChain>();
        FResizeChain->Stored = form->OnResize;
        form->OnResize = TFormResizeDispatch{FResizeChain};
    }
    FResizeChain->Entries.push_back({this, [this, form] { FormResized(*form); }, [this] {
                                         if (FColumnSize->Stretch()) StretchColumn(FColumnSize->StretchColumn());
                                     }});
    FResizeForm = form;
    FFormWidth = form->Width();
    FFormHeight = form->Height();
}

void TQuillStringGrid::LeaveFormResize()
{
    if (!FResizeChain) return;
    std::erase_if(FResizeChain->Entries, [this](const auto& entry) { return entry.Grid == this; });
    // A form being destroyed has no use for its handler any more.
    if (FResizeChain->Entries.empty() && !FResizeForm->ComponentState().Contains(csDestroying)) {
        const auto* dispatch = FResizeForm->OnResize.target<TFormResizeDispatch>();
        if (dispatch && dispatch->Chain == FResizeChain) FResizeForm->OnResize = FResizeChain->Stored;
    }
    FResizeChain.reset();
    FResizeForm = nullptr;
}

void TQuillStringGrid::FormResized(TCustomForm& Form)
{
    const int width = Width() + Form.Width() - FFormWidth;
    const int height = Height() + Form.Height() - FFormHeight;
    if (FSizeWithForm && width > 0 && height > 0) SetBounds(Left(), Top(), width, height);
    FFormWidth = Form.Width();
    FFormHeight = Form.Height();
}
