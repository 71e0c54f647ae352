// How the memo lays its text out on printed pages.
#pragma once

#include "platform/classes/Object.h"

#include <string>

// Margins are in device units of the canvas printed on.
class TPrintOptions : public TPersistent {
    VISTRA_CLASS(TPrintOptions, TPersistent)

    TPrintOptions() = default;
    // From another TPrintOptions only; other classes raise EInvalidCast.
    void Assign(const TPersistent* Source) override;

    std::string JobName;
    // Centred at the top of every page; empty: no title line.
    std::string Title;
    // A page number line at the bottom of every page.
    bool PageNr = false;
    bool PrintLineNumbers = false;
    int MarginLeft = 0;
    int MarginRight = 0;
    int MarginTop = 0;
    int MarginBottom = 0;
    // Put with a space before the page number.
    std::string PagePrefix;
};
