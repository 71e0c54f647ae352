// Whether in-cell controls are drawn themed.
#include "grid/base/ThemedComCtl.h"

#include "render/QuillStyleIF.h"

#include <gtest/gtest.h>

TEST(HasThemedComCtl, NeedsTheThemeLibrary)
{
    // This platform has no theme library to bind, so even the newest system answers no.
    const auto saved = render::SetOperatingSystemForTesting({6, 1, true, 6});
    EXPECT_FALSE(HasThemedComCtl());
    render::SetOperatingSystemForTesting(saved);
}
