#pragma once

// The design's font family as this system has it: Windows has the design's
// own faces (MS Sans Serif in its TrueType form), other systems their
// metric-compatible Liberation faces.
const char *installedFamily(const char *designFamily);
