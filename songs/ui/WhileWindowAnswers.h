// Waiting for work on another thread while the window goes on answering.
#pragma once

#include "songs/QuitRequest.h"

#include <QEventLoop>
#include <QFuture>
#include <QFutureWatcher>

#include <atomic>
#include <optional>

namespace songs {

// Runs the window's event loop until the future is finished, and gives its result; nothing when the
// end of the program was asked for meanwhile, after setting stop and waiting for the work to see it
// (the work is to check stop often, so that this is a matter of milliseconds).
template <typename Result>
std::optional<Result> waitWhileWindowAnswers(QFuture<Result> future, std::atomic<bool> &stop, const QuitRequest &quit)
{
    QEventLoop loop;
    QFutureWatcher<Result> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(future);
    if (!future.isFinished())
        loop.exec(); // also ends when the program is ended
    if (quit.isRequested() || !future.isFinished()) {
        stop = true;
        future.waitForFinished();
        return std::nullopt;
    }
    return future.takeResult();
}

} // namespace songs
