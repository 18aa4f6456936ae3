#include "chatPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <memory>

#include "onlineSession.h"
#include "tableTexts.h"

namespace online {
namespace {

// The newest lines are the ones read; older ones only make the list long.
constexpr int LinesShown = 200;

} // namespace

TChatPanel::TChatPanel(net::TOnlineSession& session, QWidget* parent)
    : QWidget(parent), session_(session), lines_(new QListWidget(this)), entry_(new QLineEdit(this)),
      toTeam_(new QCheckBox(tr("To my team"), this))
{
    setObjectName(QStringLiteral("OnlineChat"));
    lines_->setObjectName(QStringLiteral("OnlineChatLines"));
    lines_->setWordWrap(true);
    entry_->setObjectName(QStringLiteral("OnlineChatEntry"));
    entry_->setPlaceholderText(tr("Say something…"));
    toTeam_->setObjectName(QStringLiteral("OnlineChatToTeam"));
    auto* const sending = new QHBoxLayout;
    sending->addWidget(entry_, 1);
    sending->addWidget(toTeam_);
    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lines_, 1);
    layout->addLayout(sending);
    connect(entry_, &QLineEdit::returnPressed, this, &TChatPanel::Send);
    connect(&session_, &net::TOnlineSession::GameReset, this, &TChatPanel::Refill);
    connect(&session_, &net::TOnlineSession::ChatReceived, this, &TChatPanel::Append);
    Refill();
}

QStringList TChatPanel::Lines() const
{
    QStringList lines;
    for (int row = 0; row < lines_->count(); ++row)
        lines.append(lines_->item(row)->text());
    return lines;
}

void TChatPanel::Refill()
{
    lines_->clear();
    for (const net::TChatLine& line : session_.Game().Chat())
        Append(line);
}

void TChatPanel::Append(const net::TChatLine& line)
{
    const QString to = line.toTeam ? tr(" (team)") : QString();
    lines_->addItem(QStringLiteral("%1%2: %3").arg(line.name, to, line.text));
    while (lines_->count() > LinesShown)
        std::unique_ptr<QListWidgetItem>(lines_->takeItem(0)).reset();
    lines_->scrollToBottom();
}

void TChatPanel::Send()
{
    const QString text = entry_->text().trimmed();
    if (text.isEmpty())
        return;
    session_.Chat(text, toTeam_->isChecked());
    entry_->clear();
}

} // namespace online
