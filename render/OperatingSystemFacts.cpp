// The platform tests (system and common-controls versions), answered from one set of facts.
#include "render/QuillStyleIF.h"

namespace render {

namespace {

TOperatingSystemFacts& Facts()
{
    static TOperatingSystemFacts facts;
    return facts;
}

} // namespace

const TOperatingSystemFacts& OperatingSystem()
{
    return Facts();
}

TOperatingSystemFacts SetOperatingSystemForTesting(const TOperatingSystemFacts& NewFacts)
{
    TOperatingSystemFacts old = Facts();
    Facts() = NewFacts;
    return old;
}

} // namespace render

bool CommonControlsThemed()
{
    return render::OperatingSystem().CommonControlsMajorVersion > 5;
}

bool IsVistaOrNewer()
{
    return render::OperatingSystem().KernelHasGetLocaleInfoEx;
}

bool IsWindowsXPOrNewer()
{
    const auto& os = render::OperatingSystem();
    return os.MajorVersion > 5 || (os.MajorVersion == 5 && os.MinorVersion != 0);
}
