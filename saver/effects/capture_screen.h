#pragma once

#include "saver/effects/picture_box.h"

namespace pgw {

// Puts an image of the whole screen into `picture2` and sizes it to the screen; it does
// not show the box. The screen is read directly: the clipboard is never touched.
void CaptureScreen(PictureBox& picture2);

}  // namespace pgw
