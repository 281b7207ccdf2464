#pragma once
#include <QIcon>

// The preview toolbar's image list, drawn in code. Numbers as the toolbar uses them.
class PreviewImages {
public:
    enum Image {
        Zoom = 1,
        Previous = 3,
        PreviousDisabled = 4,
        Print = 6,
        Next = 7,
        NextDisabled = 8,
        Setup = 9,
        Close = 10,
    };

    static QIcon image(int number);
};
