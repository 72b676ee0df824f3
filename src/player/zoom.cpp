#include "player/zoom.h"

#include <algorithm>
#include <cstdint>

namespace vn::player {
namespace {

// Large zooms from the settings file stay within what a window can be.
constexpr int64_t kLargestImageSide = (1 << 24) - 1;

int Scaled(int side, int nZoom) {
    return static_cast<int>(std::min<int64_t>(int64_t{side} * nZoom / 100, kLargestImageSide));
}

}  // namespace

Size ZoomedImageSize(int nZoom, Size picture) {
    if (picture.width <= 0) return {640, 480};
    return {Scaled(picture.width, nZoom), Scaled(picture.height, nZoom)};
}

std::string ZoomStatusText(int nZoom) {
    if (nZoom <= 0) return "Zoom = Variable";
    if (nZoom < 100) return "Zoom = 0." + std::to_string(nZoom);
    return "Zoom = " + std::to_string(nZoom / 100);
}

Rect PlaceImage(int nZoom, Size client, Size image) {
    if (nZoom <= 0) return {0, 0, client.width, client.height};
    const int left = image.width < client.width ? (client.width - image.width) / 2 : 0;
    const int top = image.height < client.height ? (client.height - image.height) / 2 : 0;
    return {left, top, image.width, image.height};
}

int ClickZoom(int nZoom) {
    switch (nZoom) {
        case 50:
            return 100;
        case 100:
            return 200;
        case 200:
            return 50;
        default:
            return nZoom;
    }
}

int InitialZoom(int pictureWidth) { return pictureWidth >= 1280 ? 50 : 100; }

Rect KeepOnScreen(Rect window, Size screen) {
    // The place comes from the settings file, which may hold any number.
    if (int64_t{window.left} + window.width > screen.width) {
        window.left = 4;
        window.width = screen.width - 8;
    }
    if (int64_t{window.top} + window.height > screen.height) {
        window.top = 4;
        window.height = screen.height - 36;
    }
    return window;
}

}  // namespace vn::player
