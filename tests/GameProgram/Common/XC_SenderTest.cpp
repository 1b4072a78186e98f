#include "GameProgram/Common/XC_Addressee.h"
#include "GameProgram/Common/XC_Sender.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Call
{
    DWORD_PTR values[4];
};

class RecordingAddressee : public XC_Addressee
{
public:
    DWORD OnCallBack(DWORD_PTR v1, DWORD_PTR v2, DWORD_PTR v3, DWORD_PTR v4) override
    {
        calls.push_back({{v1, v2, v3, v4}});
        if (pDisconnectFrom != nullptr)
            pDisconnectFrom->Disconnect(this);
        return 7;
    }

    std::vector<Call> calls;
    XC_Sender* pDisconnectFrom = nullptr;
};

} // namespace

TEST(XC_Sender, DeliversEveryLinkInOrder)
{
    XC_Sender sender;
    RecordingAddressee addressee;
    EXPECT_EQ(sender.Send(1, 2), 0u);
    const DWORD_PTR pointer = reinterpret_cast<DWORD_PTR>(&sender);
    EXPECT_EQ(sender.Connect(&addressee, 10, pointer), S_OK);
    EXPECT_EQ(sender.Connect(&addressee, 20, 21), S_OK);
    EXPECT_EQ(addressee.GetSenderCount(), 2u);
    EXPECT_EQ(sender.Send(3, 4), 2u);
    ASSERT_EQ(addressee.calls.size(), 2u);
    EXPECT_EQ(addressee.calls[0].values[0], 10u);
    EXPECT_EQ(addressee.calls[0].values[1], pointer);
    EXPECT_EQ(addressee.calls[0].values[3], 4u);
    EXPECT_EQ(addressee.calls[1].values[0], 20u);
    EXPECT_EQ(sender.Deliver(&addressee, 0, 0, 0, 0), 7u);
    EXPECT_EQ(sender.Connect(nullptr, 0, 0), E_FAIL);
}

TEST(XC_Sender, LinksEndWithEitherSide)
{
    XC_Sender sender;
    auto pAddressee = std::make_unique<RecordingAddressee>();
    RecordingAddressee other;
    sender.Connect(pAddressee.get(), 1, 0);
    sender.Connect(&other, 2, 0);
    sender.Connect(pAddressee.get(), 3, 0);
    pAddressee.reset();
    EXPECT_EQ(sender.GetMessageCount(), 1u);
    EXPECT_EQ(sender.Send(0, 0), 1u);

    {
        XC_Sender shortLived;
        shortLived.Connect(&other, 5, 0);
        shortLived.Connect(&other, 6, 0);
        EXPECT_EQ(other.GetSenderCount(), 3u);
    }
    EXPECT_EQ(other.GetSenderCount(), 1u);
    sender.Disconnect(&other);
    EXPECT_EQ(other.GetSenderCount(), 0u);
    EXPECT_EQ(sender.GetMessageCount(), 0u);
}

TEST(XC_Sender, AnAddresseeMayUnlinkWhileCalled)
{
    XC_Sender sender;
    RecordingAddressee leaving;
    RecordingAddressee staying;
    leaving.pDisconnectFrom = &sender;
    sender.Connect(&leaving, 1, 0);
    sender.Connect(&staying, 2, 0);
    EXPECT_EQ(sender.Send(0, 0), 2u);
    EXPECT_EQ(leaving.calls.size(), 1u);
    EXPECT_EQ(staying.calls.size(), 1u);
    EXPECT_EQ(sender.Send(0, 0), 1u);
    EXPECT_EQ(staying.calls.size(), 2u);
}
