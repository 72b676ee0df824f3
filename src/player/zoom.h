// Zoom arithmetic of the picture area: the image's size for a zoom, where it
// sits in the scroll box, the zoom status text and the click-to-zoom cycle.
// nZoom is in percent; 0 or less means variable (the image fills the box).
#pragma once

#include <string>

#include "common/geometry.h"

namespace vn::player {

// Image size at a positive zoom: 640 x 480 while no picture size is known.
Size ZoomedImageSize(int nZoom, Size picture);

// "Zoom = Variable", "Zoom = 0.%d" below 100, else "Zoom = %d" of nZoom / 100.
std::string ZoomStatusText(int nZoom);

// The image's rectangle inside a scroll box's client area: the whole area at
// variable zoom, else centred where it is smaller than the area and at 0
// where it is not.
Rect PlaceImage(int nZoom, Size client, Size image);

// A left click cycles 50 -> 100 -> 200 -> 50; other zooms stay.
int ClickZoom(int nZoom);

// The zoom set at the first recording opened: 50 from 1280 pixels wide on.
int InitialZoom(int pictureWidth);

// The window's frame moved onto the screen when it was shown beyond it.
Rect KeepOnScreen(Rect window, Size screen);

}  // namespace vn::player
