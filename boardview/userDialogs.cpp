#include "userDialogs.h"

#include <QFileDialog>
#include <QPushButton>

void TQtUserDialogs::ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                                 QMessageBox::Icon icon)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

QString TQtUserDialogs::GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                        const QString& filter)
{
    // A native dialog may judge "game" without knowing that ".xml" is added
    // afterwards, so the question is asked later, about the real name.
    return QFileDialog::getSaveFileName(parent, caption, dir, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString TQtUserDialogs::GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                        const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

bool TUserDialogs::AskYesNo(QWidget*, const QString&, const QString&)
{
    return false;
}

bool TQtUserDialogs::AskYesNo(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool TUserDialogs::AskChoice(QWidget*, const QString&, const QString&, const QString&, const QString&)
{
    return true;
}

bool TQtUserDialogs::AskChoice(QWidget* parent, const QString& caption, const QString& text,
                               const QString& defaultChoice, const QString& otherChoice)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    QPushButton* const first = box.addButton(defaultChoice, QMessageBox::AcceptRole);
    box.addButton(otherChoice, QMessageBox::RejectRole);
    box.setDefaultButton(first);
    box.exec();
    return box.clickedButton() == first;
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
