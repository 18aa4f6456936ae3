// The line above the board that tells what the computer is thinking, with
// either engine: the depth it has reached, its best move so far and the
// seconds it has used; and, once found, the move it suggests to a human player.

#include <QHBoxLayout>
#include <QLabel>

#include "VeltanGUI.h"
#include "externalEngine.h"
#include "ui_VeltanGUI.h"
#include "veltanbrd.h"

namespace {

// A few times a second is lively enough for a person and costs the search
// nothing: the display only reads what the search left after an iteration.
constexpr int ThinkingLineIntervalMs = 250;

QString MoveText(Square from, Square to)
{
    return QString::fromStdString(TVeltanBrdKernel::SquareToString(from) + "-" +
                                  TVeltanBrdKernel::SquareToString(to));
}

} // namespace

void TFrmVeltanBrd::SetUpThinkingLine()
{
    // The top margin is free: the status line and the clocks below keep their places.
    auto* const layout = new QHBoxLayout(ui->Panel2);
    layout->setContentsMargins(ui->VeltanBrd1->x(), 0, 0, 0);
    _thinkingLine = new QLabel(ui->Panel2);
    _thinkingLine->setObjectName(QStringLiteral("LblComputerThinking"));
    layout->addWidget(_thinkingLine);
    _thinkingTimer.setInterval(ThinkingLineIntervalMs);
    connect(&_thinkingTimer, &QTimer::timeout, this, &TFrmVeltanBrd::UpdateThinkingLine);
    _thinkingTimer.start();
    UpdateThinkingLine();
}

void TFrmVeltanBrd::UpdateThinkingLine()
{
    // An engine program's search is told like the built-in one; a suggestion
    // is always the built-in's, and runs only while no program is asked.
    const TThinkingProgress progress =
        _externalEngine->Thinking() ? _externalEngine->Progress() : VeltanBrd1->ThinkingProgress();
    QString text;
    if (progress.running) {
        text = progress.suggestion ? tr("Looking for a move to suggest") : tr("The computer thinks");
        const double seconds = static_cast<double>(progress.elapsed.count()) / 1000.0;
        if (progress.depth > 0)
            text += tr(": depth %1, best so far %2, %3 s")
                        .arg(progress.depth)
                        .arg(MoveText(progress.from, progress.to))
                        .arg(seconds, 0, 'f', 1);
        else
            text += tr(": %1 s").arg(seconds, 0, 'f', 1);
    } else if (const auto [from, to] = VeltanBrd1->Suggestion(); from != SqrNone) {
        text = tr("Suggested move: %1").arg(MoveText(from, to));
    }
    if (_thinkingLine->text() != text)
        _thinkingLine->setText(text);
    UpdateMoveNow();
}
