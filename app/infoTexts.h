#pragma once
// The texts of the two information boxes of the menu.

#include <QString>

/// Two lines: who holds the rights to the program, and what it is.
QString InformationText();

/// The warranty disclaimer of the BSD licence, in capitals, as one paragraph.
QString DisclaimerText();
