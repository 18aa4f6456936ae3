#include "userDialogs.h"

#include <QFileDialog>

void TQtUserDialogs::ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                                 QMessageBox::Icon icon)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

QString TQtUserDialogs::GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                        const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString TQtUserDialogs::GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                        const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

namespace {

// The seam is the one piece of process-wide state the dialogs need: it is
// only ever changed by TScopedUserDialogs, which puts the old value back.
TUserDialogs*& CurrentDialogs()
{
    static TQtUserDialogs real;
    static TUserDialogs* current = &real;
    return current;
}

} // namespace

TUserDialogs& UserDialogs()
{
    return *CurrentDialogs();
}

TScopedUserDialogs::TScopedUserDialogs(TUserDialogs& replacement) : _previous(CurrentDialogs())
{
    CurrentDialogs() = &replacement;
}

TScopedUserDialogs::~TScopedUserDialogs()
{
    CurrentDialogs() = _previous;
}
