// The settings of the strip under the grid's cells that stays in place while the
// rows scroll: what it shows and how it looks.
#pragma once

#include "grid/model/ModelOptions.h"
#include "platform/classes/Object.h"
#include "platform/graphics/Colors.h"

#include <functional>
#include <string>

// Supplies the text of a footer cell calculated by the application.
using TCalcFooterEvent = std::function<void(TObject* Sender, int ACol, int ARow, std::string& Value)>;

// What the strip shows: the grid's last row, one column of the current row, a
// template filled from the current row, or what the application paints.
enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// Options that repaint the strip when they change (type, name, default).
#define VISTRA_FLOATING_FOOTER_REPAINT_OPTIONS(X) \
    X(TColor, BorderColor, clNone)                \
    X(TColor, Color, clBtnFace)                   \
    X(int, Column, 0)

class TFloatingFooter : public TPersistent {
    VISTRA_CLASS(TFloatingFooter, TPersistent)

    VISTRA_FLOATING_FOOTER_REPAINT_OPTIONS(VISTRA_CHANGED_OPTION)
    VISTRA_PLAIN_OPTION(bool, CalculateHiddenRows, true)
    VISTRA_PLAIN_OPTION(bool, ShowHint, false)
    VISTRA_PLAIN_OPTION(bool, EnableCalculation, true)
    // The strip's height; the grid sets it to its default row height.
    VISTRA_PLAIN_OPTION(int, Height, 0)

public:
    static constexpr TFooterStyle FooterStyleDefault = fsFixedLastRow;
    static constexpr bool VisibleDefault = false;

    const std::string& CustomTemplate() const noexcept { return FCustomTemplate; }
    void SetCustomTemplate(const std::string& Value);

    TFooterStyle FooterStyle() const noexcept { return FFooterStyle; }
    // Stores the style and tells the grid, which places its last row anew.
    void SetFooterStyle(TFooterStyle Value);
    bool Visible() const noexcept { return FVisible; }
    // Stores the switch and tells the grid, which gives the strip its footer row.
    void SetVisible(bool Value);

    // Copies what a stored form holds; Visible goes through its setter, the
    // style is stored as it is. Other sources are ignored.
    void Assign(const TPersistent* Source) override;

    // A setting that changes the strip's look changed.
    TNotifyEvent OnChange;
    // Visible or FooterStyle was set.
    TNotifyEvent OnLayoutChange;
    // The text of a footer cell of the custom calculation, when the grid's
    // own OnFooterCalc is not assigned.
    TCalcFooterEvent OnCalcFooter;

private:
    void Changed();

    std::string FCustomTemplate;
    TFooterStyle FFooterStyle = FooterStyleDefault;
    bool FVisible = VisibleDefault;
};
