#pragma once
// The seats of an online game beside the board: each seat's player,
// connected or away, who is to move, which seats are held here, and how many watch.

#include <QWidget>

class QLabel;
class QListWidget;

namespace net {
class TOnlineSession;
}

namespace online {

/// A list of the seats that follows the session by itself.
class TSeatsPanel : public QWidget {
    Q_OBJECT

public:
    /// Shows `session`'s seats from now on; the session must outlive the panel.
    explicit TSeatsPanel(const net::TOnlineSession& session, QWidget* parent = nullptr);

    /// The lines shown, one a seat, then the watchers' line.
    QStringList Lines() const;

private:
    void Refresh();

    const net::TOnlineSession& session_;
    QListWidget* seats_; // owned by the panel
    QLabel* watchers_;   // owned by the panel
};

} // namespace online
