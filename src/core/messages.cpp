#include "core/messages.h"

#include <iostream>

namespace tabulyst {

std::ostream& ErrStream(const MessageSink& sink) { return sink.err ? *sink.err : std::cerr; }
std::ostream& OutStream(const MessageSink& sink) { return sink.out ? *sink.out : std::cout; }

namespace {

bool Suppressed(const MessageSink& sink, std::string_view text) {
    struct ClassFilter {
        bool MessageSink::*flag;
        std::string_view mark;
    };
    static constexpr ClassFilter kFilters[] = {
        {&MessageSink::suppressUrl, "URL:"},
        {&MessageSink::suppressInfo, "INFO:"},
        {&MessageSink::suppressWarning, "WARNING:"},
        {&MessageSink::suppressProgramError, "PROGRAM ERROR:"},
        {&MessageSink::suppressTagError, "TAG ERROR:"},
    };
    for (const ClassFilter& filter : kFilters)
        if (sink.*filter.flag && FindNoCase(text, filter.mark) != std::string_view::npos)
            return true;
    return false;
}

}  // namespace

void RouteMessage(MessageSink& sink, std::string_view text, int importance) {
    const bool hidden = importance < 10 - sink.reportingLevel || !sink.display;
    if (Suppressed(sink, text)) return;
    if (sink.logFile) sink.logFile->PutLine(text);
    if (hidden) return;
    if (sink.messageCallback)
        sink.messageCallback(text);
    else
        ErrStream(sink) << text << '\n';
}

void RouteStatusLine(MessageSink& sink, std::string_view text) {
    if (sink.reportingLevel <= 0) return;
    if (sink.logFile) sink.logFile->PutLine(text);
    if (sink.statusCallback)
        sink.statusCallback(text);
    else if (sink.display && sink.statusShown)
        OutStream(sink) << text << '\n';
}

void IssueRunLine(MessageSink& sink, std::string_view text) {
    if (sink.runDisplay) ErrStream(sink) << text << '\n';
    if (!sink.runBuffer.Empty()) sink.runBuffer.AppendChar('\n');
    sink.runBuffer.Append("SESSION: ");
    sink.runBuffer.Append(text);
    if (sink.logFile) {
        sink.logFile->PutLine(sink.runBuffer.View());
        sink.runBuffer.Clear();
    }
}

void AttachLog(MessageSink& sink, LineSink* log) {
    sink.logFile = log;
    if (log && !sink.runBuffer.Empty()) {
        log->PutLine(sink.runBuffer.View());
        sink.runBuffer.Clear();
    }
}

TextString FillPlaceholder(std::string_view text, std::string_view token, std::string_view value) {
    TextString result(text);
    std::string replacement(value);
    result.Replace(0, token, replacement.c_str(), 1, true);
    return result;
}

}  // namespace tabulyst
