#pragma once

// Program-wide settings made before any screen exists: dates dd/mm/yyyy and the decimal comma
// whatever the system's settings, Qt's own windows in Italian, the desktop icon theme of the
// command buttons, the program's window icon, and Enter clicking the focused button.
void applyProgramAppearance();
