// What a conversion said, kept in order to be said again through another sink: the files
// of a batch converted side by side speak one after another, as if converted in turn.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "core/line_sink.h"
#include "core/messages.h"

namespace tabulyst {

class MessageRecord : public LineSink {
  public:
    MessageRecord();
    MessageRecord(const MessageRecord&) = delete;
    MessageRecord& operator=(const MessageRecord&) = delete;

    // Stand-ins for standard error and standard output, and (as a line sink) for the log.
    std::ostream& Err() { return err_; }
    std::ostream& Out() { return out_; }
    bool PutLine(std::string_view line) override;

    // Says everything again, in the order it was said, to the sink's streams and log.
    void Replay(const MessageSink& sink) const;

  private:
    enum class Channel { Err, Out, Log };
    struct Piece {
        Channel channel;
        std::string text;
    };
    // Characters written to one stream join the last piece when it is of that stream.
    class ChannelBuffer : public std::streambuf {
      public:
        ChannelBuffer(MessageRecord& record, Channel channel)
            : record_(record), channel_(channel) {}

      protected:
        int_type overflow(int_type c) override;
        std::streamsize xsputn(const char* text, std::streamsize count) override;

      private:
        MessageRecord& record_;
        Channel channel_;
    };
    void Append(Channel channel, std::string_view text);

    std::vector<Piece> pieces_;
    ChannelBuffer errBuffer_{*this, Channel::Err};
    ChannelBuffer outBuffer_{*this, Channel::Out};
    std::ostream err_;
    std::ostream out_;
};

}  // namespace tabulyst
