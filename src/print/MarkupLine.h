#pragma once
#include <QList>
#include <QString>
#include <array>

// One printed line of a page header or footer, as read from its mark-up.

struct MarkupFont {
    QString name;
    double size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const MarkupFont &) const = default;
};

enum class MarkupRunKind { Text, PageNumber, PageCount };

struct MarkupRun {
    MarkupRunKind kind = MarkupRunKind::Text;
    QString text;
    MarkupFont font;
};

enum MarkupPosition { MarkupLeft = 0, MarkupCenter = 1, MarkupRight = 2 };

struct MarkupLine {
    std::array<QList<MarkupRun>, 3> parts;
    MarkupFont font; // the font in effect where the line ends: the height of an empty line

    bool isEmpty() const { return parts[0].isEmpty() && parts[1].isEmpty() && parts[2].isEmpty(); }
};
