#pragma once

// Program-wide settings made before any screen exists: dates dd/mm/yyyy and the decimal comma
// whatever the system's settings, and the desktop icon theme of the command buttons.
void applyProgramAppearance();
