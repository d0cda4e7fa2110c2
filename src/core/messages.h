// The routing of every report: importance and class filters, log file, status window.
#pragma once

#include <functional>
#include <ostream>
#include <string_view>

#include "core/line_sink.h"
#include "core/text_string.h"

namespace tabulyst {

// Where reports go, and the filters of the policy set that is speaking. One per run.
struct MessageSink {
    TextString logPath;
    LineSink* logFile = nullptr;  // not owned; the batch run opens and closes it
    std::function<void(std::string_view)> messageCallback;  // front end's status window
    std::function<void(std::string_view)> statusCallback;
    int32_t reportingLevel = 5;
    bool display = true;
    // Off while standard output carries the document: progress lines would corrupt it.
    bool statusShown = true;
    bool suppressUrl = true;
    bool suppressInfo = false;
    bool suppressWarning = false;
    bool suppressProgramError = false;
    bool suppressTagError = false;

    // Run lines: kept until the log opens, echoed when the run's display option is on.
    TextString runBuffer;
    bool runDisplay = true;

    // The console streams; tests point these at string streams.
    std::ostream* err = nullptr;  // null means std::cerr
    std::ostream* out = nullptr;  // null means std::cout
};

std::ostream& ErrStream(const MessageSink& sink);
std::ostream& OutStream(const MessageSink& sink);

// Routes one message by importance (0..10) and class (found in the text itself).
void RouteMessage(MessageSink& sink, std::string_view text, int importance);
// Routes one progress line; never class-filtered.
void RouteStatusLine(MessageSink& sink, std::string_view text);
// A line about the run itself; reaches the log in one piece once it is open.
void IssueRunLine(MessageSink& sink, std::string_view text);
// Makes the sink's log file the given one and writes any run lines kept so far.
void AttachLog(MessageSink& sink, LineSink* log);

// Replaces the first exact occurrence of a placeholder token ("ffffff", "xxxxxx", ...).
TextString FillPlaceholder(std::string_view text, std::string_view token, std::string_view value);

}  // namespace tabulyst
