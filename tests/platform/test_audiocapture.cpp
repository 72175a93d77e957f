// The sound server's client library is opened by the first capture that starts, not with the
// program: it and what it pulls in are load time and memory a start without music rhythm pays for
// nothing.
#include "dsoundcardaudiocapture.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

bool clientLibraryLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libpulse.so");
}

TEST(SoundCardCapture, TheClientLibraryIsOpenedByTheFirstStart)
{
    auto capture = DSoundCardAudioCapture::createSystem(QStringLiteral("unix:/nonexistent/tidelumen/native"));
    EXPECT_FALSE(clientLibraryLoaded()) << "made, not started";
    EXPECT_EQ(capture->start(), -1) << "no server there";
    EXPECT_FALSE(capture->isRunning());
    EXPECT_TRUE(clientLibraryLoaded());
    EXPECT_EQ(capture->stop(), 0);
}

} // namespace
