#pragma once

#include <QRect>
#include <QSize>

#include <optional>

namespace tessel {

// The main window's place and size as the settings file holds them; a value that is missing or not an
// integer is absent.
struct StoredWindowPlace
{
    std::optional<int> top;
    std::optional<int> left;
    std::optional<int> height;
    std::optional<int> width;

    friend bool operator==(const StoredWindowPlace &, const StoredWindowPlace &) = default;
};

// The window's outer geometry after applying a stored place: without "Top" nothing changes; with "Top"
// and "Left" the corner is pulled back onto a screen of screenSize (judged with the window's current
// size) and kept off negative coordinates; "Height" and "Width" each apply on their own, never below
// minimumSize.
QRect PlaceWindow(const StoredWindowPlace &stored, QSize screenSize, QRect current, QSize minimumSize);

} // namespace tessel
