#pragma once

// The design's font family as this system has it: Windows has the design's
// own faces (MS Sans Serif in its TrueType form), other systems their
// metric-compatible Liberation faces.
const char *installedFamily(const char *designFamily);

// Makes the faces built into the program (where the system has none of the
// design's, as in a browser) known to the toolkit.
void addBundledFonts();
