#include "core/message_record.h"

namespace tabulyst {

MessageRecord::MessageRecord() : err_(&errBuffer_), out_(&outBuffer_) {}

bool MessageRecord::PutLine(std::string_view line) {
    pieces_.push_back({Channel::Log, std::string(line)});
    return true;
}

void MessageRecord::Append(Channel channel, std::string_view text) {
    if (pieces_.empty() || pieces_.back().channel != channel)
        pieces_.push_back({channel, std::string()});
    pieces_.back().text.append(text);
}

MessageRecord::ChannelBuffer::int_type MessageRecord::ChannelBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char character = traits_type::to_char_type(c);
    record_.Append(channel_, std::string_view(&character, 1));
    return c;
}

std::streamsize MessageRecord::ChannelBuffer::xsputn(const char* text, std::streamsize count) {
    record_.Append(channel_, std::string_view(text, static_cast<size_t>(count)));
    return count;
}

void MessageRecord::Replay(const MessageSink& sink) const {
    for (const Piece& piece : pieces_) {
        switch (piece.channel) {
            case Channel::Err:
                ErrStream(sink) << piece.text;
                break;
            case Channel::Out:
                OutStream(sink) << piece.text;
                break;
            case Channel::Log:
                if (sink.logFile) sink.logFile->PutLine(piece.text);
                break;
        }
    }
}

}  // namespace tabulyst
