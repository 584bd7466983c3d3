// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QRect>

struct xcb_connection_t;

// What an X server shows, looked at from outside as a user sees it: a client of its own that
// reads the screen's pixels back.
class ScreenWatch {
public:
    // Watches the X server of `display` (":1"), whose screen is white where no window is
    // (Xvfb -wr).
    explicit ScreenWatch(const QByteArray& display);
    ~ScreenWatch();
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;

    bool Connected() const;
    // Whether `region` of the screen shows text: a dark pixel, which neither the white screen
    // nor a window's light background has.
    bool ShowsText(const QRect& region) const;

private:
    xcb_connection_t* connection_ = nullptr;
    unsigned root_ = 0;
};
