// A form to put grids on, and a folder for the files a test writes.
#pragma once

#include <memory>

#include "grid/QuillGrid.h"
#include "grid/tests/QuillGridFixture.h"
#include "testsupport/TempFolder.h"

namespace gridfiles_test {

class GridFileTest : public QuillGridTest {
protected:
    explicit GridFileTest(const char* FolderName) : Dir(FolderName) {}

    testsupport::TempFolder Dir;

    // A grid of normal cells only, as files hold them.
    std::unique_ptr<TQuillStringGrid> NewGrid()
    {
        auto grid = std::make_unique<TQuillStringGrid>(Form);
        grid->SetParent(Form);
        grid->SetFixedRows(0);
        grid->SetFixedCols(0);
        return grid;
    }
};

} // namespace gridfiles_test
