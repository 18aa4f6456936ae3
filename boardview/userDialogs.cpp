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

TChoiceAnswer TUserDialogs::AskChoice(QWidget*, const QString&, const QString&, const QString&,
                                      const QString&)
{
    return TChoiceAnswer::First;
}

TChoiceAnswer TQtUserDialogs::AskChoice(QWidget* parent, const QString& caption, const QString& text,
                                        const QString& defaultChoice, const QString& otherChoice)
{
    const std::unique_ptr<QMessageBox> box = MakeChoiceBox(parent, caption, text, defaultChoice, otherChoice);
    box->exec();
    return ChoiceBoxAnswer(*box);
}

namespace {

const QString FirstChoiceName = QStringLiteral("ChoiceFirst");
const QString SecondChoiceName = QStringLiteral("ChoiceSecond");

} // namespace

std::unique_ptr<QMessageBox> MakeChoiceBox(QWidget* parent, const QString& caption, const QString& text,
                                           const QString& defaultChoice, const QString& otherChoice)
{
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    QPushButton* const first = box->addButton(defaultChoice, QMessageBox::AcceptRole);
    first->setObjectName(FirstChoiceName);
    box->addButton(otherChoice, QMessageBox::RejectRole)->setObjectName(SecondChoiceName);
    // Without an escape button of its own the box would take the RejectRole
    // button for Esc and the window's close button, so leaving the question
    // would count as the second answer. A hidden one stands for "neither".
    QPushButton* const neither = box->addButton(QMessageBox::Cancel);
    neither->hide();
    box->setEscapeButton(neither);
    box->setDefaultButton(first);
    return box;
}

TChoiceAnswer ChoiceBoxAnswer(const QMessageBox& box)
{
    const QAbstractButton* const clicked = box.clickedButton();
    if (clicked != nullptr && clicked->objectName() == FirstChoiceName)
        return TChoiceAnswer::First;
    if (clicked != nullptr && clicked->objectName() == SecondChoiceName)
        return TChoiceAnswer::Second;
    return TChoiceAnswer::Dismissed;
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
