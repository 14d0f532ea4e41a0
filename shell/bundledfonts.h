#pragma once

namespace shell {

// Makes the fonts built into the program known to Qt: in a web page, which has no fonts of its
// own, the faces that stand in for Arial and Arial Narrow. Where none are built in (the
// desktop, which has the system's), does nothing. Call once the application object exists.
void addBundledFonts();

} // namespace shell
