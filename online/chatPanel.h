#pragma once
// The table's chat beside the board: the newest lines, and a line to say
// something to the whole table or to one's own team. It never covers the
// board and stays usable while another window of the program is open.

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace net {
class TOnlineSession;
struct TChatLine;
} // namespace net

namespace online {

/// The chat of one online game.
class TChatPanel : public QWidget {
    Q_OBJECT

public:
    /// Shows and sends `session`'s chat; the session must outlive the panel.
    explicit TChatPanel(net::TOnlineSession& session, QWidget* parent = nullptr);

    /// The lines shown, oldest first.
    QStringList Lines() const;

private:
    void Refill();
    void Append(const net::TChatLine& line);
    void Send();

    net::TOnlineSession& session_;
    QListWidget* lines_; // owned by the panel
    QLineEdit* entry_;   // owned by the panel
    QCheckBox* toTeam_;  // owned by the panel
};

} // namespace online
