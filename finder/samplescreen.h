#pragma once

#include "core/colour.h"

#include <QPoint>

class PictureBox;
class QCursor;
class ScreenSource;

// The reticle pointers of a finder drag: 101 is black, for light colours; 103 is grey, for dark
// ones. Both have their hot spot at (12, 12) and their centre dot over the sampled pixel.
[[nodiscard]] const QCursor &ReticleCursor(int id);

// The colour above which the marker is black and the reticle is cursor 101.
inline constexpr ColourValue MarkerThreshold = 0x888888;

// One step of a finder drag: magnifies the block of screen pixels at the pointer's hot spot over
// the whole view (unless the hot spot is over the view itself), frames the view's centre with a
// marker that stands out against it, gives the pointer the matching reticle and returns the hot
// spot. The colour taken is then read from the view at (647, 647) twips: the screen pixel 3 right
// of and 3 below the hot spot.
QPoint SampleScreen(PictureBox &view, ScreenSource &source);
