#pragma once
// A legal move for a test to send, found by the kernel. Plain C++: the
// engine's headers use words Qt's headers take for themselves.

#include <string>

class TVeltanBrdKernel;

/// The first legal move of the board's player to move in the protocol's text
/// ("A04A05"); empty when that player has none.
std::string FirstLegalMove(const TVeltanBrdKernel& board);
