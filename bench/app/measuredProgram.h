#pragma once
// The program as it starts for a player, with the few probes the figures need.

#include <QString>

/// Starts like the program does, shows the main window and returns once the
/// board has been painted for the first time. Prints
/// "first-paint-ns <CLOCK_MONOTONIC ns>" and "rss-kb <n>". Returns the exit code.
int RunToFirstPaint(int argc, char** argv);

/// As RunToFirstPaint, with an unfinished game of `moves` moves kept from an
/// earlier run, so the window opens with the offer to resume it. The offer,
/// a real message box, is closed with "New game" once the board is painted.
int RunToFirstPaintWithOffer(int argc, char** argv, int moves);

/// Starts like the program, starts play and makes `moves` legal moves by
/// dragging pieces with synthetic mouse events (a new game follows whenever
/// one ends). Prints the resident memory before and after, its peak, and the
/// mean time of one move. With a non-empty `picture`, saves the window to it.
int RunGame(int argc, char** argv, int moves, const QString& picture);

/// Nanoseconds of CLOCK_MONOTONIC, the clock all processes of the machine share.
long long MonotonicNanoseconds();
