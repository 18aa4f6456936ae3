#pragma once
// Answers the program's modal questions without any window: file dialogs get
// prepared answers, and every message box is written down.

#include <QString>
#include <vector>

#include "userDialogs.h"

/// A message box the program showed.
struct TShownMessage {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
};

/// A file dialog the program asked for.
struct TFileRequest {
    QString caption;
    QString dir;
    QString filter;
};

/// The dialogs double: put in force with TScopedUserDialogs.
class TRecordingDialogs : public TUserDialogs {
public:
    std::vector<TShownMessage> messages;
    std::vector<TFileRequest> saveRequests;
    std::vector<TFileRequest> openRequests;
    /// What the save and open dialogs answer; empty is a cancel.
    QString saveAnswer;
    QString openAnswer;
    /// The yes/no questions asked, and the answer each gets.
    std::vector<QString> questions;
    bool yesAnswer = false;

    void ShowMessage(QWidget*, const QString& caption, const QString& text, QMessageBox::Icon icon) override
    {
        messages.push_back({caption, text, icon});
    }
    QString GetSaveFileName(QWidget*, const QString& caption, const QString& dir,
                            const QString& filter) override
    {
        saveRequests.push_back({caption, dir, filter});
        return saveAnswer;
    }
    QString GetOpenFileName(QWidget*, const QString& caption, const QString& dir,
                            const QString& filter) override
    {
        openRequests.push_back({caption, dir, filter});
        return openAnswer;
    }
    bool AskYesNo(QWidget*, const QString&, const QString& text) override
    {
        questions.push_back(text);
        return yesAnswer;
    }
};
