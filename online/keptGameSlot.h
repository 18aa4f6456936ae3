#pragma once
// Which file this program keeps its online game in. Several programs may run
// at once, each with its own game (a link opened while one runs starts another),
// so each takes the first file no running program holds; a program started again
// after a crash takes its own back, the dead holder's lock being stale.

#include <QLockFile>
#include <QString>
#include <memory>

namespace online {

/// One kept-game file held for this program's whole run.
class TKeptGameSlot {
public:
    /// Takes the first free file in `folder` ("online-game.json", then "online-game-2.json", ...).
    explicit TKeptGameSlot(const QString& folder);
    TKeptGameSlot(const TKeptGameSlot&) = delete;
    TKeptGameSlot& operator=(const TKeptGameSlot&) = delete;

    /// The file to keep the online game in; empty when every slot is taken or the folder cannot be made.
    QString Path() const { return path_; }

private:
    std::unique_ptr<QLockFile> lock_;
    QString path_;
};

} // namespace online
