#pragma once
#include <memory>

class cSpreadPreview;

// The program-wide print front object: created at start-up, released at shutdown.
extern std::unique_ptr<cSpreadPreview> g_SpreadPreview;
