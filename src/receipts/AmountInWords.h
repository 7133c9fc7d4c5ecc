#pragma once

#include "Currency.h"

#include <QString>

// An amount written in Italian words, as a receipt states it beside the figures: the words joined
// without blanks, "CENTOVENTI" for 120. Only "uno" is elided after a tens word, so 21 is
// VENTUNO while 28 is VENTIOTTO and 108 CENTOOTTO, as every receipt the program has issued reads.

// The words of a whole number from 0 to 999, in lower case; empty for 0 (and out of range).
QString CentinaiaInLettere(int n);

// The upper-case words of an amount: its whole euros ("ZERO" for none), then " E " + the cents in
// words + " CENTESIMI" when there are cents, with "- " in front of a negative amount. Whole euros
// from 10^12 up are beyond the words it knows: only their lowest twelve digits are written.
QString ImportoInLettere(Currency amount);
