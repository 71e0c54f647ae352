// The ready-made styler for HTML text.
#pragma once

#include "memo/MemoStyler.h"

// Tag and attribute names as keywords in three colour groups, quoted values
// as bracket spans, HTML punctuation as symbols, and HTML comments.
class TQuillHTMLMemoStyler : public TQuillCustomMemoStyler {
    VISTRA_CLASS(TQuillHTMLMemoStyler, TQuillCustomMemoStyler)

    explicit TQuillHTMLMemoStyler(TComponent* AOwner);
    const std::string& Version() const noexcept { return FVersion; }

private:
    std::string FVersion = "1.0";
};
