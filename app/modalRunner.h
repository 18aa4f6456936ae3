#pragma once
// How the main window runs a dialog modally. Normally exec(); tests put a
// runner in place that inspects the dialog and answers for the user, so no
// test ever waits in a nested event loop.

#include <QDialog>
#include <functional>

/// Runs a dialog modally and returns its result.
using TModalRunner = std::function<int(QDialog& dialog)>;

/// The runner of a real session: the dialog's own exec().
inline int ExecModal(QDialog& dialog)
{
    return dialog.exec();
}
