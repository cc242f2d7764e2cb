#include "finder/screensource.h"

namespace {

// Nothing asks it for a pixel or the pointer: the finder asks first whether it can read.
class Unreadable final : public ScreenSource
{
public:
    QPoint CursorPos() override { return {}; }
    void SetCursorPos(QPoint) override {}
    QImage ReadBlock(QPoint) override
    {
        QImage block(BlockSize, BlockSize, QImage::Format_RGB32);
        block.fill(Qt::black);
        return block;
    }
    bool CanRead() const override { return false; }
};

Unreadable g_unreadable;
ScreenSource *g_source = &g_unreadable;

} // namespace

ScreenSource &UnreadableScreen()
{
    return g_unreadable;
}

ScreenSource &CurrentScreenSource()
{
    return *g_source;
}

void SetScreenSource(ScreenSource &source)
{
    g_source = &source;
}
