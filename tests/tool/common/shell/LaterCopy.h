#pragma once

#include "shell/ArgumentHandover.h"

#include <QString>
#include <QTest>
#include <QThread>

#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A copy of the tool started later, handing its argument over from a thread of its own while the test's
// thread answers as the copy that runs; true when that copy took it.
inline bool LaterCopyHandsOver(const std::function<bool()>& handOver) {
    std::atomic<bool> taken = false;
    std::unique_ptr<QThread> thread(QThread::create([&] { taken = handOver(); }));
    thread->start();
    if (!QTest::qWaitFor([&] { return thread->isFinished(); }, 20000))
        ADD_FAILURE() << "the hand-over did not end";
    thread->wait();
    return taken;
}

inline bool LaterCopyHandsOver(const QString& flyFolder, const QString& argument) {
    return LaterCopyHandsOver([=] { return ArgumentHandover::HandOver(flyFolder, argument); });
}
