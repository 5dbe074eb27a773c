#pragma once

#include <QMetaObject>
#include <QObject>

#include <atomic>
#include <memory>

namespace tolvaran {

// Runs handler on context's thread after sender emits changed. Emissions
// before the run join it, so a burst of changes makes one run, which reads
// the value as it is then; the watch is armed again only after the handler,
// so what the handler itself changes is not taken for a new change. Nothing
// runs once context is gone. changed may be emitted on any thread.
template<typename Sender, typename Signal, typename Handler>
void watchProperty(QObject* context, const Sender* sender, Signal changed, Handler handler)
{
    auto isPending = std::make_shared<std::atomic_bool>(false);
    QObject::connect(
        sender, changed, context,
        [context, isPending, handler] {
            if (isPending->exchange(true))
                return;
            QMetaObject::invokeMethod(
                context,
                [isPending, handler] {
                    handler();
                    isPending->store(false);
                },
                Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}

} // namespace tolvaran
