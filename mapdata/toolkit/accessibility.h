#pragma once

namespace mapdata {

// Installs the accessibility factory that gives focus spots, focus sinks and the form their
// own interfaces: a spot reads with its role, name, states and actions, in its group if it
// has one; a sink as a line of text; the form as a frame with a title. Once a process, before
// the first of them is shown; again does nothing.
void installAccessibility();

} // namespace mapdata
