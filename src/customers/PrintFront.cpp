#include "PrintFront.h"

#include "cSpreadPreview.h"

std::unique_ptr<cSpreadPreview> g_SpreadPreview;
