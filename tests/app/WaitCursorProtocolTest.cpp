#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include "app/WaitCursorProtocol.h"
#include "link/DummyProtocol.h"
#include "link/Protocol.h"
#include "link/ProtocolException.h"

namespace {
// Notes the cursor each exchange met, then fails it.
class CursorProbe : public ProtocolDecorator {
public:
    using ProtocolDecorator::ProtocolDecorator;

    void write(const ParameterId&, const ParameterValue&, std::uint32_t) override { fail(); }
    ParameterValue read(const ParameterId&) override { fail(); }
    ParameterValue writeAndRead(const ParameterId&, const ParameterValue&, std::uint32_t) override {
        fail();
    }

    std::vector<bool> waiting;

private:
    [[noreturn]] void fail() {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        waiting.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
        throw ProtocolException("no answer");
    }
};

TEST(WaitCursorProtocolTest, WritesShowTheWaitCursorUntilTheyEndEvenInFailure) {
    DummyProtocol unit;
    Protocol bridge(unit);
    CursorProbe probe(bridge);
    WaitCursorProtocol top(probe);
    EXPECT_THROW(top.write({197, 3}, 1, 0), ProtocolException);
    EXPECT_THROW(top.writeAndRead({197, 3}, 1, 0), ProtocolException);
    EXPECT_THROW(top.read({197, 3}), ProtocolException);
    EXPECT_EQ(probe.waiting, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
} // namespace
