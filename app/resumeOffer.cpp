#include "resumeOffer.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <cmath>

#include "applicationTitle.h"
#include "keptGamesDialog.h"
#include "timeText.h"
#include "userDialogs.h"

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("ResumeOffer", text);
}

QString MovesText(std::size_t moves)
{
    return moves == 1 ? Tr("1 move") : Tr("%1 moves").arg(moves);
}

// The clocks the game began with; older files do not record them.
QString TimeControlText(const TGameFileContent& game)
{
    if (!game.start)
        return {};
    const TGameFileStart& start = *game.start;
    QString text = TimeText(start.timeStartWhite);
    if (TimeText(start.timeStartBlack) != text)
        text += QStringLiteral(" / ") + TimeText(start.timeStartBlack);
    const long long incrementSeconds = std::llround(start.incrementWhite * 86'400.0);
    if (incrementSeconds > 0)
        text += Tr(" + %1 s").arg(incrementSeconds);
    return text;
}

} // namespace

QString KeptGameSummary(const TKeptGame& kept)
{
    const TGameFileSettings& settings = kept.game.settings;
    QStringList parts{
        QLocale().toString(kept.written, QLocale::ShortFormat), MovesText(kept.game.moves.size()),
        Tr("%1 per team turn").arg(MovesText(static_cast<std::size_t>(settings.MovesPerTeamTurn))),
        Tr("%1 per team")
            .arg(settings.PlayersPerTeam == 1 ? Tr("1 player")
                                              : Tr("%1 players").arg(settings.PlayersPerTeam))};
    const QString time = TimeControlText(kept.game);
    if (!time.isEmpty())
        parts.push_back(time);
    return parts.join(QStringLiteral(", "));
}

TResumeAnswer AskAboutKeptGames(QWidget* parent, const std::vector<TKeptGame>& games,
                                const TModalRunner& runModal)
{
    TResumeAnswer answer;
    if (games.empty())
        return answer;
    if (games.size() == 1) {
        switch (UserDialogs().AskChoice(parent, ApplicationTitle(), Tr("Resume the unfinished game?"),
                                        Tr("Resume"), Tr("New game"))) {
        case TChoiceAnswer::First:
            answer.resume = 0;
            break;
        case TChoiceAnswer::Second:
            answer.discard.push_back(0);
            break;
        case TChoiceAnswer::Dismissed:
            break;
        }
        return answer;
    }
    QStringList summaries;
    for (const TKeptGame& kept : games)
        summaries.push_back(KeptGameSummary(kept));
    TKeptGamesDialog dialog(summaries, parent);
    runModal(dialog);
    // The dialog only ever names rows it was given.
    for (const int row : dialog.Discarded())
        answer.discard.push_back(static_cast<std::size_t>(row));
    if (dialog.Resumed())
        answer.resume = static_cast<std::size_t>(*dialog.Resumed());
    return answer;
}
