#pragma once
// Positions, sizes and colours as the forms use them: integer pixels, rectangles given by their
// top-left corner and size, colours as 8-bit red, green and blue.

#include <cstdint>

namespace forms {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    Point topLeft() const { return {left, top}; }
    bool contains(Point p) const {
        return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
    }
    Rect movedBy(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
    // Shrinks the rectangle by d on every side (grows it for a negative d).
    Rect shrunkBy(int d) const { return {left + d, top + d, width - 2 * d, height - 2 * d}; }
    // The part both rectangles cover; empty (at the nearer corner) when they do not meet.
    Rect intersectedWith(Rect other) const {
        const int l = left > other.left ? left : other.left;
        const int t = top > other.top ? top : other.top;
        const int r = right() < other.right() ? right() : other.right();
        const int b = bottom() < other.bottom() ? bottom() : other.bottom();
        return {l, t, r > l ? r - l : 0, b > t ? b - t : 0};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour: either red, green and blue, or one of the system's colours by its index, which each
// backend resolves (the system window and highlight colours follow the user's desktop scheme).
struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    int systemIndex = -1;

    static constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return {r, g, b, -1};
    }
    static constexpr Colour system(int index) { return {0, 0, 0, index}; }
    bool isSystem() const { return systemIndex >= 0; }
    friend bool operator==(const Colour&, const Colour&) = default;
};

namespace colours {
constexpr Colour Black = Colour::rgb(0, 0, 0);
constexpr Colour White = Colour::rgb(255, 255, 255);
constexpr Colour Red = Colour::rgb(255, 0, 0);
constexpr Colour Grey = Colour::rgb(128, 128, 128);
// The system colour indices the forms use (the same numbers as the Windows COLOR_ constants).
constexpr Colour SystemWindow = Colour::system(5);
constexpr Colour SystemWindowText = Colour::system(8);
constexpr Colour SystemHighlight = Colour::system(13);
constexpr Colour SystemHighlightText = Colour::system(14);
constexpr Colour SystemButtonFace = Colour::system(15);
}  // namespace colours

}  // namespace forms
