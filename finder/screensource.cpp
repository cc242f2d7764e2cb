#include "finder/screensource.h"

namespace {

ScreenSource *g_source = nullptr;

} // namespace

ScreenSource *CurrentScreenSource()
{
    return g_source;
}

void SetScreenSource(ScreenSource *source)
{
    g_source = source;
}
