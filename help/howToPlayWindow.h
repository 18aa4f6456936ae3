#pragma once
// The "How to play" window: the rules of the game as one illustrated page.

#include <QDialog>

class QUrl;
class THelpBrowser;

/// A non-modal window showing the rules page held in the program's resources.
/// Esc or its Close button closes it; it is kept, hidden, for the next showing.
class THowToPlayWindow : public QDialog {
    Q_OBJECT

public:
    /// The window with the page loaded, owned by `parent`.
    explicit THowToPlayWindow(QWidget* parent = nullptr);

    /// Where the page lives among the program's resources.
    static QUrl PageUrl();
    /// The view that shows the page.
    THelpBrowser& Browser() { return *_browser; }

private:
    THelpBrowser* _browser = nullptr; // owned by the window
};
