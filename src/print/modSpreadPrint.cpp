#include "modSpreadPrint.h"

#include "Clock.h"
#include "PreviewZoom.h"
#include "PrintMarkupText.h"
#include "PrintSession.h"
#include "PrintSettings.h"
#include "SessionPreview.h"
#include "SpreadGrid.h"

#include <cmath>

namespace {
int toTwips(double inches) { return static_cast<int>(std::lround(inches * PrintSettings::TwipsPerInch)); }
} // namespace

void SetPreviewZoom(PrintSession &session, int zoomType)
{
    const std::optional<PreviewView> view = PreviewZoom::view(zoomType);
    SessionPreview *preview = session.preview();
    if (view && preview)
        preview->setView(*view);
}

void SetPrintOptions(PrintSession &session, SpreadGrid &grid, const QString &sTitle, const QString &sHeadLeft,
                     const QString &sHeadCenter, long printOT, double fLeft, double fRight, double fTop, double fBottom,
                     bool bPrintFoot, const QString &sPrintFootText, int sTitleFont)
{
    const PrintSettings settings = session.settings();
    SpreadPrintSettings &print = grid.Print();
    print.PrintMarginTop = toTwips(settings.margin(PrintMargin::Top, fTop));
    print.PrintMarginBottom = toTwips(settings.margin(PrintMargin::Bottom, fBottom));
    print.PrintMarginLeft = toTwips(settings.margin(PrintMargin::Left, fLeft));
    print.PrintMarginRight = toTwips(settings.margin(PrintMargin::Right, fRight));
    print.PrintOrientation = settings.orientation(static_cast<int>(printOT));

    print.PrintHeader = PrintMarkupText::header(sTitle, sHeadLeft, sHeadCenter, sTitleFont);
    print.PrintFooter = PrintMarkupText::footer(sPrintFootText, bPrintFoot, sTitleFont, Clock::today());
    session.setSavedFooter(print.PrintFooter);

    bool options[PrintOptionCount];
    for (int n = 0; n < PrintOptionCount; ++n)
        options[n] = settings.option(static_cast<PrintOption>(n));
    const int fit = static_cast<int>(PrintOption::FitToPage);
    if (session.scalingAllowed() != 0)
        print.PrintScalingMethod = options[fit] ? 1 : 0;
    else
        options[fit] = false;

    print.PrintType = PrintTypeAll;
    for (int n = 0; n < PrintOptionCount; ++n) {
        if (n != fit)
            ApplyPrintOption(session, grid, n, options[n]);
    }
}

void ApplyPrintOption(const PrintSession &session, SpreadGrid &grid, int option, bool on)
{
    SpreadPrintSettings &print = grid.Print();
    switch (static_cast<PrintOption>(option)) {
    case PrintOption::ColHeaders: print.PrintColHeaders = on; break;
    case PrintOption::RowHeaders: print.PrintRowHeaders = on; break;
    case PrintOption::GridLines: print.PrintGrid = on; break;
    case PrintOption::Border: print.PrintBorder = on; break;
    case PrintOption::DataCellsOnly: print.PrintUseDataMax = false; break;
    case PrintOption::Colour: print.PrintColor = on; break;
    case PrintOption::Shadows: print.PrintShadows = on; break;
    case PrintOption::FitToPage: print.PrintScalingMethod = on ? 1 : 0; break;
    case PrintOption::Footer: print.PrintFooter = on ? session.savedFooter() : QString(); break;
    }
}
