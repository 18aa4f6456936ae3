#pragma once
// The command line of the network bot: which server, which game and seats,
// how it chooses its moves, and the load generator's numbers.

#include <QStringList>
#include <QUrl>
#include <optional>

#include "onlineSettings.h"

/// How the bot picks a move among the legal ones.
enum class TMoveChoice { Random, Engine };

/// Everything the bot is told on its command line, checked.
struct TBotOptions {
    QUrl server;         ///< the WebSocket URL, its path included
    QString name;        ///< the name `hello` carries
    bool create = false; ///< create a game (and print its code) rather than join one
    net::TOnlineSettings settings;
    QString game;      ///< the code of the game to join or watch (not with create)
    QStringList seats; ///< "white-1" .. "black-4", each once
    bool watch = false;
    TMoveChoice choice = TMoveChoice::Random;
    int msPerMove = 100; ///< the engine's time for one move
    quint64 seed = 1;
    int games = 1;   ///< with create: games played one after another
    int thinkMs = 0; ///< wait before each move
    int load = 0;    ///< games at once of the load generator; 0: no load run
    int durationSeconds = 60;
};

/// Options read from a command line, or what is wrong with it (help: a usage text and no error).
struct TBotCommandLine {
    std::optional<TBotOptions> options;
    QString error;
    bool helpWanted = false;
    QString usage;
};

/// Reads the arguments (program name first). Every number is checked against
/// its range and every seat against the game's seats before anything runs.
TBotCommandLine ReadBotCommandLine(const QStringList& arguments);
