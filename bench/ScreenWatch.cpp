// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScreenWatch.h"

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

ScreenWatch::ScreenWatch(const QByteArray& display) {
    int screen = 0;
    connection_ = xcb_connect(display.constData(), &screen);
    if (xcb_connection_has_error(connection_))
        return;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (; screens.rem && screen > 0; --screen)
        xcb_screen_next(&screens);
    root_ = screens.data->root;
}

ScreenWatch::~ScreenWatch() {
    xcb_disconnect(connection_);
}

bool ScreenWatch::Connected() const {
    return root_ != 0;
}

bool ScreenWatch::ShowsText(const QRect& region) const {
    // Darker than this in each of red, green and blue: drawn text, not a background.
    constexpr unsigned char kDark = 0x60;
    const xcb_get_image_cookie_t cookie = xcb_get_image(
        connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, static_cast<int16_t>(region.x()),
        static_cast<int16_t>(region.y()), static_cast<uint16_t>(region.width()),
        static_cast<uint16_t>(region.height()), ~0u);
    const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
        xcb_get_image_reply(connection_, cookie, nullptr), &std::free);
    if (!image)
        return false;
    // 32 bits a pixel at depth 24: blue, green, red, unused.
    const uint8_t* pixels = xcb_get_image_data(image.get());
    const int length = xcb_get_image_data_length(image.get());
    for (int i = 0; i + 2 < length; i += 4) {
        if (pixels[i] < kDark && pixels[i + 1] < kDark && pixels[i + 2] < kDark)
            return true;
    }
    return false;
}
