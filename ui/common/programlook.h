#pragma once

namespace velmora {

// The look every window expects: one widget style on every desktop and the font substitutes.
// Call once after the QApplication exists (the program and the GUI tests do).
void applyProgramLook();

} // namespace velmora
