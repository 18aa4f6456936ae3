#pragma once
// The one road by which the program asks the user something in a modal
// window: message boxes and the open and save file dialogs. Tests put a
// double in its place so no test ever waits on a modal loop.

#include <QMessageBox>
#include <QString>
#include <memory>

class QWidget;

/// The answer to a question with two named buttons: one of them, or neither
/// when the window was closed or left with Esc.
enum class TChoiceAnswer { First, Second, Dismissed };

/// Modal questions to the user. Every message box and file dialog of the program goes through this.
class TUserDialogs {
public:
    virtual ~TUserDialogs() = default;

    /// Shows text in a modal box with one OK button and returns when it is closed.
    virtual void ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                             QMessageBox::Icon icon) = 0;
    /// Asks for a file name to save under; empty when the user cancels. The
    /// dialog itself never asks about replacing a file: the caller asks once
    /// it knows the name it will write.
    virtual QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter) = 0;
    /// Asks for an existing file to open; empty when the user cancels.
    virtual QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter) = 0;
    /// Asks a question with Yes and No (No the default button); true for Yes.
    /// Stand-ins that meet no question keep this answer: No, which never
    /// replaces or abandons anything.
    virtual bool AskYesNo(QWidget* parent, const QString& caption, const QString& text);
    /// Asks a question answered by one of two named buttons, the first the
    /// default. Closing the window or Esc picks neither, so a caller can leave
    /// things as they are. Stand-ins that meet no question keep this answer:
    /// the default button, as Enter would choose.
    virtual TChoiceAnswer AskChoice(QWidget* parent, const QString& caption, const QString& text,
                                    const QString& defaultChoice, const QString& otherChoice);
};

/// The real dialogs: QMessageBox and QFileDialog.
class TQtUserDialogs final : public TUserDialogs {
public:
    void ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                     QMessageBox::Icon icon) override;
    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override;
    QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter) override;
    bool AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    TChoiceAnswer AskChoice(QWidget* parent, const QString& caption, const QString& text,
                            const QString& defaultChoice, const QString& otherChoice) override;
};

/// The box TQtUserDialogs::AskChoice runs: the question with its two
/// buttons, the first the default. Esc and the window's close button answer
/// neither, where a plain box would take them for the second button.
std::unique_ptr<QMessageBox> MakeChoiceBox(QWidget* parent, const QString& caption, const QString& text,
                                           const QString& defaultChoice, const QString& otherChoice);
/// What a box from MakeChoiceBox answered once it is closed.
TChoiceAnswer ChoiceBoxAnswer(const QMessageBox& box);

/// The dialogs in force: the real ones unless a TScopedUserDialogs has replaced them.
TUserDialogs& UserDialogs();

/// Puts a replacement in force for its own lifetime and restores the previous
/// dialogs when it ends. Replacements nest; the replacement must outlive this object.
class TScopedUserDialogs {
public:
    explicit TScopedUserDialogs(TUserDialogs& replacement);
    ~TScopedUserDialogs();
    TScopedUserDialogs(const TScopedUserDialogs&) = delete;
    TScopedUserDialogs& operator=(const TScopedUserDialogs&) = delete;

private:
    TUserDialogs* _previous;
};
