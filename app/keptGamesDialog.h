#pragma once
// The list of unfinished games kept from earlier runs, offered at start when
// there is more than one: resume one of them, discard any, or close the list
// and keep the rest for the next start.

#include <QDialog>
#include <QStringList>
#include <optional>
#include <vector>

class QListWidget;

/// The offer of several kept games. Its buttons "Resume" (BtnResume),
/// "Discard" (BtnDiscard) and "Close" (BtnClose) act on the row selected in
/// the list (KeptGamesList); closing the window or Esc is Close.
class TKeptGamesDialog final : public QDialog {
    Q_OBJECT

public:
    /// One row per summary, in the order given, the first selected.
    explicit TKeptGamesDialog(const QStringList& summaries, QWidget* parent = nullptr);

    /// The row (as given) chosen with Resume, which also accepts the dialog.
    std::optional<int> Resumed() const { return _resumed; }
    /// The rows (as given) chosen with Discard, in order; each left the list.
    const std::vector<int>& Discarded() const { return _discarded; }

private:
    void ResumeSelected();
    void DiscardSelected();
    std::optional<int> SelectedRow() const;

    QListWidget* _list = nullptr; // owned by the dialog
    std::optional<int> _resumed;
    std::vector<int> _discarded;
};
