// Message lines reaching a sink through their own channels, in order.
#include "common/Messages.h"

#include <gtest/gtest.h>

namespace quadrilo {
namespace {

const MessageLines Mixed{
    {MessageChannel::Prompt, "Entre a 1ra coordenada da laje..."},
    {MessageChannel::Log, "Erro Laje: A laje deve ter uma espessura e >0!"},
    {MessageChannel::Prompt, ""},
    {MessageChannel::Log, "Arquivo criado..."},
};

TEST(Messages, SendKeepsEveryLineItsChannelAndItsPlace) {
    CollectingSink sink;
    Send(Mixed, sink);
    EXPECT_EQ(sink.Lines, Mixed);
}

// The main window's log without a CAD prompt: prompt lines still reach the log.
class LogOnly : public MessageSink {
public:
    void LogMessage(const std::string& line) override { Logged.push_back(line); }
    std::vector<std::string> Logged;
};

TEST(Messages, APromptLineReachesASinkWithoutAPromptAsALogLine) {
    LogOnly sink;
    Send(Mixed, sink);
    EXPECT_EQ(sink.Logged, Texts(Mixed));
}

} // namespace
} // namespace quadrilo
