#include "platform/Ping.h"
#include <gtest/gtest.h>

TEST(IcmpPinger, LoopbackAnswersWithTheWholeEchoData)
{
    TIcmpPinger pinger;
    const TEchoResult r = pinger.Echo("127.0.0.1");
    if (r.Status == TEchoStatus::esNoSocket)
        GTEST_SKIP() << "no ICMP socket on this machine: " << r.Error.toStdString();
    EXPECT_EQ(r.Status, TEchoStatus::esReply) << r.Error.toStdString();
    EXPECT_EQ(r.BytesReceived, TIcmpPinger::DataSize);
}

TEST(IcmpPinger, AddressesThatCannotBeUsedFailWithAReason)
{
    for (const char* address : {"abc", "", "1.2.3", "1.2.3.4.5", "1.2.3.256", "1..2.3", "-1.2.3.4", "255.255.255.255"}) {
        SCOPED_TRACE(address);
        TIcmpPinger pinger;
        const TEchoResult r = pinger.Echo(address);
        if (r.Status == TEchoStatus::esNoSocket)
            GTEST_SKIP() << "no ICMP socket on this machine: " << r.Error.toStdString();
        EXPECT_EQ(r.Status, TEchoStatus::esFailed);
        EXPECT_FALSE(r.Error.isEmpty());
    }
}
