#pragma once

// Enter on a focused button clicks it, on every screen, as Space does: dialogs do so by
// themselves, while on the other screens a button that Enter has just reached ("Apri" after the
// year) would otherwise ignore the next Enter. Installed once for the whole application.
void letEnterClickButtons();
