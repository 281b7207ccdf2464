#pragma once
#include "PdfDocument.h"

#include <QString>
#include <QStringList>
#include <memory>

class PrintSession;
class SpreadGrid;

// Grids to print and the PDF file they print into.
class PrintFixture {
public:
    // rows x cols, cell texts "R<row>C<col>", header texts "Head<col>".
    static std::unique_ptr<SpreadGrid> grid(int rows, int cols, double colWidth = 10);
    // Prints the session's next print into this PDF file.
    static void printTo(PrintSession &session, const QString &pdf);
};
