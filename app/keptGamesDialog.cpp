#include "keptGamesDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace {

// Each row remembers its place in the list as given, as discarding moves the rows below it.
constexpr int GivenRowRole = Qt::UserRole;

} // namespace

TKeptGamesDialog::TKeptGamesDialog(const QStringList& summaries, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KeptGamesDialog"));
    setWindowTitle(tr("Unfinished games"));
    auto* const layout = new QVBoxLayout(this);
    auto* const text =
        new QLabel(tr("These games were not finished, newest first. Resume one, or discard the "
                      "ones you no longer want; the others are kept for the next start."),
                   this);
    text->setWordWrap(true);
    layout->addWidget(text);

    _list = new QListWidget(this);
    _list->setObjectName(QStringLiteral("KeptGamesList"));
    _list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int row = 0; row < summaries.size(); ++row) {
        auto* const item = new QListWidgetItem(summaries.at(row), _list);
        item->setData(GivenRowRole, row);
    }
    _list->setCurrentRow(0);
    layout->addWidget(_list);

    auto* const buttons = new QDialogButtonBox(this);
    QPushButton* const resume = buttons->addButton(tr("Resume"), QDialogButtonBox::AcceptRole);
    resume->setObjectName(QStringLiteral("BtnResume"));
    resume->setDefault(true);
    QPushButton* const discard = buttons->addButton(tr("Discard"), QDialogButtonBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("BtnDiscard"));
    QPushButton* const close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("BtnClose"));
    layout->addWidget(buttons);

    connect(resume, &QPushButton::clicked, this, &TKeptGamesDialog::ResumeSelected);
    connect(discard, &QPushButton::clicked, this, &TKeptGamesDialog::DiscardSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(_list, &QListWidget::itemActivated, this, &TKeptGamesDialog::ResumeSelected);
}

std::optional<int> TKeptGamesDialog::SelectedRow() const
{
    const QListWidgetItem* const item = _list->currentItem();
    if (item == nullptr)
        return std::nullopt;
    return item->data(GivenRowRole).toInt();
}

void TKeptGamesDialog::ResumeSelected()
{
    _resumed = SelectedRow();
    if (_resumed)
        accept();
}

void TKeptGamesDialog::DiscardSelected()
{
    const std::optional<int> row = SelectedRow();
    if (!row)
        return;
    _discarded.push_back(*row);
    const std::unique_ptr<QListWidgetItem> gone(_list->takeItem(_list->currentRow()));
    // Nothing left to resume or discard: the list has done its work.
    if (_list->count() == 0)
        reject();
}
