#pragma once
#include <QLine>
#include <QRect>
#include <QSize>

#include <array>

// One of the four frame lines of the text box; coordinates in twips, width in pixels.
struct HCTextEdge {
    QLine line;
    int width = 1;
    int color = 0xFFFFFF;
    bool visible = false;
};

// Where the inner box and the frame lines go on a surface, all in twips.
class HCTextFrame {
public:
    enum Edge { Top = 0, Bottom = 1, Left = 2, Right = 3 };

    struct Layout {
        QRect box;
        std::array<QLine, 4> lines;
        bool whiteSurface = false; // the margin around the box is painted white
    };

    // frameWidth: the drawn frame's width in pixels, 0 when the box draws its own border.
    static Layout compute(int frameWidth, QSize surface, int topMagin);

private:
    static std::array<QLine, 4> lines(int frameWidth, QSize surface);
};
