// The command reader: the first word of a line picks the command's function,
// which gets the other words. A refused command writes one `info string`
// line and changes nothing.

#include "protocolSession.h"

#include <algorithm>
#include <new>

#include "commandWords.h"
#include "goCommand.h"
#include "positionCommand.h"

namespace {

// The game's own defaults: the standard arrangement, four moves a turn, one player.
constexpr std::string_view DefaultStart = "standard 0 4 1";

// The current player cannot move: nothing to search, and the answer is known at once.
bool NoMoveLeft(const TVeltanBrdKernel& game)
{
    return game.GameEnded() || game.LastMove >= MaxHistoryMoves || game.IsThreefoldPosition() ||
           !game.CurrentPlayerCanMove();
}

std::string NoMemoryFor(int hashMegabytes)
{
    return "there is no memory for a table of " + std::to_string(hashMegabytes) + " MB";
}

} // namespace

TProtocolSession::TProtocolSession(TSessionSettings settings, TLineSink out)
    : settings_(std::move(settings)), out_(std::move(out)),
      thread_([this](const std::string& line) { Say(line); })
{
    SetDefaultGame();
}

TProtocolSession::~TProtocolSession()
{
    thread_.Stop();
    thread_.Wait();
}

const std::map<std::string, TProtocolSession::TCommand, std::less<>>& TProtocolSession::Commands()
{
    static const std::map<std::string, TCommand, std::less<>> commands = {
        {"vep", &TProtocolSession::Vep},
        {"isready", &TProtocolSession::IsReady},
        {"setoption", &TProtocolSession::SetOption},
        {"newgame", &TProtocolSession::NewGame},
        {"position", &TProtocolSession::Position},
        {"go", &TProtocolSession::Go},
        {"stop", &TProtocolSession::Stop},
    };
    return commands;
}

bool TProtocolSession::HandleLine(std::string_view line)
{
    TWords words = SplitWords(line);
    // An empty line is no command; interfaces send them now and then.
    if (words.empty())
        return true;
    const std::string command = words.front();
    words.erase(words.begin());
    if (command == "quit") {
        thread_.Stop();
        thread_.Wait();
        return false;
    }
    const auto found = Commands().find(command);
    if (found == Commands().end()) {
        Say("info string unknown command " + Quoted(command));
        return true;
    }
    (this->*found->second)(words);
    return true;
}

void TProtocolSession::Say(const std::string& line)
{
    const std::lock_guard lock(outMutex_);
    out_(line);
}

void TProtocolSession::Refuse(const std::string& command, const std::string& problem)
{
    Say("info string " + command + ": " + problem);
}

bool TProtocolSession::RefusedWhileSearching(const std::string& command)
{
    // A stopped search writes its bestmove within moments; the command waits for it rather
    // than fail for an interface that sent it straight after its stop.
    if (thread_.Running() && thread_.Stopping())
        thread_.Wait();
    if (!thread_.Running())
        return false;
    Refuse(command, "not while searching; send stop first");
    return true;
}

std::unique_ptr<TEngineSearch> TProtocolSession::MadeSearch(int hashMegabytes) const
{
    try {
        return std::make_unique<TEngineSearch>(*game_, static_cast<std::size_t>(hashMegabytes));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void TProtocolSession::SetDefaultGame()
{
    game_ = ReadPosition(SplitWords(DefaultStart)).game;
}

void TProtocolSession::Vep(const TWords& words)
{
    if (!words.empty())
        return Refuse("vep", "takes no arguments");
    Say("id name " + settings_.name);
    Say("id author " + settings_.author);
    for (const TSpinOption& option : SpinOptions)
        Say(OptionLine(option));
    Say("vepok");
}

void TProtocolSession::IsReady(const TWords& words)
{
    if (!words.empty())
        return Refuse("isready", "takes no arguments");
    Say("readyok");
}

void TProtocolSession::SetOption(const TWords& words)
{
    if (RefusedWhileSearching("setoption"))
        return;
    const TOptionSetting setting = ReadSetOption(words);
    if (setting.option == nullptr)
        return Refuse("setoption", setting.problem);
    if (setting.option->name == HashOption.name && search_ != nullptr &&
        setting.value != options_.Value(HashOption)) {
        // The new table is made before the old one goes, so a failure changes nothing.
        std::unique_ptr<TEngineSearch> resized = MadeSearch(setting.value);
        if (resized == nullptr)
            return Refuse("setoption", NoMemoryFor(setting.value));
        search_ = std::move(resized);
        tableValid_ = false;
    }
    options_.Set(*setting.option, setting.value);
}

void TProtocolSession::NewGame(const TWords& words)
{
    if (!words.empty())
        return Refuse("newgame", "takes no arguments");
    if (RefusedWhileSearching("newgame"))
        return;
    SetDefaultGame();
    tableValid_ = false;
}

void TProtocolSession::Position(const TWords& words)
{
    // Allowed while searching: the search works on a copy of the game made when it began.
    TPositionReading reading = ReadPosition(words);
    if (reading.game == nullptr)
        return Refuse("position", reading.problem);
    game_ = std::move(reading.game);
}

void TProtocolSession::Go(const TWords& words)
{
    if (RefusedWhileSearching("go"))
        return;
    const TGoReading reading = ReadGo(words);
    if (!reading.problem.empty())
        return Refuse("go", reading.problem);
    if (NoMoveLeft(*game_))
        return Say("bestmove none");

    TSearchLimits limits = SearchLimitsFor(reading.request, game_->WhiteToMove(), game_->MovesPerTeamTurn());
    limits.threads = options_.Value(ThreadsOption);
    if (settings_.maxDepth > 0)
        limits.maxDepth = std::min(limits.maxDepth, settings_.maxDepth);
    if (settings_.maxNodes > 0)
        limits.maxNodes =
            limits.maxNodes == 0 ? settings_.maxNodes : std::min(limits.maxNodes, settings_.maxNodes);

    // The table is made at the first search: a conversation without one needs no memory for it.
    if (search_ == nullptr) {
        search_ = MadeSearch(options_.Value(HashOption));
        if (search_ == nullptr)
            return Refuse("go", NoMemoryFor(options_.Value(HashOption)));
    }
    const TTurnRules rules{game_->MovesPerTeamTurn(), game_->PlayersPerTeam()};
    const bool keepLearnt = tableValid_ && rules.movesPerTeamTurn == tableRules_.movesPerTeamTurn &&
                            rules.playersPerTeam == tableRules_.playersPerTeam;
    // The previous search has written its bestmove; its thread may still be ending.
    thread_.Wait();
    search_->SetGame(*game_, keepLearnt);
    search_->SetStrength(options_.Value(StrengthOption));
    tableValid_ = true;
    tableRules_ = rules;
    thread_.Start(*search_, limits, reading.request.infinite);
}

void TProtocolSession::Stop(const TWords& words)
{
    if (!words.empty())
        return Refuse("stop", "takes no arguments");
    // Without a search there is nothing to stop: interfaces send stop on every cancel.
    thread_.Stop();
}
