#include "networkMenu.h"

#include <QDir>
#include <QDockWidget>
#include <QEvent>
#include <QFile>
#include <QHostAddress>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <algorithm>

#include "VeltanGUI.h"
#include "applicationTitle.h"
#include "chatPanel.h"
#include "invitationTexts.h"
#include "keptOnlineGame.h"
#include "networkSettings.h"
#include "onlineDialogs.h"
#include "onlineTable.h"
#include "seatsPanel.h"
#include "settingsStore.h"
#include "unfinishedGame.h"
#include "userDialogs.h"
#include "veltanbrd.h"

namespace online {
namespace {

// An address typed alone is read as a link's address is; the code only completes it.
const QString AnyCode = QStringLiteral("AAAAAA");

net::TOnlineSettings SettingsOf(const TVeltanBrdKernel& board)
{
    constexpr double MinutesPerDay = 24 * 60;
    constexpr double SecondsPerDay = MinutesPerDay * 60;
    const auto minutes = [](double days) {
        return std::clamp(static_cast<int>(days * MinutesPerDay + 0.5), 1, net::MaxMinutes);
    };
    const auto seconds = [](double days) {
        return std::clamp(static_cast<int>(days * SecondsPerDay + 0.5), 0, net::MaxIncrementSeconds);
    };
    net::TOnlineSettings settings;
    settings.arrangement = board.StartPositionType() == SP2x2 ? 1 : 0;
    settings.rowShift = static_cast<int>(board.StartPositionRowShift());
    settings.playersPerTeam = board.PlayersPerTeam();
    settings.movesPerTeamTurn = board.MovesPerTeamTurn();
    settings.minutesWhite = minutes(board.TimeStartWhite());
    settings.minutesBlack = minutes(board.TimeStartBlack());
    settings.incrementWhite = seconds(board.TimeIncrementWhite());
    settings.incrementBlack = seconds(board.TimeIncrementBlack());
    return settings;
}

} // namespace

TNetworkMenu::TNetworkMenu(TFrmVeltanBrd& window, TOnlineDialogs& dialogs, const QString& keptPath)
    : window_(window), dialogs_(dialogs), keptPath_(keptPath), settings_(std::make_unique<TSettingsStore>())
{
    menu_ = window_.menuBar()->addMenu(tr("&Network"));
    menu_->setObjectName(QStringLiteral("MnuNetwork"));
    const auto add = [this](const QString& text, const char* name, void (TNetworkMenu::*command)()) {
        QAction* const action = menu_->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    host_ = add(tr("Host a game…"), "MnuItemHostGame", &TNetworkMenu::Host);
    join_ = menu_->addAction(tr("Join a game…"));
    join_->setObjectName(QStringLiteral("MnuItemJoinGame"));
    connect(join_, &QAction::triggered, this, [this] { Join(); });
    invitation_ = add(tr("Invitation…"), "MnuItemInvitation", &TNetworkMenu::ShowInvitation);
    menu_->addSeparator();
    resign_ = menu_->addAction(tr("Resign"));
    resign_->setObjectName(QStringLiteral("MnuItemResign"));
    connect(resign_, &QAction::triggered, this, [this] {
        if (table_ &&
            UserDialogs().AskYesNo(&window_, ApplicationTitle(), tr("Resign the game for your team?")))
            table_->Session().Command(net::TTeamCommand::Resign);
    });
    draw_ = menu_->addAction(tr("Offer or accept a draw"));
    draw_->setObjectName(QStringLiteral("MnuItemDraw"));
    connect(draw_, &QAction::triggered, this, [this] {
        if (table_)
            table_->Session().Command(net::TTeamCommand::Draw);
    });
    declineDraw_ = menu_->addAction(tr("Decline the draw"));
    declineDraw_->setObjectName(QStringLiteral("MnuItemDeclineDraw"));
    connect(declineDraw_, &QAction::triggered, this, [this] {
        if (table_)
            table_->Session().Command(net::TTeamCommand::DeclineDraw);
    });
    menu_->addSeparator();
    leave_ = add(tr("Leave online game"), "MnuItemLeaveOnline", &TNetworkMenu::Leave);
    UpdateActions();
    window_.installEventFilter(this);
}

TNetworkMenu::~TNetworkMenu()
{
    window_.removeEventFilter(this);
    Close();
}

QString TNetworkMenu::DefaultKeptFolder()
{
    return TUnfinishedGameFile::DefaultFolder();
}

bool TNetworkMenu::MayGoOnline()
{
    if (table_) {
        if (!UserDialogs().AskYesNo(&window_, ApplicationTitle(),
                                    tr("Leave the online game for another one?")))
            return false;
        Leave();
    }
    return window_.MayReplaceGame();
}

void TNetworkMenu::Host()
{
    if (!MayGoOnline())
        return;
    THostChoice proposal;
    proposal.name = RememberedName(*settings_);
    proposal.settings = SettingsOf(window_.Board());
    proposal.port = RememberedHostPort(*settings_);
    const QStringList servers = RememberedServerList(*settings_);
    if (!servers.isEmpty())
        proposal.address = servers.first();
    const std::optional<THostChoice> choice = dialogs_.AskHost(&window_, proposal);
    if (!choice)
        return;
    const QString address =
        choice->onThisMachine ? QStringLiteral("127.0.0.1:%1").arg(choice->port) : choice->address;
    const net::TInvitationReading reading = net::ReadAddressAndCode(address, AnyCode);
    QString problem = reading.invitation ? HostChoiceProblem(*choice) : reading.problem;
    if (problem.isEmpty() && choice->onThisMachine)
        problem = StartLocalServer(choice->port);
    if (!problem.isEmpty()) {
        UserDialogs().ShowMessage(&window_, ApplicationTitle(), problem, QMessageBox::Warning);
        return;
    }
    RememberName(*settings_, choice->name);
    if (choice->onThisMachine)
        RememberHostPort(*settings_, choice->port);
    else
        RememberServer(*settings_, net::ServerAddressText(*reading.invitation));
    server_ = reading.invitation;
    seatsAsked_ = true;
    Open([&](net::TOnlineSession& session) {
        session.Host(net::WebSocketUrl(*server_), choice->name, choice->settings, choice->seats);
    });
}

QString TNetworkMenu::StartLocalServer(quint16 port)
{
    if (!localServer_) {
        localServer_ = std::make_unique<TLocalServer>();
        connect(localServer_.get(), &TLocalServer::Ended, this, &TNetworkMenu::OnLocalServerEnded);
    }
    return localServer_->Start(serverProgram_, listenHost_, port);
}

void TNetworkMenu::OnLocalServerEnded(const QString& output)
{
    // A server of an earlier run may hold the port: then the game goes on there.
    if (!table_ || table_->Session().Connection().State() == net::TConnectionState::Ready)
        return;
    UserDialogs().ShowMessage(&window_, ApplicationTitle(),
                              tr("The server on this machine stopped: %1").arg(output), QMessageBox::Warning);
}

bool TNetworkMenu::eventFilter(QObject* watched, QEvent* event)
{
    // Others play on the server this window runs: closing it stops their game too.
    if (watched == &window_ && event->type() == QEvent::Close && localServer_ && localServer_->Running() &&
        table_ && table_->Session().Game().State() != net::TGameState::Ended &&
        !UserDialogs().AskYesNo(&window_, ApplicationTitle(),
                                tr("The game's server runs in this window: closing it stops the game for "
                                   "everyone until you open it again. Close it?"))) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TNetworkMenu::Join(const QString& link)
{
    if (!MayGoOnline())
        return;
    const std::optional<TJoinChoice> choice =
        dialogs_.AskJoin(&window_, link, RememberedName(*settings_), RememberedServerList(*settings_));
    if (!choice)
        return;
    RememberName(*settings_, choice->name);
    RememberServer(*settings_, net::ServerAddressText(choice->invitation));
    server_ = choice->invitation;
    name_ = choice->name;
    invitationLink_.clear();
    seatsAsked_ = false;
    Open([&](net::TOnlineSession& session) {
        session.Watch(net::WebSocketUrl(*server_), choice->name, choice->invitation.code);
    });
}

void TNetworkMenu::JoinLink(const QString& link)
{
    const net::TInvitationReading reading = net::ReadInvitationLink(link);
    const QString name = RememberedName(*settings_);
    if (!reading.invitation || name.isEmpty()) {
        Join(link);
        return;
    }
    if (!MayGoOnline())
        return;
    RememberServer(*settings_, net::ServerAddressText(*reading.invitation));
    server_ = reading.invitation;
    name_ = name;
    invitationLink_.clear();
    seatsAsked_ = false;
    Open([&](net::TOnlineSession& session) {
        session.Watch(net::WebSocketUrl(*server_), name, server_->code);
    });
}

void TNetworkMenu::OfferKeptGame()
{
    if (table_ || keptPath_.isEmpty() || !QFile::exists(keptPath_))
        return;
    const net::TKeptReading reading = net::ReadKeptOnlineGame(keptPath_);
    if (!reading.game) {
        UserDialogs().ShowMessage(&window_, ApplicationTitle(),
                                  tr("The online game kept here cannot be read: %1").arg(reading.problem),
                                  QMessageBox::Warning);
        return;
    }
    const net::TKeptOnlineGame kept = *reading.game;
    if (kept.state == net::TGameState::Ended)
        return;
    if (!UserDialogs().AskYesNo(&window_, ApplicationTitle(),
                                tr("Rejoin the game on %1?").arg(kept.server.host())))
        return;
    // A game hosted on this machine needs its server again (or finds the one still running).
    if (!kept.hostToken.isEmpty() && QHostAddress(kept.server.host()).isLoopback() &&
        kept.server.port() == RememberedHostPort(*settings_))
        StartLocalServer(static_cast<quint16>(kept.server.port()));
    server_ = net::TInvitation{kept.server.scheme() == QLatin1String("wss"),
                               kept.server.host(),
                               static_cast<quint16>(kept.server.port()),
                               {},
                               kept.code};
    invitationLink_.clear();
    seatsAsked_ = true;
    Open([&](net::TOnlineSession& session) { session.Resume(kept); });
}

void TNetworkMenu::Leave()
{
    if (!table_)
        return;
    net::TOnlineSession& session = table_->Session();
    // The seats go back to the game for others; nothing is kept to rejoin.
    for (const net::TSeat seat : session.HeldSeats())
        session.Leave(seat);
    session.KeepIn({});
    QFile::remove(keptPath_);
    Close();
    GiveRoomBack();
    // The position stays, so a game whose server is gone for good can still be saved or played on.
    window_.SetStatusText(tr("Left the online game: Start/Stop plays on here, New game starts afresh"));
}

void TNetworkMenu::Open(const std::function<void(net::TOnlineSession&)>& start)
{
    auto session = std::make_unique<net::TOnlineSession>();
    session->SetTiming(timing_);
    session->KeepIn(keptPath_);
    table_ = std::make_unique<TOnlineTable>(window_, std::move(session));
    net::TOnlineSession& s = table_->Session();
    connect(&s, &net::TOnlineSession::Created, this, &TNetworkMenu::OnCreated);
    connect(&s, &net::TOnlineSession::GameReset, this, &TNetworkMenu::OnGameShown);
    connect(table_.get(), &TOnlineTable::Failed, this, &TNetworkMenu::OnFailed);
    connect(table_.get(), &TOnlineTable::Changed, this, &TNetworkMenu::UpdateActions);

    dock_ = new QDockWidget(tr("Table"), &window_);
    dock_->setObjectName(QStringLiteral("OnlineTableDock"));
    dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    auto* const split = new QSplitter(Qt::Vertical, dock_);
    seats_ = new TSeatsPanel(s, split);
    chat_ = new TChatPanel(s, split);
    // Eight seats at most, while the chat grows: it takes the most of the height.
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 3);
    split->setSizes({1, 3});
    dock_->setWidget(split);
    window_.addDockWidget(Qt::RightDockWidgetArea, dock_);
    MakeRoomForPanel();
    start(s);
    UpdateActions();
}

void TNetworkMenu::MakeRoomForPanel()
{
    // The board keeps its size: the window grows by the panel as far as the
    // screen allows, and stays on it.
    if (grownBy_ > 0 || window_.isMaximized() || window_.isFullScreen() || !dock_)
        return;
    const QScreen* const screen = window_.screen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const int frame = window_.frameGeometry().width() - window_.width();
    // The panel is laid out only once shown: it will take its size and the separator's.
    const int taken = dock_->sizeHint().width() +
                      window_.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, &window_);
    const int width = std::min(window_.width() + taken, available.width() - frame);
    grownBy_ = std::max(0, width - window_.width());
    if (grownBy_ == 0)
        return;
    window_.resize(width, window_.height());
    const int overshoot = window_.frameGeometry().right() - available.right();
    if (overshoot > 0)
        window_.move(window_.x() - overshoot, window_.y());
}

void TNetworkMenu::GiveRoomBack()
{
    if (grownBy_ > 0 && !window_.isMaximized() && !window_.isFullScreen())
        window_.resize(window_.width() - grownBy_, window_.height());
    grownBy_ = 0;
}

void TNetworkMenu::Close()
{
    if (dock_) {
        window_.removeDockWidget(dock_);
        delete dock_.data();
    }
    table_.reset();
    UpdateActions();
}

void TNetworkMenu::OnCreated(const QString& code)
{
    if (!server_)
        return;
    const TInvitationTexts texts = InvitationFor(*server_, code);
    invitationLink_ = texts.links.value(texts.links.size() - 1);
    dialogs_.ShowInvitation(&window_, texts);
}

void TNetworkMenu::OnGameShown()
{
    // The seats are asked for once the joined game is known, never from
    // inside the session's own signal.
    if (!seatsAsked_ && table_ && table_->Session().Game().HasGame()) {
        seatsAsked_ = true;
        QMetaObject::invokeMethod(this, &TNetworkMenu::AskSeats, Qt::QueuedConnection);
    }
}

void TNetworkMenu::AskSeats()
{
    if (!table_)
        return;
    const TSeatsChoice seats = dialogs_.AskSeats(&window_, table_->Session().Game());
    if (!seats) {
        Leave();
        return;
    }
    if (!table_ || seats->isEmpty())
        return;
    // Seats are taken on a line of their own: a line that watched stays
    // counted among the watchers by the server even once it sits down.
    const QString code = table_->Session().Game().Code();
    const QList<net::TSeat> chosen = *seats;
    Close();
    Open([&](net::TOnlineSession& session) {
        session.Join(net::WebSocketUrl(*server_), name_, code, chosen);
    });
}

void TNetworkMenu::OnFailed(const QString& problem)
{
    // Asked once the session has finished failing, so the table may go.
    QMetaObject::invokeMethod(
        this,
        [this, problem] {
            if (!table_)
                return;
            const TChoiceAnswer answer = UserDialogs().AskChoice(
                &window_, ApplicationTitle(),
                tr("The online game cannot go on: %1\n\nIts moves so far are on the board and kept. "
                   "Play on here from the last position (File, Save game keeps it), or leave it?")
                    .arg(problem),
                tr("Play on here"), tr("Leave it"));
            Close();
            GiveRoomBack();
            if (answer == TChoiceAnswer::First)
                window_.SetStatusText(tr("The online game ended; Start/Stop plays on here"));
            else {
                window_.InitialGameSetup();
                window_.SetStatusText(QStringLiteral(" "));
            }
        },
        Qt::QueuedConnection);
}

void TNetworkMenu::ShowInvitation()
{
    if (table_ && server_ && table_->Session().Game().HasGame())
        dialogs_.ShowInvitation(&window_, InvitationFor(*server_, table_->Session().Game().Code()));
}

void TNetworkMenu::UpdateActions()
{
    const bool online = table_ != nullptr;
    const bool seated = online && !table_->Session().HeldSeats().isEmpty();
    const bool running = online && table_->Session().Game().State() == net::TGameState::Running;
    const std::optional<bool> offer = online ? table_->Session().Game().DrawOfferWhite() : std::nullopt;
    invitation_->setEnabled(online);
    resign_->setEnabled(seated && running);
    draw_->setEnabled(seated && running);
    declineDraw_->setEnabled(seated && running && offer.has_value());
    leave_->setEnabled(online);
}

} // namespace online
